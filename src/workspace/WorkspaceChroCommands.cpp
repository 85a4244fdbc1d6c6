// The workspace's chromatogram commands: Add, Duplicate, Edit, Delete, Move Up and Move
// Down, the chromatogram list's context menu, and the selection and check sync.
#include "CWorkspaceView.h"

#include "CWinApp.h"
#include "MessageBox.h"
#include "resource.h"
#include "CWorkspaceData.h"

namespace {
const int kChroPopup = 1;   // second popup of the context menus

void Message(const char* text)
{
    ShowMessageBox(nullptr, text, nullptr, MB_OK);
}

}  // namespace

void CWorkspaceView::OnAddChromatogram()
{
    CWorkspaceData& data = *m_pData;
    data.m_chroDlg.SetTitle(LoadResourceString(IDS_ADD_CHROMATOGRAM).c_str());
    int groups = 0;
    data.m_listManager.GetNoGroups(groups);
    if (groups == 0) {
        Message("Please add a group before adding a chromatogram");
        return;
    }
    DWORD groupId = 0;
    if (!data.m_groupList.GetSelectedItemData(groupId)) {
        Message("Please select a group");
        return;
    }
    data.m_chroDlg.ResetData();
    if (data.m_chroDlg.DoModal() != IDOK)
        return;
    CChromatogramData record;
    data.m_chroDlg.GetData(record);
    if (record.m_strName.empty()) {
        Message("Chromatogram name is empty");
        data.m_chroList.SetFocus();
        return;
    }
    const int count = data.m_chroList.GetItemCount();
    DWORD chroId = 0;
    data.m_listManager.AddChro(record, chroId, groupId);
    data.m_chroList.AddItem(count, record.m_strName.c_str(), record.m_strDescription.c_str(), chroId,
                            record.m_bChecked);
    UpdateTitle(true);
}

void CWorkspaceView::OnDuplicateChromatogram()
{
    CWorkspaceData& data = *m_pData;
    data.m_chroDlg.SetTitle(LoadResourceString(IDS_DUPLICATE_CHROMATOGRAM).c_str());
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    DWORD chroId = 0;
    data.m_chroList.GetSelectedItemData(chroId);
    CChromatogramData record;
    if (!data.m_listManager.GetChromatogram(groupId, chroId, record)) {
        Message("Unable to duplicate chromatogram");
        return;
    }
    record.m_strBasedOn = record.m_strName;
    data.m_chroDlg.SetData(record);
    if (data.m_chroDlg.DoModal() != IDOK)
        return;
    data.m_chroDlg.GetData(record);
    const int count = data.m_chroList.GetItemCount();
    DWORD newId = 0;
    data.m_listManager.AddChro(record, newId, groupId);
    data.m_chroList.AddItem(count, record.m_strName.c_str(), record.m_strDescription.c_str(), newId,
                            record.m_bChecked);
    UpdateTitle(true);
}

void CWorkspaceView::OnEditChromatogram()
{
    CWorkspaceData& data = *m_pData;
    data.m_chroDlg.SetTitle(LoadResourceString(IDS_EDIT_CHROMATOGRAM).c_str());
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    int row = 0;
    DWORD chroId = 0;
    if (!data.m_chroList.GetSelectedItem(row) || !data.m_chroList.GetSelectedItemData(chroId))
        return;
    CChromatogramData record;
    data.m_listManager.GetChromatogram(groupId, chroId, record);
    data.m_chroDlg.SetData(record);
    if (data.m_chroDlg.DoModal() != IDOK)
        return;
    data.m_chroDlg.GetData(record);
    data.m_listManager.EditChromatogram(groupId, chroId, record);
    RefreshChromatogramList();
    data.m_chroList.SelectItem(row);
    UpdateTitle(true);
}

void CWorkspaceView::OnDeleteChromatogram()
{
    CWorkspaceData& data = *m_pData;
    int groups = 0;
    data.m_listManager.GetNoGroups(groups);
    if (groups == 0) {
        Message("No chromatograms to remove");
        return;
    }
    DWORD groupId = 0;
    if (!data.m_groupList.GetSelectedItemData(groupId)) {
        Message("Please select a group");
        return;
    }
    int chros = 0;
    data.m_listManager.GetNoChros(groupId, chros);
    if (chros == 0) {
        Message("No chromatograms to delete");
        return;
    }
    int row = 0;
    DWORD chroId = 0;
    if (!data.m_chroList.GetSelectedItem(row) || !data.m_chroList.GetSelectedItemData(chroId)) {
        Message("Please select a chromatogram");
        return;
    }
    if (ShowMessageBox(nullptr, "Are you sure you want to delete the chromatogram?", "Deletion", MB_YESNO) != IDYES) {
        data.m_chroList.SetFocus();
        return;
    }
    data.m_listManager.RemoveChro(groupId, chroId);
    data.m_chroList.DeleteItem(row);
    UpdateTitle(true);
    int left = 0;
    data.m_listManager.GetNoChros(groupId, left);
    if (left <= -1) {
        data.m_groupList.SetFocus();
        return;
    }
    int rows = 0;
    data.m_chroList.CountItems(rows);
    data.m_chroList.SelectAfterDelete(rows, row);
}

void CWorkspaceView::OnMoveUp()
{
    CWorkspaceData& data = *m_pData;
    int row = 0;
    data.m_chroList.GetSelectedItem(row);
    if (row - 1 < 0)
        return;
    const auto aboveId = static_cast<DWORD>(data.m_chroList.GetItemData(row - 1));
    DWORD chroId = 0;
    data.m_chroList.GetSelectedItemData(chroId);
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    data.m_listManager.Move(chroId, aboveId, groupId);
    RefreshChromatogramList();
    data.m_chroList.SelectItem(row - 1);
    UpdateTitle(true);
}

void CWorkspaceView::OnMoveDown()
{
    CWorkspaceData& data = *m_pData;
    int row = 0;
    if (!data.m_chroList.GetSelectedItem(row))
        return;
    if (row + 1 == data.m_chroList.GetItemCount())
        return;
    DWORD chroId = 0;
    data.m_chroList.GetSelectedItemData(chroId);
    const auto belowId = static_cast<DWORD>(data.m_chroList.GetItemData(row + 1));
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    data.m_listManager.Move(chroId, belowId, groupId);
    RefreshChromatogramList();
    data.m_chroList.SelectItem(row + 1);
    UpdateTitle(true);
}

// Called when the user may have picked another chromatogram row (click, Up, Down).
LRESULT CWorkspaceView::OnChroUpdate(WPARAM, LPARAM)
{
    SyncChromatogramSelection();
    return 1;
}

// Called when a chromatogram's check box was toggled by mouse or space bar.
LRESULT CWorkspaceView::OnChroCheck(WPARAM, LPARAM)
{
    CWorkspaceData& data = *m_pData;
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    DWORD chroId = 0;
    data.m_chroList.GetCurrentItemData(chroId);
    const bool checked = data.m_chroList.IsCurrentItemChecked();
    data.m_listManager.SetChromatogramState(groupId, chroId, checked);
    SyncChromatogramSelection();
    UpdateTitle(true);
    return 1;
}

LRESULT CWorkspaceView::OnChroDeleteKey(WPARAM, LPARAM)
{
    OnDeleteChromatogram();
    return 0;
}

LRESULT CWorkspaceView::OnChroContextMenu(WPARAM, LPARAM)
{
    ShowContextMenu(kChroPopup);
    return 0;
}

// Shift+Up and Shift+Down in the chromatogram list move the selected chromatogram, as the
// menu's key labels promise. The keys are taken here, so the list does not also move its
// selection.
BOOL CWorkspaceView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->hwnd != m_pData->m_chroList.m_hWnd)
        return FALSE;
    if (pMsg->wParam != VK_UP && pMsg->wParam != VK_DOWN)
        return FALSE;
    if ((GetKeyState(VK_SHIFT) & 0x8000) == 0 || (GetKeyState(VK_CONTROL) & 0x8000) != 0)
        return FALSE;
    if (pMsg->wParam == VK_UP)
        OnMoveUp();
    else
        OnMoveDown();
    return TRUE;
}
