#include "PopupMenuReader.h"

namespace {
BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM lParam)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && std::string(cls) == "#32768") {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}
}   // namespace

void PopupMenuReader::Start(DWORD timeoutMs)
{
    m_thread = std::thread([this, timeoutMs] { Run(timeoutMs); });
}

bool PopupMenuReader::Finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_seen;
}

const PopupMenuReader::Item* PopupMenuReader::Find(const std::string& text) const
{
    for (const Item& item : m_items) {
        if (item.text == text)
            return &item;
    }
    return nullptr;
}

void PopupMenuReader::Run(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    HWND window = nullptr;
    while (EnumWindows(&FindMenuWindow, reinterpret_cast<LPARAM>(&window)), !window) {
        if (GetTickCount() - start > timeoutMs)
            return;
        Sleep(20);
    }
    auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    GetWindowRect(window, &m_rect);
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, position, TRUE, &info);
        m_items.push_back({text, (info.fType & MFT_SEPARATOR) != 0, (info.fState & MFS_GRAYED) != 0});
    }
    m_seen = true;
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    const DWORD pressed = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window) && GetTickCount() - pressed < 2000)
        Sleep(10);
}
