// Every dialog and menu of the program: unique access keys, controls reached by keys, texts that fit at 192 DPI.
#include "resource.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {
// The access key of a text (lower case), or 0.
char KeyOf(const std::string& text)
{
    const size_t at = text.find('&');
    return at != std::string::npos && at + 1 < text.size() ? static_cast<char>(tolower(text[at + 1])) : 0;
}

void ExpectUniqueKeys(const std::vector<std::string>& texts, const std::string& where)
{
    std::string keys;
    for (const std::string& text : texts) {
        EXPECT_TRUE(!KeyOf(text) || keys.find(KeyOf(text)) == std::string::npos) << where << " repeats " << text;
        keys += KeyOf(text);
    }
}

// Selects the dialog's font at the DPI into dc; the width of its dialog base unit.
int SelectFontAt(HDC dc, HFONT font, int dpi)
{
    LOGFONTA face{};
    GetObjectA(font, sizeof face, &face);
    face.lfHeight = MulDiv(face.lfHeight, dpi, GetDeviceCaps(dc, LOGPIXELSY));
    DeleteObject(SelectObject(dc, CreateFontIndirectA(&face)));
    SIZE abc{};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &abc);
    return (abc.cx / 26 + 1) / 2;
}

void CheckDialog(HWND dialog, HDC dc, const std::string& where)
{
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    const int unitX = SelectFontAt(dc, font, GetDeviceCaps(dc, LOGPIXELSY));
    const double scale = double(SelectFontAt(dc, font, 192)) / unitX;
    RECT client{}, rc{};
    GetClientRect(dialog, &client);
    std::vector<std::string> texts{""}, classes{""};
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[64] = {}, text[256] = {};
        GetClassNameA(c, name, sizeof name);
        GetWindowTextA(c, text, sizeof text);
        const std::string cls = name, what = where + ": \"" + text + "\" (" + cls + ")";
        const DWORD kind = GetWindowLongPtrA(c, GWL_STYLE) & BS_TYPEMASK;
        const bool button = cls == "Button", label = cls == "Static", groupBox = button && kind == BS_GROUPBOX;
        const bool input = cls == "Edit" || cls == "ComboBox" || cls == "ListBox" || cls == "SysListView32";
        EXPECT_FALSE(input && (classes.back() != "Static" || !KeyOf(texts.back()))) << what << " has no label key";
        EXPECT_FALSE(button && !groupBox && GetDlgCtrlID(c) != IDOK && GetDlgCtrlID(c) != IDCANCEL && !KeyOf(text))
            << what << " has no access key";
        texts.emplace_back(text);
        classes.push_back(cls);
        GetWindowRect(c, &rc);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= client.right && rc.bottom <= client.bottom) << what;
        if (*text && (button || label)) {
            // Room for the text at 192 DPI: a check or radio box, or a button's edges, take their share.
            const bool box = button && kind >= BS_CHECKBOX && kind <= BS_AUTORADIOBUTTON && kind != BS_GROUPBOX;
            const int edges = label ? 0 : MulDiv(box ? 16 : groupBox ? 12 : 6, 192, 96);
            const int room = int((rc.right - rc.left) * scale) - edges, height = int((rc.bottom - rc.top) * scale);
            RECT need{0, 0, room, 0};
            DrawTextA(dc, text, -1, &need, DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE));
            EXPECT_TRUE(need.right <= room && (!label || need.bottom <= height))
                << what << " needs " << need.right << "x" << need.bottom << ", room " << room << "x" << height;
        }
    }
    ExpectUniqueKeys(texts, where);
}

void CheckMenuLevel(HMENU menu, const std::string& where)
{
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        texts.emplace_back(text);
        if (HMENU sub = GetSubMenu(menu, i))
            CheckMenuLevel(sub, where + " > " + text);
    }
    ExpectUniqueKeys(texts, where);
}

TEST(KeyboardReachTest, DialogsAndMenusReachEveryControlByKeyAndDialogsFitAt192Dpi)
{
    HDC dc = CreateCompatibleDC(nullptr);
    int dialogs = 0;
    for (int id = 1; id < 4096; ++id)   // every dialog template of the program
        if (HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), nullptr, nullptr, 0)) {
            CheckDialog(dialog, dc, "dialog " + std::to_string(id));
            dialogs += DestroyWindow(dialog);
        }
    EXPECT_GE(dialogs, 4);
    DeleteObject(SelectObject(dc, GetStockObject(SYSTEM_FONT)));
    DeleteDC(dc);
    for (int id : {IDR_MAINFRAME, IDR_CONTEXT_MENUS}) {
        HMENU menu = LoadMenuA(nullptr, MAKEINTRESOURCEA(id));
        CheckMenuLevel(menu, "menu " + std::to_string(id));
        EXPECT_TRUE(menu && DestroyMenu(menu)) << id;
    }
}
}   // namespace
