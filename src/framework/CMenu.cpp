#include "CMenu.h"

#include "CWinApp.h"
#include "CWnd.h"

BOOL CMenu::LoadMenu(UINT resourceId)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    const BOOL destroyed = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return destroyed;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

std::string CMenu::GetMenuString(HMENU menu, UINT item, UINT flags)
{
    char text[256] = {};
    ::GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

BOOL CMenu::TrackPopupMenu(HMENU popup, UINT flags, int x, int y, CWnd* owner)
{
    return ::TrackPopupMenu(popup, flags, x, y, 0, owner->m_hWnd, nullptr);
}
