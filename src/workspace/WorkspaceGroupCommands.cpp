// The workspace's group commands: Add, Edit, Duplicate and Delete Group, the group list's
// context menu, and the group check sync.
#include "CWorkspaceView.h"

#include "CWinApp.h"
#include "MessageBox.h"
#include "resource.h"
#include "CWorkspaceData.h"

namespace {
const int kGroupPopup = 0;   // first popup of the context menus

void Message(const char* text)
{
    ShowMessageBox(nullptr, text, nullptr, MB_OK);
}
}  // namespace

void CWorkspaceView::OnAddGroup()
{
    CWorkspaceData& data = *m_pData;
    data.m_groupDlg.SetTitle(LoadResourceString(IDS_ADD_GROUP).c_str());
    data.m_groupDlg.ResetData();
    if (data.m_groupDlg.DoModal() != IDOK) {
        data.m_groupList.SetFocus();
        return;
    }
    CGroupDataHelper record;
    data.m_groupDlg.GetData(record);
    if (record.m_strName.empty()) {
        Message("Group name is empty");
        data.m_groupList.SetFocus();
        return;
    }
    const int count = data.m_groupList.GetItemCount();
    data.m_chroList.DeleteAllItems();
    DWORD groupId = 0;
    data.m_listManager.AddGroup(record, groupId);
    // The new row becomes the selected one, matching the empty chromatogram list.
    data.m_groupList.AddItem(count, groupId, record.m_strName.c_str(), record.m_strComment.c_str(), false);
    UpdateTitle(true);
}

void CWorkspaceView::OnEditGroup()
{
    CWorkspaceData& data = *m_pData;
    data.m_groupDlg.SetTitle(LoadResourceString(IDS_EDIT_GROUP).c_str());
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    int row = 0;
    data.m_groupList.GetSelectedItem(row);
    CGroupDataHelper record;
    data.m_listManager.GetGroup(record, groupId);
    data.m_groupDlg.ResetData();
    data.m_groupDlg.SetData(record);
    if (data.m_groupDlg.DoModal() != IDOK)
        return;
    data.m_groupDlg.GetData(record);
    data.m_listManager.EditGroup(record, groupId);
    RefreshGroupList();
    data.m_groupList.SelectItem(row);
    UpdateTitle(true);
}

void CWorkspaceView::OnDuplicateGroup()
{
    CWorkspaceData& data = *m_pData;
    data.m_groupDlg.SetTitle(LoadResourceString(IDS_DUPLICATE_GROUP).c_str());
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    data.m_groupDlg.ResetData();
    CGroupDataHelper record;
    if (data.m_listManager.GetGroup(record, groupId)) {
        record.m_strBasedOn = record.m_strName;
        data.m_groupDlg.SetData(record);
    }
    if (data.m_groupDlg.DoModal() != IDOK) {
        data.m_groupList.SetFocus();
        return;
    }
    data.m_groupDlg.GetData(record);
    if (record.m_strName.empty()) {
        Message("Group name is empty");
        data.m_groupList.SetFocus();
        return;
    }
    const int count = data.m_groupList.GetItemCount();
    data.m_chroList.DeleteAllItems();
    // groupId names the source going in and the new group coming out.
    if (!data.m_listManager.DuplicateGroup(record, groupId)) {
        // Nothing was added (no source group): show no row for a group that does not exist.
        RefreshChromatogramList();
        return;
    }
    data.m_groupList.AddItem(count, groupId, record.m_strName.c_str(), record.m_strComment.c_str(),
                             record.m_bChecked);
    RefreshChromatogramList();
    UpdateTitle(true);
}

void CWorkspaceView::OnDeleteGroup()
{
    CWorkspaceData& data = *m_pData;
    int groups = 0;
    data.m_listManager.GetNoGroups(groups);
    if (groups == 0) {
        Message("No groups in list to remove");
        return;
    }
    DWORD groupId = 0;
    if (!data.m_groupList.GetSelectedItemData(groupId)) {
        Message("Please select a group");
        return;
    }
    if (ShowMessageBox(nullptr, "Are you sure you want to delete the selected group and the chromatograms it contains?",
                       "Deletion", MB_YESNO) != IDYES)
        return;
    data.m_chroList.DeleteAllItems();
    data.m_listManager.RemoveGroup(groupId);
    int row = 0;
    data.m_groupList.GetSelectedItem(row);
    data.m_groupList.DeleteItem(row);
    UpdateTitle(true);
    data.m_groupList.SelectAfterDelete(data.m_groupList.GetItemCount(), row);
    RefreshChromatogramList();
}

// Called when the user has moved the group check mark to another group.
LRESULT CWorkspaceView::OnGroupCheck(WPARAM, LPARAM)
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    DWORD groupId = 0;
    const bool found = groups.GetFirstCheckedItemData(groupId);
    CListManager& manager = m_pData->m_listManager;
    // The list has cleared every other mark; clear them in the records too, or the group
    // checked before would still count as checked at the next refresh, save or host request.
    DWORD otherId = 0;
    for (int position = 0; manager.GetGroupOrder(position, otherId); ++position) {
        if (otherId != groupId)
            manager.SetGroupState(otherId, false);
    }
    manager.SetGroupState(groupId, found && groups.IsCurrentItemChecked());
    UpdateTitle(true);
    return 1;
}

LRESULT CWorkspaceView::OnGroupDeleteKey(WPARAM, LPARAM)
{
    OnDeleteGroup();
    return 0;
}

LRESULT CWorkspaceView::OnGroupContextMenu(WPARAM, LPARAM)
{
    ShowContextMenu(kGroupPopup);
    return 0;
}
