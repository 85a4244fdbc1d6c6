#pragma once

#include "CWnd.h"

#include <string>

class CControlBar;

// A top-level frame: menu, accelerators, icon and title from one resource id; a toolbar
// (AFX_IDW_TOOLBAR) at the top, a status bar (AFX_IDW_STATUS_BAR) at the bottom and the
// pane AFX_IDW_PANE_FIRST over the rest. Commands and command-enable requests go to the
// frame's tables, then to the application. Shows command prompts in the status bar and
// tooltips on toolbar buttons, both from the string table ("prompt\ntooltip").
class CFrameWnd : public CWnd {
public:
    HACCEL m_hAccelTable = nullptr;

    // False when the window could not be made; PostNcDestroy has then run (see CreateFromStruct).
    BOOL LoadFrame(UINT resourceId, DWORD style, HWND parent);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, bool bProbeOnly = false) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    virtual void RecalcLayout();
    // Updates the toolbar buttons and status indicators; the message loop calls it when idle.
    void OnIdleUpdateCmdUI();
    // Text of the status bar's message pane.
    void SetMessageText(const char* text);
    void SetMessageText(UINT stringId);
    CControlBar* GetControlBar(UINT id) const;
    void ShowControlBar(CControlBar* bar, bool show);

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void PostNcDestroy() override;
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnInitMenuPopup(WPARAM, LPARAM);   // runs the update handlers of the popup's items
    LRESULT OnMenuSelect(WPARAM, LPARAM);      // the prompt of the item under the pointer
    LRESULT OnExitMenuLoop(WPARAM, LPARAM);
    LRESULT OnToolTipText(NMHDR* header);
    LRESULT OnToolTipTextW(NMHDR* header);
    LRESULT OnHotItemChange(NMHDR* header);
    void OnBarCheck(UINT id);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

private:
    // The tooltip part (after the line break) of a command's prompt string.
    std::string TipText(UINT id) const;

    std::string m_strTipText;
    std::wstring m_wstrTipText;
};
