#include "CommandSupport.h"

#include "CChroListCtrl.h"
#include "CCmdUI.h"
#include "CGroupListCtrl.h"
#include "CMenu.h"
#include "MessageBox.h"
#include "resource.h"

void ShowNote(const char* text, const char* caption)
{
    ShowMessageBox(nullptr, text, caption, MB_OK);
}

bool SelectedGroupOrNote(const CGroupListCtrl& groups, DWORD& groupId)
{
    if (groups.GetSelectedItemData(groupId))
        return true;
    ShowNote("Please select a group");
    return false;
}

bool SelectedChroOrNote(const CChroListCtrl& chros, int& row, DWORD& chroId)
{
    if (chros.GetSelectedItem(row) && chros.GetSelectedItemData(chroId))
        return true;
    ShowNote("Please select a chromatogram");
    return false;
}

SListSelection ListSelection(const CGroupListCtrl& groups, const CChroListCtrl& chros)
{
    SListSelection sel;
    groups.GetSelectedItemData(sel.group);
    chros.GetSelectedItem(sel.chroRow);
    return sel;
}

void ShowContextMenu(CWnd& owner, int popupIndex)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENUS))
        return;
    HMENU popup = menu.GetSubMenu(popupIndex);
    CCmdUI::UpdateMenu(popup, &owner);
    POINT cursor{};
    GetCursorPos(&cursor);
    CMenu::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, &owner);
}
