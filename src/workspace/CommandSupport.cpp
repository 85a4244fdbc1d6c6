#include "CommandSupport.h"

#include "CChroListCtrl.h"
#include "CCmdUI.h"
#include "CGroupListCtrl.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "MessageBox.h"
#include "resource.h"

#include <cstdio>

void ShowNote(UINT textId, UINT captionId)
{
    ShowNote(LoadResourceString(textId), captionId);
}

void ShowNote(const std::string& text, UINT captionId)
{
    const std::string caption = captionId ? LoadResourceString(captionId) : std::string();
    ShowMessageBox(nullptr, text.c_str(), captionId ? caption.c_str() : nullptr, MB_OK);
}

std::string TextWith(UINT id, const std::string& value)
{
    const std::string format = LoadResourceString(id);
    const int length = std::snprintf(nullptr, 0, format.c_str(), value.c_str());
    if (length < 0)
        return format;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), value.c_str());
    text.resize(static_cast<size_t>(length));
    return text;
}

bool SelectedGroupOrNote(const CGroupListCtrl& groups, DWORD& groupId)
{
    if (groups.GetSelectedItemData(groupId))
        return true;
    ShowNote(IDS_SELECT_GROUP);
    return false;
}

bool SelectedChroOrNote(const CChroListCtrl& chros, int& row, DWORD& chroId)
{
    if (chros.GetSelectedItem(row) && chros.GetSelectedItemData(chroId))
        return true;
    ShowNote(IDS_SELECT_CHROMATOGRAM);
    return false;
}

SListSelection ListSelection(const CGroupListCtrl& groups, const CChroListCtrl& chros)
{
    SListSelection sel;
    groups.GetSelectedItemData(sel.group);
    chros.GetSelectedItem(sel.chroRow);
    return sel;
}

void ShowContextMenu(CWnd& owner, int popupIndex, const POINT* at)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENUS))
        return;
    HMENU popup = menu.GetSubMenu(popupIndex);
    CCmdUI::UpdateMenu(popup, &owner);
    POINT cursor{};
    if (at)
        cursor = *at;
    else
        GetCursorPos(&cursor);
    CMenu::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, &owner);
}
