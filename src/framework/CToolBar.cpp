#include "CToolBar.h"

#include "CCmdUI.h"
#include "CFrameWnd.h"
#include "FrameworkIds.h"

#include <commctrl.h>

namespace {
// A CCmdUI that applies its state to one toolbar button.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar* bar) : m_bar(bar) {}
    void Enable(bool bOn) override
    {
        CCmdUI::Enable(bOn);
        m_bar->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(bOn ? TRUE : FALSE, 0));
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        // Only a check-style button keeps a checked state.
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_STYLE;
        m_bar->SendMessage(TB_GETBUTTONINFOA, m_nID, reinterpret_cast<LPARAM>(&info));
        if (!(info.fsStyle & BTNS_CHECK)) {
            info.fsStyle |= BTNS_CHECK;
            m_bar->SendMessage(TB_SETBUTTONINFOA, m_nID, reinterpret_cast<LPARAM>(&info));
        }
        m_bar->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck ? TRUE : FALSE, 0));
    }

private:
    CToolBar* m_bar;
};

// The toolbar resource (RT_TOOLBAR). The Microsoft resource compiler writes WORDs:
// version 1, width, height, count, ids. GNU windres writes DWORDs: width, height, count, ids.
bool ParseToolBarResource(const BYTE* data, DWORD size, std::vector<UINT>& ids, SIZE* buttonSize)
{
    auto word = [data](DWORD i) { return static_cast<UINT>(reinterpret_cast<const WORD*>(data)[i]); };
    auto dword = [data](DWORD i) { return static_cast<UINT>(reinterpret_cast<const DWORD*>(data)[i]); };
    if (size >= 8 && word(0) == 1 && size == 8 + 2 * word(3)) {
        for (DWORD i = 0; i < word(3); ++i)
            ids.push_back(word(4 + i));
        *buttonSize = SIZE{static_cast<LONG>(word(1)), static_cast<LONG>(word(2))};
        return true;
    }
    if (size >= 12 && size == 12 + 4 * dword(2)) {
        for (DWORD i = 0; i < dword(2); ++i)
            ids.push_back(dword(3 + i));
        *buttonSize = SIZE{static_cast<LONG>(dword(0)), static_cast<LONG>(dword(1))};
        return true;
    }
    return false;
}
}   // namespace

const MessageMap* CToolBar::GetThisMessageMap()
{
    static const MessageMap map{&CWnd::GetThisMessageMap, nullptr, 0};
    return &map;
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, RECT borders, UINT id)
{
    (void)borders;   // the bar draws no borders of its own
    m_dwStyle = style & CBRS_ALL;
    DWORD windowStyle = (style & ~CBRS_ALL) | ctrlStyle | CCS_TOP | CCS_NODIVIDER;
    if (m_dwStyle & CBRS_TOOLTIPS)
        windowStyle |= TBSTYLE_TOOLTIPS;
    const RECT empty{};
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, windowStyle, empty, parent->m_hWnd, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

bool CToolBar::ReadToolBarResource(HINSTANCE instance, UINT resourceId, std::vector<UINT>& ids, SIZE* buttonSize)
{
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(241));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    SIZE size{};
    ids.clear();
    if (!data || !ParseToolBarResource(data, SizeofResource(instance, found), ids, &size))
        return false;
    if (buttonSize)
        *buttonSize = size;
    return true;
}

BOOL CToolBar::LoadToolBar(HINSTANCE instance, UINT resourceId)
{
    std::vector<UINT> ids;
    if (!ReadToolBarResource(instance, resourceId, ids, nullptr))
        return FALSE;
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    while (SendMessage(TB_DELETEBUTTON, 0))
        ;
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        button.idCommand = static_cast<int>(ids[i]);
        button.fsState = TBSTATE_ENABLED;
        if (ids[i] == ID_SEPARATOR) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.fsStyle = BTNS_BUTTON;
            button.iBitmap = image++;
        }
        if (!SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)))
            return FALSE;
    }
    SendMessage(TB_AUTOSIZE);
    return TRUE;
}

int CToolBar::GetCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

UINT CToolBar::GetItemID(int index) const
{
    TBBUTTON button{};
    if (!SendMessage(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)))
        return 0;
    return (button.fsStyle & BTNS_SEP) ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
}

// The button's style in the low word and its state in the high word.
UINT CToolBar::GetButtonStyle(int index) const
{
    TBBUTTON button{};
    if (!SendMessage(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)))
        return 0;
    return button.fsStyle | (static_cast<UINT>(button.fsState) << 16);
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int image)
{
    // The button's state (enabled, checked, hidden) stays as it is.
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE;
    info.idCommand = static_cast<int>(id);
    info.fsStyle = static_cast<BYTE>(style & 0xFF);
    info.iImage = image;
    SendMessage(TB_SETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info));
}

void CToolBar::GetItemRect(int index, RECT* rc) const
{
    SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rc));
}

void CToolBar::LayoutInFrame(RECT& remaining)
{
    SendMessage(TB_AUTOSIZE);   // the toolbar sizes and places itself at the top
    RECT rc{};
    GetWindowRect(&rc);
    const int height = rc.bottom - rc.top;
    ::MoveWindow(m_hWnd, remaining.left, remaining.top, remaining.right - remaining.left, height, TRUE);
    remaining.top += height;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, bool bDisableIfNoHandler)
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const UINT id = GetItemID(i);
        if (id == ID_SEPARATOR)
            continue;
        CToolCmdUI state(this);
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(target, bDisableIfNoHandler);
    }
}
