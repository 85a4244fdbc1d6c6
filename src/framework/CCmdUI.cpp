#include "CCmdUI.h"

#include "CCmdTarget.h"

void CCmdUI::Enable(bool bOn)
{
    m_bEnabled = bOn;
    m_bEnableChanged = true;
    if (m_hMenu)
        EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
}

void CCmdUI::SetCheck(int nCheck)
{
    m_nCheck = nCheck;
    if (m_hMenu)
        CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetText(const char* text)
{
    if (!m_hMenu)
        return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &info);
}

void CCmdUI::UpdateMenu(HMENU popup, CCmdTarget* target)
{
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1))   // separator or submenu
            continue;
        CCmdUI state;
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_hMenu = popup;
        state.DoUpdate(target, true);
        i = static_cast<int>(state.m_nIndex);   // past items the handler inserted (recent files)
    }
}

bool CCmdUI::DoUpdate(CCmdTarget* target, bool bDisableIfNoHandler)
{
    m_bEnableChanged = false;
    const bool handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
    if (!handled && bDisableIfNoHandler && !m_bEnableChanged)
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, nullptr, true));
    return handled;
}
