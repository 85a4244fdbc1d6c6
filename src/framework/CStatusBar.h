#pragma once

#include "CControlBar.h"

#include <vector>

// A status bar (msctls_statusbar32) with indicator panes: pane 0 is the message pane and
// takes the spare width; each further pane shows its indicator's text from the string
// table while the matching key state is on (CAP, NUM).
class CStatusBar : public CControlBar {
public:
    // style: window style plus CBRS_* bits.
    BOOL Create(CWnd* parent, DWORD style, UINT id);
    BOOL SetIndicators(const UINT* ids, int count);
    void SetPaneText(int index, const char* text);
    std::string GetPaneText(int index) const;
    // Recomputes the pane edges for the current width.
    void LayoutPanes();

    void LayoutInFrame(RECT& remaining) override;
    void OnUpdateCmdUI(CFrameWnd* target, bool bDisableIfNoHandler) override;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    std::vector<UINT> m_indicators;
    std::vector<int> m_widths;   // pixel widths of the indicator panes (pane 0 unused)
};
