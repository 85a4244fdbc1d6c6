// Every dialog template and menu of the program, read from its linked resources: access keys
// unique per dialog and per menu level, every control reached by Tab or by a label's access
// key, and every control and text inside its dialog at 192 DPI with the dialog's own font.
#include "resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace {
constexpr int kDpi = 192;
enum Atom : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kComboBox = 0x85 };

struct Control {
    DWORD style;
    RECT rc;   // dialog units
    WORD atom;   // 0 for a class given by name (list view, up-down)
    std::string text;
};

// A DIALOG template (the only kind the program has): size, font and controls.
struct Dialog {
    explicit Dialog(const BYTE* p) : m_p(p)
    {
        EXPECT_NE(Word(2), 0xFFFF) << "a DIALOGEX template";
        size = SIZE{Word(14), Word(16)};
        m_at = 18;
        for (int skip = 0; skip < 3; ++skip)   // menu, class, caption
            Text();
        points = Word(m_at);
        m_at += 2;
        face = Text();
        for (int i = 0, count = Word(8); i < count; ++i) {
            m_at = (m_at + 3) & ~size_t{3};
            const auto at = [&](size_t offset) { return static_cast<short>(Word(m_at + offset)); };
            Control c{*reinterpret_cast<const DWORD*>(m_p + m_at), RECT{at(8), at(10), at(8) + at(12), at(10) + at(14)}, 0, {}};
            m_at += 18;
            c.atom = Word(m_at) == 0xFFFF ? Word(m_at + 2) : 0;
            Text();
            c.text = Text();
            m_at += 2 + Word(m_at);
            controls.push_back(c);
        }
    }
    WORD Word(size_t at) const { return *reinterpret_cast<const WORD*>(m_p + at); }
    // A name or ordinal: 0xFFFF and an atom (read as ""), or a UTF-16 string (ASCII here).
    std::string Text()
    {
        std::string text;
        if (Word(m_at) == 0xFFFF)
            return m_at += 4, text;
        for (; Word(m_at); m_at += 2)
            text += static_cast<char>(Word(m_at));
        return m_at += 2, text;
    }

    SIZE size{};
    int points = 0;
    std::string face;
    std::vector<Control> controls;
    const BYTE* m_p;
    size_t m_at = 0;
};

// The access key of a text (lower case), or 0; "&&" is a plain ampersand.
char AccessKey(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '&' && text[++i] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    return 0;
}

void ExpectUniqueKeys(const std::vector<std::string>& texts, const std::string& where)
{
    std::map<char, std::string> seen;
    for (const std::string& text : texts)
        if (const char key = AccessKey(text); key && !seen.emplace(key, text).second)
            ADD_FAILURE() << where << ": \"" << text << "\" and \"" << seen[key] << "\" share the key " << key;
}

void CheckDialog(HDC dc, int id, Dialog& d)
{
    SCOPED_TRACE("dialog " + std::to_string(id));
    HFONT font = CreateFontA(-MulDiv(d.points, kDpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             d.face.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SIZE abc{};   // the dialog base units, as the dialog manager measures them
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &abc);
    const int unitX = (abc.cx / 26 + 1) / 2;
    std::vector<std::string> texts;
    bool radioReached = true;
    for (size_t i = 0; i < d.controls.size(); ++i) {
        const Control& c = d.controls[i];
        const Control* next = i + 1 < d.controls.size() ? &d.controls[i + 1] : nullptr;
        const std::string what = "\"" + c.text + "\" at " + std::to_string(c.rc.left) + "," + std::to_string(c.rc.top);
        const auto isRadio = [](const Control* k) {
            return k && k->atom == kButton && ((k->style & 0xF) == BS_AUTORADIOBUTTON || (k->style & 0xF) == BS_RADIOBUTTON);
        };
        const bool radio = isRadio(&c), groupBox = c.atom == kButton && (c.style & 0xF) == BS_GROUPBOX;
        const bool input = c.atom == kEdit || c.atom == kComboBox || c.atom == kListBox || (c.atom == 0 && c.text.empty() && (c.style & WS_TABSTOP));
        const LONG bottom = c.atom == kComboBox ? c.rc.top + 12 : c.rc.bottom;   // its list drops below
        EXPECT_TRUE(c.rc.left >= 0 && c.rc.top >= 0 && c.rc.right <= d.size.cx && bottom <= d.size.cy)
            << what << " lies outside the dialog";
        texts.push_back(c.text);
        radioReached = (radio && (c.style & WS_GROUP) ? false : radioReached) || (radio && (c.style & WS_TABSTOP));
        if (radio && (!isRadio(next) || (next->style & WS_GROUP)) && !radioReached)
            ADD_FAILURE() << what << ": no radio button of its group is a tab stop";
        if ((input || (c.atom == kButton && !radio && !groupBox)) && !(c.style & (WS_DISABLED | WS_TABSTOP)))
            ADD_FAILURE() << what << " is no tab stop";
        if (input && (i == 0 || d.controls[i - 1].atom != kStatic || !AccessKey(d.controls[i - 1].text)))
            ADD_FAILURE() << what << " follows no label with an access key";
        if (c.atom == kButton && !groupBox && c.text != "OK" && c.text != "Cancel" && !AccessKey(c.text))
            ADD_FAILURE() << what << " has no access key";
        if (c.text.empty() || (c.atom != kButton && c.atom != kStatic))
            continue;
        std::string shown;
        for (size_t k = 0; k < c.text.size(); ++k)
            shown += c.text[k] == '&' && k + 1 < c.text.size() ? c.text[++k] : c.text[k];
        // Room for the text: a check or radio box, or a button's edges, take their share.
        const int room = (c.rc.right - c.rc.left) * unitX / 4
                         - (c.atom == kStatic ? 0 : MulDiv(radio || (c.style & 0xF) == BS_AUTOCHECKBOX ? 16 : groupBox ? 12 : 6, kDpi, 96));
        RECT need{0, 0, room, 0};
        DrawTextA(dc, shown.c_str(), -1, &need, DT_CALCRECT | (c.atom == kStatic ? DT_WORDBREAK : DT_SINGLELINE));
        const int height = (c.rc.bottom - c.rc.top) * metrics.tmHeight / 8;
        EXPECT_TRUE(need.right <= room && (c.atom != kStatic || need.bottom <= height))
            << what << " needs " << need.right << "x" << need.bottom << " px at 192 DPI, has " << room << "x" << height;
    }
    ExpectUniqueKeys(texts, "dialog " + std::to_string(id));
    DeleteObject(SelectObject(dc, old));
}

TEST(KeyboardReachTest, DialogsReachEveryControlByKeyAndFitAt192Dpi)
{
    std::vector<int> ids;
    EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(5) /* RT_DIALOG */, [](HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
        reinterpret_cast<std::vector<int>*>(out)->push_back(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
        return TRUE;
    }, reinterpret_cast<LONG_PTR>(&ids));
    ASSERT_GE(ids.size(), 4u);
    HDC dc = CreateCompatibleDC(nullptr);
    for (int id : ids) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
        Dialog dialog(static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found))));
        CheckDialog(dc, id, dialog);
    }
    DeleteDC(dc);
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

TEST(KeyboardReachTest, MenusHaveUniqueAccessKeysAtEveryLevel)
{
    for (int id : {IDR_MAINFRAME, IDR_CONTEXT_MENUS}) {
        HMENU menu = LoadMenuA(nullptr, MAKEINTRESOURCEA(id));
        ASSERT_NE(menu, nullptr) << id;
        CheckMenuLevel(menu, "menu " + std::to_string(id));
        DestroyMenu(menu);
    }
}
}   // namespace
