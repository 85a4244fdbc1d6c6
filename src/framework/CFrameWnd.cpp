#include "CFrameWnd.h"

#include "CCmdUI.h"
#include "CControlBar.h"
#include "CWinApp.h"
#include "FrameworkIds.h"

#include <commctrl.h>

namespace {
const char kFrameClass[] = "VtFrame";

// The part of a prompt string before (prompt) or after (tooltip) its line break.
std::string PromptPart(const std::string& text, bool tooltip)
{
    const size_t pos = text.find('\n');
    if (tooltip)
        return pos == std::string::npos ? std::string() : text.substr(pos + 1);
    return text.substr(0, pos);
}
}   // namespace

const MessageMap* CFrameWnd::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Message<&CFrameWnd::OnSize>(WM_SIZE),
        msg::Message<&CFrameWnd::OnClose>(WM_CLOSE),
        msg::Message<&CFrameWnd::OnInitMenuPopup>(WM_INITMENUPOPUP),
        msg::Message<&CFrameWnd::OnMenuSelect>(WM_MENUSELECT),
        msg::Message<&CFrameWnd::OnExitMenuLoop>(WM_EXITMENULOOP),
        msg::NotifyRange<&CFrameWnd::OnToolTipText>(TTN_GETDISPINFOA, 0, 0xFFFF),
        msg::NotifyRange<&CFrameWnd::OnToolTipTextW>(TTN_GETDISPINFOW, 0, 0xFFFF),
        msg::Notify<&CFrameWnd::OnHotItemChange>(TBN_HOTITEMCHANGE, AFX_IDW_TOOLBAR),
        msg::CommandRange<&CFrameWnd::OnBarCheck>(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR),
        msg::UpdateRange<&CFrameWnd::OnUpdateControlBarMenu>(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR),
    };
    static const MessageMap map = MakeMessageMap(&CWnd::GetThisMessageMap, entries);
    return &map;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass) {
        RegisterWindowClass(kFrameClass, CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
        cs.lpszClass = kFrameClass;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, HWND parent)
{
    HINSTANCE instance = AfxGetResourceHandle();
    std::string title = PromptPart(LoadResourceString(resourceId), false);
    if (title.empty() && AfxGetApp())
        title = AfxGetApp()->GetAppName();
    m_hAccelTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));

    CREATESTRUCTA cs{};
    cs.lpszName = title.c_str();
    cs.style = style & ~FWS_ADDTOTITLE;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hwndParent = parent;
    cs.hMenu = menu;
    if (!CreateFromStruct(cs)) {
        if (menu && IsMenu(menu))   // a window that came to exist took its menu with it
            DestroyMenu(menu);
        return FALSE;
    }
    if (HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId))) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    RecalcLayout();
    return TRUE;
}

// Routing: the frame's own tables, then the application's.
bool CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, bool bProbeOnly)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable)
        return TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const
{
    return dynamic_cast<CControlBar*>(FromHandle(GetDlgItem(static_cast<int>(id))));
}

void CFrameWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    RECT remaining{};
    GetClientRect(&remaining);
    for (UINT id : {AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR}) {
        CControlBar* bar = GetControlBar(id);
        if (bar && bar->IsBarVisible())
            bar->LayoutInFrame(remaining);
    }
    if (HWND pane = GetDlgItem(AFX_IDW_PANE_FIRST)) {
        ::MoveWindow(pane, remaining.left, remaining.top, remaining.right - remaining.left,
                     remaining.bottom - remaining.top, TRUE);
    }
}

void CFrameWnd::ShowControlBar(CControlBar* bar, bool show)
{
    bar->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    for (UINT id : {AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR}) {
        CControlBar* bar = GetControlBar(id);
        if (bar && bar->IsBarVisible())
            bar->OnUpdateCmdUI(this, true);
    }
}

void CFrameWnd::SetMessageText(const char* text)
{
    if (HWND status = GetDlgItem(AFX_IDW_STATUS_BAR))
        ::SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void CFrameWnd::SetMessageText(UINT stringId)
{
    SetMessageText(PromptPart(LoadResourceString(stringId), false).c_str());
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
}

LRESULT CFrameWnd::OnSize(WPARAM, LPARAM)
{
    RecalcLayout();
    return 0;
}

LRESULT CFrameWnd::OnClose(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(lParam))   // the system menu
        return Default();
    CCmdUI::UpdateMenu(reinterpret_cast<HMENU>(wParam), this);
    return 0;
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {   // the menu closed
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    } else if (flags & (MF_POPUP | MF_SEPARATOR)) {
        SetMessageText("");
    } else {
        SetMessageText(LOWORD(wParam));
    }
    return 0;
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM)
{
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return 0;
}

std::string CFrameWnd::TipText(UINT id) const
{
    return PromptPart(LoadResourceString(id), true);
}

LRESULT CFrameWnd::OnToolTipText(NMHDR* header)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    m_strTipText = TipText(static_cast<UINT>(header->idFrom));
    info->lpszText = m_strTipText.data();
    return 0;
}

LRESULT CFrameWnd::OnToolTipTextW(NMHDR* header)
{
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    const std::string text = TipText(static_cast<UINT>(header->idFrom));
    m_wstrTipText.assign(text.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), m_wstrTipText.data(),
                                      static_cast<int>(m_wstrTipText.size()));
    m_wstrTipText.resize(n > 0 ? static_cast<size_t>(n) : 0);
    info->lpszText = m_wstrTipText.data();
    return 0;
}

// CBRS_FLYBY: the prompt of the toolbar button under the pointer.
LRESULT CFrameWnd::OnHotItemChange(NMHDR* header)
{
    auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
    CControlBar* bar = GetControlBar(AFX_IDW_TOOLBAR);
    if (bar && (bar->GetBarStyle() & CBRS_FLYBY)) {
        if (hot->dwFlags & HICF_LEAVING)
            SetMessageText(AFX_IDS_IDLEMESSAGE);
        else
            SetMessageText(static_cast<UINT>(hot->idNew));
    }
    return 0;
}

void CFrameWnd::OnBarCheck(UINT id)
{
    if (CControlBar* bar = GetControlBar(id))
        ShowControlBar(bar, !bar->IsBarVisible());
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(bar != nullptr);
    pCmdUI->SetCheck(bar && bar->IsBarVisible() ? 1 : 0);
}
