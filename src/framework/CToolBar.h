#pragma once

#include "CControlBar.h"

#include <vector>

// A toolbar control (ToolbarWindow32) whose buttons come from a toolbar resource:
// command ids in order, 0 for a separator. Buttons are enabled and checked on idle
// through the frame's command routing.
class CToolBar : public CControlBar {
public:
    // ctrlStyle: TBSTYLE_* bits; style: window style plus CBRS_* bits.
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, RECT borders, UINT id);
    // Reads the button ids of a toolbar resource (RT_TOOLBAR) and adds the buttons, image i
    // for the i-th non-separator button. Images are the caller's (TB_SETIMAGELIST).
    BOOL LoadToolBar(HINSTANCE instance, UINT resourceId);
    // The button ids of a toolbar resource, and the declared button size.
    static bool ReadToolBarResource(HINSTANCE instance, UINT resourceId, std::vector<UINT>& ids, SIZE* buttonSize);
    BOOL SetButtons(const UINT* ids, int count);

    int GetCount() const;
    UINT GetItemID(int index) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonInfo(int index, UINT id, UINT style, int image);
    void GetItemRect(int index, RECT* rc) const;

    void LayoutInFrame(RECT& remaining) override;
    void OnUpdateCmdUI(CFrameWnd* target, bool bDisableIfNoHandler) override;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
};
