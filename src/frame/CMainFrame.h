#pragma once

#include "../framework/CFrameWnd.h"
#include "../framework/CStatusBar.h"
#include "../framework/CToolBar.h"

// The tool's one top-level window: toolbar, status bar and the client pane.
class CMainFrame : public CFrameWnd {
public:
    CMainFrame() = default;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    int OnCreate(CREATESTRUCTA* cs);

private:
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    CWnd m_wndPane;
};
