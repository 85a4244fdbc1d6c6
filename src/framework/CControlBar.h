#pragma once

#include "CWnd.h"

class CFrameWnd;

// Common part of the frame's bars: the MFC bar style bits (kept apart from the window
// style, where their values would mean control styles) and the idle update of the bar's
// items from the frame's command routing.
class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    // The bar's own visibility, whether or not the frame is shown.
    bool IsBarVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }
    // Places the visible bar at its edge of the frame's client area and takes its room
    // from remaining.
    virtual void LayoutInFrame(RECT& remaining) = 0;
    // Updates the bar's items through the frame's command routing.
    virtual void OnUpdateCmdUI(CFrameWnd* target, bool bDisableIfNoHandler) = 0;

protected:
    DWORD m_dwStyle = 0;
};
