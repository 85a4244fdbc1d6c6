// The workspace's chromatogram commands: Add, Duplicate, Edit, Delete, Move Up and Move
// Down, the chromatogram list's context menu, and the check sync.
#include "CChroCommands.h"

#include "CCmdUI.h"
#include "CListDocument.h"
#include "CWinApp.h"
#include "CWorkspaceView.h"
#include "CommandSupport.h"
#include "ListMessages.h"
#include "MessageBox.h"
#include "resource.h"

#include <algorithm>
#include <utility>

namespace {

// A step that appends one chromatogram (under a new id) to a group of count chromatograms,
// leaving it selected.
CEditStep AppendStep(UINT nameId, DWORD groupId, int count, const CChromatogramData& record)
{
    CEditStep step(nameId);
    CEditStep::SChroChange change;
    change.group = groupId;
    change.pos = count;
    change.chros.push_back(SChroRecord{0, record});
    step.Add(std::move(change));
    step.m_after = SListSelection{groupId, count};
    return step;
}

int ChroCount(const CListManager& list, DWORD groupId)
{
    int count = 0;
    list.GetNoChros(groupId, count);
    return count;
}

DWORD SelectedGroup(CWorkspaceView& view)
{
    DWORD groupId = 0;
    view.GroupList().GetSelectedItemData(groupId);
    return groupId;
}
}   // namespace

const MessageMap* CChroCommands::GetThisMessageMap()
{
    using C = CChroCommands;
    static const MsgEntry entries[] = {
        msg::Command<&C::OnAddChromatogram>(ID_CHRO_ADD),
        msg::Command<&C::OnEditChromatogram>(ID_CHRO_EDIT),
        msg::Command<&C::OnDuplicateChromatogram>(ID_CHRO_DUPLICATE),
        msg::Command<&C::OnDeleteChromatogram>(ID_CHRO_DELETE),
        msg::Command<&C::MoveUp>(ID_CHRO_MOVE_UP),
        msg::Command<&C::MoveDown>(ID_CHRO_MOVE_DOWN),
        msg::Update<&C::OnUpdateChroCommands>(ID_CHRO_DELETE),
        msg::Update<&C::OnUpdateChroCommands>(ID_CHRO_EDIT),
        msg::Update<&C::OnUpdateChroCommands>(ID_CHRO_DUPLICATE),
        msg::Update<&C::OnUpdateMoveCommands>(ID_CHRO_MOVE_UP),
        msg::Update<&C::OnUpdateMoveCommands>(ID_CHRO_MOVE_DOWN),
        msg::Registered<&C::OnChroCheck>(&s_wm_CHRO_CHECK),
        msg::Registered<&C::OnChroDeleteKey>(&s_wm_CHRO_DELETEKEY),
        msg::Registered<&C::OnChroContextMenu>(&s_wm_CHRO_LISTCTRL_CONTEXTMENU),
        msg::Registered<&C::OnChroDragged>(&s_wm_CHRO_DRAGGED),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

CChroCommands::CChroCommands(CListDocument& document, CWorkspaceView& view) : m_document(document), m_view(view) {}

void CChroCommands::OnAddChromatogram()
{
    m_chroDlg.SetTitle(LoadResourceString(IDS_ADD_CHROMATOGRAM).c_str());
    int groups = 0;
    m_document.Manager().GetNoGroups(groups);
    if (groups == 0) {
        ShowNote(IDS_ADD_GROUP_FIRST);
        return;
    }
    DWORD groupId = 0;
    if (!SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    m_chroDlg.ResetData();
    if (m_chroDlg.DoModal() != IDOK)
        return;
    CChromatogramData record;
    m_chroDlg.GetData(record);
    if (record.m_strName.empty()) {
        ShowNote(IDS_CHROMATOGRAM_NAME_EMPTY);
        m_view.ChroList().SetFocus();
        return;
    }
    m_document.ApplyEdit(
        AppendStep(IDS_STEP_ADD_CHROMATOGRAM, groupId, ChroCount(m_document.Manager(), groupId), record));
}

void CChroCommands::OnDuplicateChromatogram()
{
    m_chroDlg.SetTitle(LoadResourceString(IDS_DUPLICATE_CHROMATOGRAM).c_str());
    const DWORD groupId = SelectedGroup(m_view);
    DWORD chroId = 0;
    m_view.ChroList().GetSelectedItemData(chroId);
    CChromatogramData record;
    if (!m_document.Manager().GetChromatogram(groupId, chroId, record)) {
        ShowNote(IDS_CANNOT_DUPLICATE);
        return;
    }
    record.m_strBasedOn = record.m_strName;
    m_chroDlg.SetData(record);
    if (m_chroDlg.DoModal() != IDOK)
        return;
    m_chroDlg.GetData(record);
    m_document.ApplyEdit(
        AppendStep(IDS_STEP_DUPLICATE_CHROMATOGRAM, groupId, ChroCount(m_document.Manager(), groupId), record));
}

void CChroCommands::OnEditChromatogram()
{
    CChroListCtrl& chros = m_view.ChroList();
    m_chroDlg.SetTitle(LoadResourceString(IDS_EDIT_CHROMATOGRAM).c_str());
    const DWORD groupId = SelectedGroup(m_view);
    int row = 0;
    DWORD chroId = 0;
    if (!chros.GetSelectedItem(row) || !chros.GetSelectedItemData(chroId))
        return;
    CEditStep::SChroEdit edit;
    edit.group = groupId;
    edit.chro = chroId;
    m_document.Manager().GetChromatogram(groupId, chroId, edit.before);
    m_chroDlg.SetData(edit.before);
    if (m_chroDlg.DoModal() != IDOK)
        return;
    edit.after = edit.before;
    m_chroDlg.GetData(edit.after);
    // A record the list does not know is refused by the list manager: nothing changes.
    CEditStep step(IDS_STEP_EDIT_CHROMATOGRAM);
    step.Add(std::move(edit));
    step.m_after = SListSelection{groupId, row};
    m_document.ApplyEdit(std::move(step));
}

void CChroCommands::OnDeleteChromatogram()
{
    const CListManager& manager = m_document.Manager();
    int groups = 0;
    manager.GetNoGroups(groups);
    if (groups == 0) {
        ShowNote(IDS_NO_CHROMATOGRAMS_TO_REMOVE);
        return;
    }
    DWORD groupId = 0;
    if (!SelectedGroupOrNote(m_view.GroupList(), groupId))
        return;
    int chros = 0;
    manager.GetNoChros(groupId, chros);
    if (chros == 0) {
        ShowNote(IDS_NO_CHROMATOGRAMS_TO_DELETE);
        return;
    }
    int row = 0;
    DWORD chroId = 0;
    if (!SelectedChroOrNote(m_view.ChroList(), row, chroId))
        return;
    if (ShowMessageBox(nullptr, LoadResourceString(IDS_CONFIRM_DELETE_CHROMATOGRAM).c_str(),
                       LoadResourceString(IDS_CAPTION_DELETION).c_str(), MB_YESNO)
        != IDYES) {
        m_view.ChroList().SetFocus();
        return;
    }
    CEditStep step(IDS_STEP_DELETE_CHROMATOGRAM);
    if (!step.AddChroRemoval(manager, groupId, chroId, row))
        return;
    // The row that takes the deleted one's place is selected, or the new last row.
    const int left = chros - 1;
    step.m_after = SListSelection{groupId, left == 0 ? -1 : std::min(row, left - 1)};
    m_document.ApplyEdit(std::move(step));
}

void CChroCommands::MoveUp()
{
    CChroListCtrl& chros = m_view.ChroList();
    int row = 0;
    chros.GetSelectedItem(row);
    if (row - 1 < 0)
        return;
    const auto aboveId = static_cast<DWORD>(chros.GetItemData(row - 1));
    DWORD chroId = 0;
    chros.GetSelectedItemData(chroId);
    const DWORD groupId = SelectedGroup(m_view);
    CEditStep step(IDS_STEP_MOVE_UP);
    step.Add(CEditStep::SChroSwap{groupId, chroId, aboveId});
    step.m_after = SListSelection{groupId, row - 1};
    m_document.ApplyEdit(std::move(step));
}

void CChroCommands::MoveDown()
{
    CChroListCtrl& chros = m_view.ChroList();
    int row = 0;
    if (!chros.GetSelectedItem(row))
        return;
    if (row + 1 == chros.GetItemCount())
        return;
    DWORD chroId = 0;
    chros.GetSelectedItemData(chroId);
    const auto belowId = static_cast<DWORD>(chros.GetItemData(row + 1));
    const DWORD groupId = SelectedGroup(m_view);
    CEditStep step(IDS_STEP_MOVE_DOWN);
    step.Add(CEditStep::SChroSwap{groupId, chroId, belowId});
    step.m_after = SListSelection{groupId, row + 1};
    m_document.ApplyEdit(std::move(step));
}

// Called when a chromatogram row was dragged onto another of its group: it takes that row's
// place and is selected there. Only the list's own drop, of the chromatogram it names at that
// row, moves anything.
LRESULT CChroCommands::OnChroDragged(WPARAM, LPARAM lParam)
{
    const SListNotify* what = m_view.ChroList().NotifyOf(lParam);
    const DWORD groupId = SelectedGroup(m_view);
    DWORD at = 0;
    if (!what || !m_document.Manager().GetChroOrder(groupId, what->row, at) || at != what->id)
        return 0;
    CEditStep step(IDS_STEP_DRAG_CHROMATOGRAM);
    step.Add(CEditStep::SChroMove{groupId, what->id, what->row, what->target});
    step.m_after = SListSelection{groupId, what->target};
    m_document.ApplyEdit(std::move(step));
    return 1;
}

void CChroCommands::OnUpdateChroCommands(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_view.ChroList().GetItemCount() > 0);
}

// Move Up needs a row above the selected one, Move Down a row below it; nothing selected
// counts as the first row.
void CChroCommands::OnUpdateMoveCommands(CCmdUI* pCmdUI)
{
    const CChroListCtrl& chros = m_view.ChroList();
    const int rows = chros.GetItemCount();
    int selected = 0;
    chros.GetSelectedItem(selected);
    const bool up = pCmdUI->m_nID == ID_CHRO_MOVE_UP;
    pCmdUI->Enable(rows > 1 && (up ? selected != 0 : selected != rows - 1));
}

// Called when a chromatogram's check box was toggled by mouse or space bar.
LRESULT CChroCommands::OnChroCheck(WPARAM, LPARAM lParam)
{
    CChroListCtrl& chros = m_view.ChroList();
    const DWORD groupId = SelectedGroup(m_view);
    const SListNotify what = chros.Notification(lParam, true);
    const DWORD chroId = what.id;
    const bool checked = what.checked;
    // A toggle that changes no record (no row, or the mark the record has) is no edit.
    CChromatogramData record;
    if (m_document.Manager().GetChromatogram(groupId, chroId, record)) {
        CEditStep step(checked ? IDS_STEP_CHECK_CHROMATOGRAM : IDS_STEP_UNCHECK_CHROMATOGRAM);
        step.Add(CEditStep::SChroCheck{groupId, chroId, record.m_bChecked, checked});
        step.m_after = ListSelection(m_view.GroupList(), chros);
        m_document.ApplyEdit(std::move(step));
    }
    m_view.SyncChromatogramSelection();
    return 1;
}

LRESULT CChroCommands::OnChroDeleteKey(WPARAM, LPARAM)
{
    OnDeleteChromatogram();
    return 0;
}

LRESULT CChroCommands::OnChroContextMenu(WPARAM, LPARAM)
{
    ShowContextMenu(m_view, kChroContextPopup);
    return 0;
}
