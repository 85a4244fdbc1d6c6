// The workspace's group commands: Add, Edit, Duplicate and Delete Group, the moves, the
// group list's context menu, and the group check sync.
#include "CGroupCommands.h"

#include "CCmdUI.h"
#include "CListDocument.h"
#include "CWinApp.h"
#include "CWorkspaceView.h"
#include "CommandSupport.h"
#include "ListMessages.h"
#include "MessageBox.h"
#include "resource.h"

#include <utility>
#include <vector>

namespace {

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

SListSelection Selection(CWorkspaceView& view)
{
    return ListSelection(view.GroupList(), view.ChroList());
}
}   // namespace

const MessageMap* CGroupCommands::GetThisMessageMap()
{
    using G = CGroupCommands;
    static const MsgEntry entries[] = {
        msg::Command<&G::OnAddGroup>(ID_GROUP_ADD),
        msg::Command<&G::OnEditGroup>(ID_GROUP_EDIT),
        msg::Command<&G::OnDuplicateGroup>(ID_GROUP_DUPLICATE),
        msg::Command<&G::OnDeleteGroup>(ID_GROUP_DELETE),
        msg::Command<&G::OnMoveGroupUp>(ID_GROUP_MOVE_UP),
        msg::Command<&G::OnMoveGroupDown>(ID_GROUP_MOVE_DOWN),
        msg::Update<&G::OnUpdateGroupCommands>(ID_GROUP_DELETE),
        msg::Update<&G::OnUpdateGroupCommands>(ID_GROUP_EDIT),
        msg::Update<&G::OnUpdateGroupCommands>(ID_GROUP_DUPLICATE),
        msg::Update<&G::OnUpdateMoveGroup>(ID_GROUP_MOVE_UP),
        msg::Update<&G::OnUpdateMoveGroup>(ID_GROUP_MOVE_DOWN),
        msg::Registered<&G::OnGroupCheck>(&s_wm_GROUP_CHECK),
        msg::Registered<&G::OnGroupDeleteKey>(&s_wm_GROUP_DELETEKEY),
        msg::Registered<&G::OnGroupContextMenu>(&s_wm_GROUP_LISTCTRL_CONTEXTMENU),
        msg::Registered<&G::OnGroupDragged>(&s_wm_GROUP_DRAGGED),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

CGroupCommands::CGroupCommands(CListDocument& document, CWorkspaceView& view) : m_document(document), m_view(view) {}

void CGroupCommands::ClearDialog()
{
    m_groupDlg.m_strName.clear();
    m_groupDlg.m_strComment.clear();
}

void CGroupCommands::OnAddGroup()
{
    m_groupDlg.SetTitle(LoadResourceString(IDS_ADD_GROUP).c_str());
    m_groupDlg.ResetData();
    if (m_groupDlg.DoModal() != IDOK) {
        m_view.GroupList().SetFocus();
        return;
    }
    CGroupDataHelper record;
    m_groupDlg.GetData(record);
    if (record.m_strName.empty()) {
        ShowNote(IDS_GROUP_NAME_EMPTY);
        m_view.GroupList().SetFocus();
        return;
    }
    // The new group comes unchecked and selected, with its empty chromatogram list.
    record.m_bChecked = false;
    m_document.ApplyEdit(AppendGroupStep(IDS_STEP_ADD_GROUP, m_document.Manager(), record, {}));
}

void CGroupCommands::OnEditGroup()
{
    CGroupListCtrl& groups = m_view.GroupList();
    m_groupDlg.SetTitle(LoadResourceString(IDS_EDIT_GROUP).c_str());
    DWORD groupId = 0;
    groups.GetSelectedItemData(groupId);
    int row = 0;
    groups.GetSelectedItem(row);
    CEditStep::SGroupEdit edit;
    edit.id = groupId;
    // With no group selected there is nothing to edit: nothing happens.
    if (!m_document.Manager().GetGroup(edit.before, groupId))
        return;
    m_groupDlg.ResetData();
    m_groupDlg.SetData(edit.before);
    if (m_groupDlg.DoModal() != IDOK)
        return;
    edit.after = edit.before;
    m_groupDlg.GetData(edit.after);
    CEditStep step(IDS_STEP_EDIT_GROUP);
    step.Add(std::move(edit));
    step.m_after = Selection(m_view);
    if (m_document.ApplyEdit(std::move(step)))
        groups.SelectItem(row);
}

void CGroupCommands::OnDuplicateGroup()
{
    const CListManager& manager = m_document.Manager();
    m_groupDlg.SetTitle(LoadResourceString(IDS_DUPLICATE_GROUP).c_str());
    DWORD groupId = 0;
    m_view.GroupList().GetSelectedItemData(groupId);
    m_groupDlg.ResetData();
    CGroupDataHelper record;
    if (manager.GetGroup(record, groupId)) {
        record.m_strBasedOn = record.m_strName;
        m_groupDlg.SetData(record);
    }
    if (m_groupDlg.DoModal() != IDOK) {
        m_view.GroupList().SetFocus();
        return;
    }
    m_groupDlg.GetData(record);
    if (record.m_strName.empty()) {
        ShowNote(IDS_GROUP_NAME_EMPTY);
        m_view.GroupList().SetFocus();
        return;
    }
    // With no source nothing is added: no row for a group that does not exist.
    std::vector<SChroRecord> chros;
    int count = 0;
    if (!manager.GetNoChros(groupId, count))
        return;
    chros.resize(static_cast<size_t>(count));
    for (int pos = 0; pos < count; ++pos) {
        DWORD chroId = 0;
        manager.GetChroOrder(groupId, pos, chroId);
        manager.GetChromatogram(groupId, chroId, chros[static_cast<size_t>(pos)].rec);
    }
    // The copy takes new ids, and only one group may carry the check: the copy comes unchecked.
    record.m_bChecked = false;
    m_document.ApplyEdit(AppendGroupStep(IDS_STEP_DUPLICATE_GROUP, manager, record, std::move(chros)));
}

void CGroupCommands::OnDeleteGroup()
{
    if (GroupCount(m_document.Manager()) == 0) {
        ShowNote(IDS_NO_GROUPS_TO_REMOVE);
        return;
    }
    DWORD groupId = 0;
    if (!SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    if (ShowMessageBox(nullptr, LoadResourceString(IDS_CONFIRM_DELETE_GROUP).c_str(),
                       LoadResourceString(IDS_CAPTION_DELETION).c_str(), MB_YESNO)
        != IDYES)
        return;
    DeleteGroup(groupId);
}

bool CGroupCommands::DeleteGroup(DWORD groupId)
{
    const CListManager& manager = m_document.Manager();
    CEditStep step(IDS_STEP_DELETE_GROUP);
    if (!step.AddGroupRemoval(manager, groupId))
        return false;
    // The group that takes the deleted one's place is selected, or the new last group.
    int row = 0;
    manager.GetGroupPos(groupId, row);
    DWORD next = 0;
    if (!manager.GetGroupOrder(row + 1, next))
        manager.GetGroupOrder(row - 1, next);
    step.m_after.group = next;
    return m_document.ApplyEdit(std::move(step));
}

// Called when the user has moved the group check mark to another group: the payload names
// the group and its mark. A message posted without one finds the checked group in the list.
LRESULT CGroupCommands::OnGroupCheck(WPARAM, LPARAM lParam)
{
    CGroupListCtrl& groups = m_view.GroupList();
    DWORD groupId = 0;
    bool checked = false;
    if (const SListNotify* what = groups.NotifyOf(lParam)) {
        groupId = what->id;
        checked = what->checked;
    } else {
        const bool found = groups.GetFirstCheckedItemData(groupId);
        checked = found && groups.IsCurrentItemChecked();
    }
    const CListManager& manager = m_document.Manager();
    // The list has cleared every other mark; clear them in the records too, or the group
    // checked before would still count as checked at the next refresh, save or host request.
    CEditStep step(checked ? IDS_STEP_CHECK_GROUP : IDS_STEP_UNCHECK_GROUP);
    CGroupDataHelper record;
    DWORD id = 0;
    for (int position = 0; manager.GetGroupOrder(position, id); ++position) {
        manager.GetGroup(record, id);
        step.Add(CEditStep::SGroupCheck{id, record.m_bChecked, id == groupId && checked});
    }
    step.m_after = Selection(m_view);
    m_document.ApplyEdit(std::move(step));
    return 1;
}

bool CGroupCommands::CanMoveGroup(int delta, int& row) const
{
    const CGroupListCtrl& groups = m_view.GroupList();
    if (!groups.GetSelectedItem(row))
        return false;
    const int target = row + delta;
    return target >= 0 && target < groups.GetItemCount();
}

void CGroupCommands::MoveGroup(int delta)
{
    CGroupListCtrl& groups = m_view.GroupList();
    int row = 0;
    if (!CanMoveGroup(delta, row))
        return;
    const auto groupId = static_cast<DWORD>(groups.GetItemData(row));
    const auto neighbour = static_cast<DWORD>(groups.GetItemData(row + delta));
    CEditStep step(delta < 0 ? IDS_STEP_MOVE_GROUP_UP : IDS_STEP_MOVE_GROUP_DOWN);
    step.Add(CEditStep::SGroupSwap{groupId, neighbour});
    step.m_after = Selection(m_view);
    m_document.ApplyEdit(std::move(step));
}

// Called when a group row was dragged onto another: the group, with its chromatograms, takes
// that row's place and stays selected. Only the list's own drop, of the group it names at
// that row, moves anything.
LRESULT CGroupCommands::OnGroupDragged(WPARAM, LPARAM lParam)
{
    const SListNotify* what = m_view.GroupList().NotifyOf(lParam);
    DWORD at = 0;
    if (!what || !m_document.Manager().GetGroupOrder(what->row, at) || at != what->id)
        return 0;
    CEditStep step(IDS_STEP_DRAG_GROUP);
    step.Add(CEditStep::SGroupMove{what->id, what->row, what->target});
    step.m_after = Selection(m_view);
    if (step.m_after.group != what->id)
        step.m_after = SListSelection{what->id, -1};
    m_document.ApplyEdit(std::move(step));
    return 1;
}

void CGroupCommands::OnUpdateGroupCommands(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_view.GroupList().GetItemCount() > 0);
}

// Move Group Up and Down are enabled where the selected group can move that way.
void CGroupCommands::OnUpdateMoveGroup(CCmdUI* pCmdUI)
{
    int row = 0;
    pCmdUI->Enable(CanMoveGroup(pCmdUI->m_nID == ID_GROUP_MOVE_UP ? -1 : +1, row));
}

LRESULT CGroupCommands::OnGroupDeleteKey(WPARAM, LPARAM)
{
    OnDeleteGroup();
    return 0;
}

LRESULT CGroupCommands::OnGroupContextMenu(WPARAM, LPARAM)
{
    ShowContextMenu(m_view, kGroupContextPopup);
    return 0;
}
