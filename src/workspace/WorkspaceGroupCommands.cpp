// The workspace's group commands: Add, Edit, Duplicate and Delete Group, the group list's
// context menu, and the group check sync.
#include "CWorkspaceView.h"

#include "CCmdUI.h"
#include "CWinApp.h"
#include "MessageBox.h"
#include "resource.h"
#include "CWorkspaceData.h"

#include <utility>
#include <vector>

namespace {
const int kGroupPopup = 0;   // first popup of the context menus

void Message(const char* text)
{
    ShowMessageBox(nullptr, text, nullptr, MB_OK);
}

int GroupCount(const CListManager& list)
{
    int count = 0;
    list.GetNoGroups(count);
    return count;
}

// A step that appends a group with these chromatograms (all under new ids) and selects it.
CEditStep AppendGroupStep(UINT nameId, const CListManager& list, const CGroupDataHelper& record,
                          std::vector<SChroRecord> chros)
{
    CEditStep step(nameId);
    CEditStep::SGroupChange change;
    change.pos = GroupCount(list);
    change.rec = record;
    change.chros = std::move(chros);
    const bool hasChros = !change.chros.empty();
    step.Add(std::move(change));
    step.m_after.chroRow = hasChros ? 0 : -1;
    step.m_bSelectInsertedGroup = true;
    return step;
}
}   // namespace

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
    // The new group comes unchecked and selected, with its empty chromatogram list.
    record.m_bChecked = false;
    ApplyEdit(AppendGroupStep(IDS_STEP_ADD_GROUP, data.m_listManager, record, {}));
}

void CWorkspaceView::OnEditGroup()
{
    CWorkspaceData& data = *m_pData;
    data.m_groupDlg.SetTitle(LoadResourceString(IDS_EDIT_GROUP).c_str());
    DWORD groupId = 0;
    data.m_groupList.GetSelectedItemData(groupId);
    int row = 0;
    data.m_groupList.GetSelectedItem(row);
    CEditStep::SGroupEdit edit;
    edit.id = groupId;
    // With no group selected there is nothing to edit: nothing happens.
    if (!data.m_listManager.GetGroup(edit.before, groupId))
        return;
    data.m_groupDlg.ResetData();
    data.m_groupDlg.SetData(edit.before);
    if (data.m_groupDlg.DoModal() != IDOK)
        return;
    edit.after = edit.before;
    data.m_groupDlg.GetData(edit.after);
    CEditStep step(IDS_STEP_EDIT_GROUP);
    step.Add(std::move(edit));
    step.m_after = CurrentSelection();
    if (ApplyEdit(std::move(step)))
        data.m_groupList.SelectItem(row);
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
    // With no source nothing is added: no row for a group that does not exist.
    std::vector<SChroRecord> chros;
    int count = 0;
    if (!data.m_listManager.GetNoChros(groupId, count))
        return;
    chros.resize(static_cast<size_t>(count));
    for (int pos = 0; pos < count; ++pos) {
        DWORD chroId = 0;
        data.m_listManager.GetChroOrder(groupId, pos, chroId);
        data.m_listManager.GetChromatogram(groupId, chroId, chros[static_cast<size_t>(pos)].rec);
    }
    // The copy takes new ids, and only one group may carry the check: the copy comes unchecked.
    record.m_bChecked = false;
    ApplyEdit(AppendGroupStep(IDS_STEP_DUPLICATE_GROUP, data.m_listManager, record, std::move(chros)));
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
                       "Deletion", MB_YESNO)
        != IDYES)
        return;
    DeleteGroup(groupId);
}

bool CWorkspaceView::DeleteGroup(DWORD groupId)
{
    CWorkspaceData& data = *m_pData;
    CEditStep step(IDS_STEP_DELETE_GROUP);
    if (!step.AddGroupRemoval(data.m_listManager, groupId))
        return false;
    // The group that takes the deleted one's place is selected, or the new last group.
    int row = 0;
    DWORD id = 0;
    while (data.m_listManager.GetGroupOrder(row, id) && id != groupId)
        ++row;
    DWORD next = 0;
    if (!data.m_listManager.GetGroupOrder(row + 1, next))
        data.m_listManager.GetGroupOrder(row - 1, next);
    step.m_after.group = next;
    return ApplyEdit(std::move(step));
}

// Called when the user has moved the group check mark to another group.
LRESULT CWorkspaceView::OnGroupCheck(WPARAM, LPARAM)
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    DWORD groupId = 0;
    const bool found = groups.GetFirstCheckedItemData(groupId);
    const bool checked = found && groups.IsCurrentItemChecked();
    const CListManager& manager = m_pData->m_listManager;
    // The list has cleared every other mark; clear them in the records too, or the group
    // checked before would still count as checked at the next refresh, save or host request.
    CEditStep step(checked ? IDS_STEP_CHECK_GROUP : IDS_STEP_UNCHECK_GROUP);
    CGroupDataHelper record;
    DWORD id = 0;
    for (int position = 0; manager.GetGroupOrder(position, id); ++position) {
        manager.GetGroup(record, id);
        step.Add(CEditStep::SGroupCheck{id, record.m_bChecked, id == groupId && checked});
    }
    step.m_after = CurrentSelection();
    ApplyEdit(std::move(step));
    return 1;
}

bool CWorkspaceView::CanMoveGroup(int delta, int& row) const
{
    const CGroupListCtrl& groups = m_pData->m_groupList;
    if (!groups.GetSelectedItem(row))
        return false;
    const int target = row + delta;
    return target >= 0 && target < groups.GetItemCount();
}

void CWorkspaceView::MoveGroup(int delta)
{
    CWorkspaceData& data = *m_pData;
    int row = 0;
    if (!CanMoveGroup(delta, row))
        return;
    const auto groupId = static_cast<DWORD>(data.m_groupList.GetItemData(row));
    const auto neighbour = static_cast<DWORD>(data.m_groupList.GetItemData(row + delta));
    CEditStep step(delta < 0 ? IDS_STEP_MOVE_GROUP_UP : IDS_STEP_MOVE_GROUP_DOWN);
    step.Add(CEditStep::SGroupSwap{groupId, neighbour});
    step.m_after = CurrentSelection();
    ApplyEdit(std::move(step));
}

void CWorkspaceView::OnMoveGroupUp()
{
    MoveGroup(-1);
}

void CWorkspaceView::OnMoveGroupDown()
{
    MoveGroup(+1);
}

// Move Group Up and Down are enabled where the selected group can move that way.
void CWorkspaceView::OnUpdateMoveGroup(CCmdUI* pCmdUI)
{
    int row = 0;
    pCmdUI->Enable(CanMoveGroup(pCmdUI->m_nID == ID_GROUP_MOVE_UP ? -1 : +1, row));
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
