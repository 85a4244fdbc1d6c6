#pragma once

#include <windows.h>

class CCmdTarget;

// One command-enable request: the update handler calls Enable/SetCheck/SetText, and the
// state goes to the menu item or toolbar button being updated. The state is also kept,
// so a caller can ask whether a command is enabled before running it.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;         // position in the menu or toolbar; a menu handler that inserts
                               // items leaves it on the last item it occupies
    HMENU m_hMenu = nullptr;   // the menu being updated, or none

    bool m_bEnabled = true;
    int m_nCheck = 0;
    bool m_bEnableChanged = false;

    virtual ~CCmdUI() = default;

    virtual void Enable(bool bOn = true);
    virtual void SetCheck(int nCheck = 1);   // 0 clear, 1 checked
    virtual void SetText(const char* text);

    // Routes the request to target. When nobody handles it and bDisableIfNoHandler is set,
    // the item is disabled unless a command handler exists. True when an update handler ran.
    bool DoUpdate(CCmdTarget* target, bool bDisableIfNoHandler);

    // Runs the update handlers of every command item of a popup menu through target; items
    // nobody handles are disabled. The menu bar's popups and the context menus use it.
    static void UpdateMenu(HMENU popup, CCmdTarget* target);
};
