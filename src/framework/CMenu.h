#pragma once

#include <windows.h>

#include <string>

class CWnd;

// A menu handle, owned (destroyed with the object) unless detached.
class CMenu {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() { DestroyMenu(); }

    operator HMENU() const { return m_hMenu; }

    BOOL LoadMenu(UINT resourceId);
    BOOL DestroyMenu();
    HMENU Detach();
    // The popup at position; it stays owned by this menu.
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }

    // Helpers for a popup handle taken from GetSubMenu.
    static UINT EnableMenuItem(HMENU menu, UINT id, UINT flags) { return ::EnableMenuItem(menu, id, flags); }
    static std::string GetMenuString(HMENU menu, UINT item, UINT flags);
    // Shows the popup and returns when it closes; the chosen command goes to owner.
    static BOOL TrackPopupMenu(HMENU popup, UINT flags, int x, int y, CWnd* owner);
};
