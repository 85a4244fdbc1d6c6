#include "CMainFrame.h"

#include "AppCaption.h"
#include "CCmdUI.h"
#include "CWinApp.h"
#include "resource.h"
#include "CAppOptions.h"
#include "CDisplayAbout.h"
#include "CToolBarPlus.h"
#include "CWindowSettings.h"
#include "DpiScale.h"
#include "HelpFile.h"
#include "SecurityAccess.h"
#include "ViewModes.h"

#include <commctrl.h>

#include <cstdlib>
#include <map>

const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

namespace {
const char kFrameClass[] = "Vantrace";
const UINT_PTR kCloseTimerId = 1;
const UINT kFirstTemporaryId = 100001;   // hidden separators carry these ids in Mini mode
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

const int kKeepShowCommand = -1;
const DWORD kHelpContextMain = 1100;   // the help file's page of the main window

enum HostCommand { kHide = 0, kShow = 1, kNothing = 2, kClose = 3, kLaunch = 4 };
}   // namespace

const MessageMap* CMainFrame::GetThisMessageMap()
{
    using F = CMainFrame;
    static const MsgEntry entries[] = {
        msg::Create<&F::OnCreate>(),
        msg::Message<&F::OnSetFocus>(WM_SETFOCUS),
        msg::Command<&F::OnAbout>(ID_APP_ABOUT),
        msg::Message<&F::OnClose>(WM_CLOSE),
        msg::Command<&F::OnMinimise>(ID_VIEW_MINIMISE),
        msg::Update<&F::OnUpdateMinimise>(ID_VIEW_MINIMISE),
        msg::Timer<&F::OnTimer>(),
        msg::Message<&F::OnActivate>(WM_ACTIVATE),
        msg::Message<&F::OnShowWindow>(WM_SHOWWINDOW),
        msg::Command<&F::OnHelpTopics>(ID_HELP_FINDER),
        msg::Message<&F::OnHelp>(WM_HELP),
        msg::Registered<&F::OnHostCommand>(&s_wm_VANTRACE_CMD),
        msg::Message<&F::OnDpiChanged>(WM_DPICHANGED),
    };
    static const MessageMap map = MakeMessageMap(&CFrameWnd::GetThisMessageMap, entries);
    return &map;
}

CMainFrame::CMainFrame(CAppOptions& options, CWindowSettings& placements, CRecentFileList* recentFiles)
    : m_options(options), m_placements(placements), m_pRecentFiles(recentFiles),
      m_pToolBar(std::make_unique<CToolBarPlus>())
{
}

CMainFrame::~CMainFrame()
{
    for (HFONT font : m_scaledFonts)
        DeleteObject(font);
}

void CMainFrame::PostNcDestroy()
{
    CFrameWnd::PostNcDestroy();
    delete this;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    HICON icon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!RegisterWindowClass(kFrameClass, CS_CLASSDC, nullptr, nullptr, icon))
        return FALSE;
    cs.lpszClass = kFrameClass;
    cs.lpszName = kAppCaption;
    cs.cx = 550;
    cs.cy = 550;
    cs.style &= ~WS_MAXIMIZEBOX;
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return TRUE;
}

// Commands and command-enable requests go to the workspace first.
bool CMainFrame::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, bool bProbeOnly)
{
    if (m_wndWorkspace.m_hWnd && m_wndWorkspace.OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly))
        return true;
    return CFrameWnd::OnCmdMsg(nID, nCode, pCmdUI, bProbeOnly);
}

int CMainFrame::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    m_wndWorkspace.SetStores(&m_options, m_pRecentFiles);
    if (!m_wndWorkspace.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{}, m_hWnd,
                                 AFX_IDW_PANE_FIRST))
        return -1;
    const DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_FLYBY | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS;
    if (!m_pToolBar->CreateEx(this, TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT, barStyle, RECT{},
                              AFX_IDW_TOOLBAR))
        return -1;
    m_nDpi = dpi::ForWindow(m_hWnd);
    if (!m_pToolBar->LoadToolBar(AfxGetResourceHandle(), IDR_TOOLBAR, dpi::ArtBitmapId(IDB_TOOLBAR_NORMAL, m_nDpi),
                                 dpi::ArtBitmapId(IDB_TOOLBAR_HOT, m_nDpi),
                                 dpi::ArtBitmapId(IDB_TOOLBAR_DISABLED, m_nDpi)))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    // The controls take their fonts at the system's DPI; a window on a monitor of another
    // DPI needs them at its own.
    if (m_nDpi != dpi::ForSystem())
        ScaleChildFonts(dpi::ForSystem(), m_nDpi);
    m_wndStatusBar.SetIndicators(kIndicators, 3);
    return 0;
}

bool CMainFrame::LoadToolBarImages()
{
    return m_pToolBar->LoadImages(AfxGetResourceHandle(), dpi::ArtBitmapId(IDB_TOOLBAR_NORMAL, m_nDpi),
                                  dpi::ArtBitmapId(IDB_TOOLBAR_HOT, m_nDpi),
                                  dpi::ArtBitmapId(IDB_TOOLBAR_DISABLED, m_nDpi));
}

LRESULT CMainFrame::OnDpiChanged(WPARAM dpis, LPARAM suggested)
{
    const UINT newDpi = LOWORD(dpis);
    if (newDpi == 0)
        return 0;
    if (newDpi != m_nDpi) {
        ScaleChildFonts(m_nDpi, newDpi);
        m_nDpi = newDpi;
        LoadToolBarImages();
        m_wndStatusBar.SendMessage(WM_SIZE);   // its height follows its font
        m_wndStatusBar.SetIndicators(kIndicators, 3);
        m_wndWorkspace.SetDpi(newDpi);
    }
    if (const auto* rect = reinterpret_cast<const RECT*>(suggested)) {
        ::SetWindowPos(m_hWnd, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RecalcLayout();
    return 0;
}

// A child whose font another child already shares (a list view hands its font to its
// header) keeps the scaled one it got; fonts are made once per font scaled.
void CMainFrame::ScaleChildFonts(UINT from, UINT to)
{
    struct Pass {
        UINT from, to;
        std::map<HFONT, HFONT> made;   // font in use before -> its scaled copy
    } pass{from, to, {}};
    EnumChildWindows(
        m_hWnd,
        [](HWND child, LPARAM data) -> BOOL {
            auto& p = *reinterpret_cast<Pass*>(data);
            auto font = reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0));
            if (!font)
                font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
            for (const auto& entry : p.made)
                if (entry.second == font)
                    return TRUE;
            auto found = p.made.find(font);
            if (found == p.made.end()) {
                LOGFONTA face{};
                if (!GetObjectA(font, sizeof face, &face))
                    return TRUE;
                face.lfHeight = MulDiv(face.lfHeight, static_cast<int>(p.to), static_cast<int>(p.from));
                face.lfWidth = MulDiv(face.lfWidth, static_cast<int>(p.to), static_cast<int>(p.from));
                HFONT scaled = CreateFontIndirectA(&face);
                if (!scaled)
                    return TRUE;
                found = p.made.emplace(font, scaled).first;
            }
            ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(found->second), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&pass));
    // The fonts of the last pass that this one replaced are no longer in use.
    std::vector<HFONT> kept;
    for (HFONT font : m_scaledFonts) {
        if (pass.made.count(font))
            DeleteObject(font);
        else
            kept.push_back(font);
    }
    for (const auto& entry : pass.made)
        kept.push_back(entry.second);
    m_scaledFonts = kept;
}

LRESULT CMainFrame::OnSetFocus(WPARAM, LPARAM)
{
    if (m_wndWorkspace.m_hWnd)
        m_wndWorkspace.SetFocus();
    return 0;
}

LRESULT CMainFrame::OnActivate(WPARAM wParam, LPARAM)
{
    const LRESULT result = Default();
    m_wndWorkspace.FocusChromatogramList();
    if (LOWORD(wParam) != WA_INACTIVE)
        m_wndWorkspace.FrameActivated();
    return result;
}

// Called before the frame is shown or hidden.
LRESULT CMainFrame::OnShowWindow(WPARAM shown, LPARAM)
{
    const LRESULT result = Default();
    if (shown && m_wndWorkspace.m_hWnd)
        m_wndWorkspace.FrameShown();
    return result;
}

const char* CMainFrame::ModeName() const
{
    return m_bMini ? kViewModeMini : kViewModeNormal;
}

void CMainFrame::SavePlacement(int showCommand)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(m_hWnd, &placement);
    if (showCommand >= 0)
        placement.showCmd = static_cast<UINT>(showCommand);
    m_placements.SavePlacement(placement, ModeName(), m_nDpi);
}

// Mini mode: only Minimise stays; separators become hidden buttons with temporary ids.
void CMainFrame::HideToolbarForMini()
{
    CToolBarPlus& bar = *m_pToolBar;
    const int count = static_cast<int>(bar.SendMessage(TB_BUTTONCOUNT));
    UINT temporaryId = kFirstTemporaryId;
    for (int i = 0; i < count; ++i) {
        if (bar.GetButtonStyle(i) & BTNS_SEP) {
            bar.SetButtonInfo(i, temporaryId, BTNS_BUTTON, 0);
            bar.SendMessage(TB_HIDEBUTTON, temporaryId, MAKELPARAM(TRUE, 0));
            ++temporaryId;
        } else {
            const UINT id = bar.GetItemID(i);
            bar.SendMessage(TB_HIDEBUTTON, id, MAKELPARAM(id != ID_VIEW_MINIMISE, 0));
        }
    }
}

void CMainFrame::RestoreToolbarForNormal()
{
    CToolBarPlus& bar = *m_pToolBar;
    const int count = static_cast<int>(bar.SendMessage(TB_BUTTONCOUNT));
    UINT temporaryId = kFirstTemporaryId;
    for (int i = 0; i < count; ++i) {
        const UINT id = bar.GetItemID(i);
        bar.SendMessage(TB_HIDEBUTTON, id, MAKELPARAM(FALSE, 0));
        if (id == temporaryId) {
            bar.SetButtonInfo(i, ID_SEPARATOR, BTNS_SEP, 0);
            ++temporaryId;
        }
    }
}

void CMainFrame::SwitchViewMode(bool mini)
{
    WINDOWPLACEMENT placement{};
    m_placements.LoadPlacement(placement, mini ? kViewModeMini : kViewModeNormal, m_nDpi);
    if (mini) {
        HideToolbarForMini();
        if (HMENU old = GetMenu(m_hWnd)) {
            SetMenu(m_hWnd, nullptr);
            DestroyMenu(old);
        }
        m_wndWorkspace.ApplyViewMode(true);
    } else {
        RestoreToolbarForNormal();
        HMENU menu = LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
        HMENU old = GetMenu(m_hWnd);
        SetMenu(m_hWnd, menu);
        if (old && old != menu)
            DestroyMenu(old);
        m_wndWorkspace.ApplyViewMode(false);
    }
    m_pToolBar->TidySeparators();
    RecalcLayout();
    SetWindowPlacement(m_hWnd, &placement);
}

void CMainFrame::OnMinimise()
{
    SavePlacement(kKeepShowCommand);
    SwitchViewMode(!m_bMini);
    m_bMini = !m_bMini;
    m_options.SetMini(m_bMini);
}

void CMainFrame::OnUpdateMinimise(CCmdUI* pCmdUI)
{
    bool mini = false;
    m_options.GetMini(&mini);
    pCmdUI->SetCheck(mini ? 1 : 0);
}

// The close box hides the tool and hands the foreground back to the host.
LRESULT CMainFrame::OnClose(WPARAM, LPARAM)
{
    bool modified = false;
    m_wndWorkspace.IsModified(modified);
    if (modified && !m_wndWorkspace.PromptSaveChanges(false))
        return 0;
    SavePlacement(SW_HIDE);
    m_bVisible = false;
    m_options.SetVisible(false);
    if (HWND host = FindWindowA("ChroWClass", nullptr))
        SetForegroundWindow(host);
    ShowWindow(SW_HIDE);
    return 0;
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    if (id != m_nCloseTimer || m_nCloseTimer == 0) {
        Default();
        return;
    }
    if (!IsWindowEnabled())   // a modal dialog of the tool is open: wait another second
        return;
    KillTimer(m_nCloseTimer);
    m_nCloseTimer = 0;
    CloseForGood();
}

void CMainFrame::CloseForGood()
{
    bool modified = false;
    m_wndWorkspace.IsModified(modified);
    const bool visible = IsWindowVisible() != FALSE;
    if (visible)
        SavePlacement(SW_SHOW);
    m_options.SetVisible(visible);
    // When the save chosen there fails, the edits may still go under another name: Save As
    // until one is written or the user cancels it.
    if (modified && !m_wndWorkspace.PromptSaveChanges(true)) {
        while (!m_wndWorkspace.Document().SaveWasCancelled() && !m_wndWorkspace.Files().SaveListAs()) {
        }
    }
    DestroyWindow();
}

LRESULT CMainFrame::OnHostCommand(WPARAM command, LPARAM)
{
    switch (command) {
    case kHide:
        ShowWindow(SW_HIDE);
        m_bVisible = false;
        break;
    case kShow:
        if (!SecurityEnquire(0, kRightToUseTool, 0))
            return 0;   // refused: not even the Visible write below
        ShowWindow(SW_SHOW);
        m_bVisible = true;
        break;
    case kClose:
        m_nCloseTimer = SetTimer(kCloseTimerId, 1000);
        break;
    case kLaunch:
        m_wndWorkspace.LaunchForHost();
        break;
    case kNothing:
    default:
        break;
    }
    m_options.SetVisible(m_bVisible);
    return 0;
}

void CMainFrame::OnAbout()
{
    std::string title = LoadResourceString(AFX_IDS_APP_TITLE);
    CDisplayAbout about(m_hWnd, title.data(), nullptr, 0, AfxGetResourceHandle());
    about.Show();
}

// Help Topics and F1 in the main window open the help file at the tool's page.
void CMainFrame::OnHelpTopics()
{
    help::Open(m_hWnd, kHelpContextMain);
}

LRESULT CMainFrame::OnHelp(WPARAM, LPARAM)
{
    OnHelpTopics();
    return TRUE;
}
