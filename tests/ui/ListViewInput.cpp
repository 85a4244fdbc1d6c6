#include "ListViewInput.h"

#include "Pump.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace ui {
namespace {
LPARAM PointParam(POINT pt)
{
    return MAKELPARAM(pt.x, pt.y);
}

// As Windows moves the pointer: WM_SETCURSOR sent, then WM_MOUSEMOVE posted.
void PostMove(HWND hwnd, POINT client)
{
    PlaceCursor(hwnd, client);
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    PostMessageA(hwnd, WM_MOUSEMOVE, 0, PointParam(client));
}

void PostButton(HWND hwnd, UINT down, UINT up, WPARAM keys, POINT client)
{
    PostMove(hwnd, client);
    PostMessageA(hwnd, down, keys, PointParam(client));
    PostMessageA(hwnd, up, 0, PointParam(client));
    PumpPending();
}
}   // namespace

POINT RowPartPoint(HWND list, int row, RowPart part)
{
    RECT icon{LVIR_ICON, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&icon));
    const int y = (icon.top + icon.bottom) / 2;
    switch (part) {
    case RowPart::Icon:
        return {(icon.left + icon.right) / 2, y};
    case RowPart::Label: {
        RECT label{LVIR_LABEL, 0, 0, 0};
        SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&label));
        return {label.left + 4, y};
    }
    case RowPart::CheckBox: {
        int width = 16;
        int height = 16;
        if (auto states = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_STATE, 0)))
            ImageList_GetIconSize(states, &width, &height);
        return {icon.left - width / 2, y};
    }
    }
    return {};
}

void PlaceCursor(HWND hwnd, POINT client)
{
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
}

void MoveMouse(HWND hwnd, POINT client)
{
    PostMove(hwnd, client);
    PumpPending();
}

void Click(HWND hwnd, POINT client)
{
    PostButton(hwnd, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, client);
}

void DragRow(HWND list, int fromRow, int toRow, bool release)
{
    const POINT from = RowPartPoint(list, fromRow, RowPart::Label), to = RowPartPoint(list, toRow, RowPart::Label);
    PostMove(list, from);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(from));
    for (int step = 1; step <= 4; ++step) {
        const POINT at{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4};
        PlaceCursor(list, at);
        PostMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, PointParam(at));
        PumpPending();
    }
    if (release)
        PostMessageA(list, WM_LBUTTONUP, 0, PointParam(to));
    PumpPending();
}

void RightClick(HWND hwnd, POINT client)
{
    PostButton(hwnd, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, client);
}

void DoubleClick(HWND hwnd, POINT client)
{
    PlaceCursor(hwnd, client);
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(client));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, PointParam(client));
    PostMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(client));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, PointParam(client));
    PumpPending();
}

void PressKey(HWND hwnd, UINT virtualKey)
{
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(hwnd, WM_KEYDOWN, virtualKey, MAKELPARAM(1, scan));
    PostMessageA(hwnd, WM_KEYUP, virtualKey, MAKELPARAM(1, scan | KF_REPEAT | KF_UP));
    PumpPending();
}

void PressKey(HWND hwnd, UINT virtualKey, std::initializer_list<int> modifiers)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE held[256];
    std::copy(std::begin(keys), std::end(keys), held);
    for (int modifier : modifiers)
        held[modifier] = 0x80;
    SetKeyboardState(held);
    PressKey(hwnd, virtualKey);
    SetKeyboardState(keys);
}
}   // namespace ui
