#include "CMainFrame.h"

#include "../framework/CWinApp.h"
#include "../resources/resource.h"

#include <commctrl.h>

namespace {
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
}

const MessageMap* CMainFrame::GetThisMessageMap()
{
    static const MsgEntry entries[] = {
        msg::Create<&CMainFrame::OnCreate>(),
    };
    static const MessageMap map = MakeMessageMap(&CFrameWnd::GetThisMessageMap, entries);
    return &map;
}

int CMainFrame::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    const RECT empty{};
    if (!m_wndPane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, empty, m_hWnd,
                            AFX_IDW_PANE_FIRST))
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_FLYBY | CBRS_TOOLTIPS, RECT{},
                               AFX_IDW_TOOLBAR))
        return -1;
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    m_wndToolBar.SendMessage(TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    if (!m_wndToolBar.LoadToolBar(AfxGetResourceHandle(), IDR_TOOLBAR))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    m_wndStatusBar.SetIndicators(kIndicators, 3);
    return 0;
}
