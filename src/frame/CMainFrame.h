#pragma once

#include "CFrameWnd.h"
#include "CStatusBar.h"
#include "CWorkspaceView.h"

#include <memory>
#include <vector>

class CAppOptions;
class CRecentFileList;
class CToolBarPlus;
class CWindowSettings;

// The tool's one top-level window, owned by the host's chromatogram window: toolbar,
// status bar and the workspace. Normal and Mini view modes, each with its own placement;
// the close box only hides it; the host shows, hides, drives and closes it through the
// registered message "s_wm_VANTRACE_CMD". The application lends it the options, the
// placement store and the recent files for its life; it hands options and recent files on
// to the workspace.
class CMainFrame : public CFrameWnd {
public:
    // The right a user needs to use the tool; asked at start-up and when the host shows it.
    static constexpr DWORD kRightToUseTool = 3218;

    CMainFrame(CAppOptions& options, CWindowSettings& placements, CRecentFileList* recentFiles);
    ~CMainFrame() override;

    bool m_bMini = false;     // Mini mode is on
    bool m_bVisible = true;   // the host asked for the tool to be shown (option Visible)
    UINT_PTR m_nCloseTimer = 0;

    // Switches menu, toolbar, workspace layout and placement to the given mode.
    void SwitchViewMode(bool mini);
    // The real close, run from the close timer.
    void CloseForGood();
    CWorkspaceView& Workspace() { return m_wndWorkspace; }
    CToolBarPlus& ToolBar() { return *m_pToolBar; }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, bool bProbeOnly = false) override;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void PostNcDestroy() override;
    int OnCreate(CREATESTRUCTA* cs);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM wParam, LPARAM);
    LRESULT OnShowWindow(WPARAM shown, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    void OnTimer(UINT_PTR id);
    void OnAbout();
    void OnHelpTopics();
    LRESULT OnHelp(WPARAM, LPARAM);   // F1
    void OnMinimise();
    void OnUpdateMinimise(CCmdUI* pCmdUI);
    LRESULT OnHostCommand(WPARAM command, LPARAM);
    // Called when the window moves to a monitor of another DPI (or its scale changes):
    // takes the suggested rectangle, fonts and images of the new size, and lays out again.
    LRESULT OnDpiChanged(WPARAM dpis, LPARAM suggested);

private:
    const char* ModeName() const;
    // Saves the current placement under the current mode, with another show command if given.
    void SavePlacement(int showCommand);
    void HideToolbarForMini();
    void RestoreToolbarForNormal();
    // Gives every child window its font scaled from one DPI to another.
    void ScaleChildFonts(UINT from, UINT to);
    bool LoadToolBarImages();

    CAppOptions& m_options;
    CWindowSettings& m_placements;
    CRecentFileList* m_pRecentFiles;
    CStatusBar m_wndStatusBar;
    std::unique_ptr<CToolBarPlus> m_pToolBar;
    CWorkspaceView m_wndWorkspace;
    UINT m_nDpi = 96;                   // the DPI the window is laid out for
    std::vector<HFONT> m_scaledFonts;   // the fonts ScaleChildFonts made, in use by children
};

// The host's command message, registered at start-up.
extern const UINT s_wm_VANTRACE_CMD;
