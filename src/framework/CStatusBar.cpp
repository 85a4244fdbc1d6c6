#include "CStatusBar.h"

#include "CWinApp.h"
#include "FrameworkIds.h"

#include <commctrl.h>

const MessageMap* CStatusBar::GetThisMessageMap()
{
    static const MessageMap map{&CWnd::GetThisMessageMap, nullptr, 0};
    return &map;
}

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    m_dwStyle = style & CBRS_ALL;
    const DWORD windowStyle = (style & ~CBRS_ALL) | CCS_BOTTOM | SBARS_SIZEGRIP;
    const RECT empty{};
    if (!CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, windowStyle, empty, parent->m_hWnd, id))
        return FALSE;
    SendMessage(WM_SIZE);   // the bar takes its height from its font
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    m_indicators.assign(ids, ids + count);
    m_widths.assign(static_cast<size_t>(count), 0);
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    for (int i = 1; i < count; ++i) {
        const std::string text = LoadResourceString(ids[i]);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        m_widths[static_cast<size_t>(i)] = size.cx + 12;
    }
    SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);
    LayoutPanes();
    SetPaneText(0, LoadResourceString(AFX_IDS_IDLEMESSAGE).c_str());
    return TRUE;
}

void CStatusBar::LayoutPanes()
{
    if (m_indicators.empty())
        return;
    RECT rc{};
    GetClientRect(&rc);
    const int grip = GetSystemMetrics(SM_CXVSCROLL);
    std::vector<int> edges(m_indicators.size());
    int right = rc.right - grip;
    for (size_t i = m_indicators.size(); i-- > 1;) {
        edges[i] = right;
        right -= m_widths[i];
    }
    edges[0] = right;
    edges.back() = -1;   // the last pane runs to the edge
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::LayoutInFrame(RECT& remaining)
{
    SendMessage(WM_SIZE);   // the status bar sizes and places itself at the bottom
    RECT rc{};
    GetWindowRect(&rc);
    remaining.bottom -= rc.bottom - rc.top;
    LayoutPanes();
}

void CStatusBar::SetPaneText(int index, const char* text)
{
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
}

std::string CStatusBar::GetPaneText(int index) const
{
    const LRESULT info = SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(index));
    std::string text(LOWORD(info) + 1, '\0');
    SendMessage(SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd*, bool)
{
    for (size_t i = 1; i < m_indicators.size(); ++i) {
        int key = 0;
        if (m_indicators[i] == ID_INDICATOR_CAPS)
            key = VK_CAPITAL;
        else if (m_indicators[i] == ID_INDICATOR_NUM)
            key = VK_NUMLOCK;
        const bool on = key && (GetKeyState(key) & 1);
        const std::string text = on ? LoadResourceString(m_indicators[i]) : std::string();
        if (GetPaneText(static_cast<int>(i)) != text)
            SetPaneText(static_cast<int>(i), text.c_str());
    }
}
