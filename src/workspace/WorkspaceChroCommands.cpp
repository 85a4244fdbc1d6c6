// The workspace's chromatogram commands: Add, Duplicate, Edit, Delete, Move Up and Move
// Down, the chromatogram list's context menu, and the selection and check sync.
#include "CWorkspaceView.h"

#include "CWinApp.h"
#include "MessageBox.h"
#include "resource.h"
#include "CWorkspaceData.h"

#include <algorithm>
#include <utility>

namespace {
const int kChroPopup = 1;   // second popup of the context menus

void Message(const char* text)
{
    ShowMessageBox(nullptr, text, nullptr, MB_OK);
}

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
}   // namespace

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
    ApplyEdit(AppendStep(IDS_STEP_ADD_CHROMATOGRAM, groupId, ChroCount(data.m_listManager, groupId), record));
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
    ApplyEdit(AppendStep(IDS_STEP_DUPLICATE_CHROMATOGRAM, groupId, ChroCount(data.m_listManager, groupId), record));
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
    CEditStep::SChroEdit edit;
    edit.group = groupId;
    edit.chro = chroId;
    data.m_listManager.GetChromatogram(groupId, chroId, edit.before);
    data.m_chroDlg.SetData(edit.before);
    if (data.m_chroDlg.DoModal() != IDOK)
        return;
    edit.after = edit.before;
    data.m_chroDlg.GetData(edit.after);
    // A record the list does not know is refused by the list manager: nothing changes.
    CEditStep step(IDS_STEP_EDIT_CHROMATOGRAM);
    step.Add(std::move(edit));
    step.m_after = SListSelection{groupId, row};
    ApplyEdit(std::move(step));
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
    CEditStep step(IDS_STEP_DELETE_CHROMATOGRAM);
    if (!step.AddChroRemoval(data.m_listManager, groupId, chroId, row))
        return;
    // The row that takes the deleted one's place is selected, or the new last row.
    const int left = chros - 1;
    step.m_after = SListSelection{groupId, left == 0 ? -1 : std::min(row, left - 1)};
    ApplyEdit(std::move(step));
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
    CEditStep step(IDS_STEP_MOVE_UP);
    step.Add(CEditStep::SChroSwap{groupId, chroId, aboveId});
    step.m_after = SListSelection{groupId, row - 1};
    ApplyEdit(std::move(step));
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
    CEditStep step(IDS_STEP_MOVE_DOWN);
    step.Add(CEditStep::SChroSwap{groupId, chroId, belowId});
    step.m_after = SListSelection{groupId, row + 1};
    ApplyEdit(std::move(step));
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
    // A toggle that changes no record (no row, or the mark the record has) is no edit.
    CChromatogramData record;
    if (data.m_listManager.GetChromatogram(groupId, chroId, record)) {
        CEditStep step(checked ? IDS_STEP_CHECK_CHROMATOGRAM : IDS_STEP_UNCHECK_CHROMATOGRAM);
        step.Add(CEditStep::SChroCheck{groupId, chroId, record.m_bChecked, checked});
        step.m_after = CurrentSelection();
        ApplyEdit(std::move(step));
    }
    SyncChromatogramSelection();
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

// Shift+Up and Shift+Down in either list move the selected chromatogram or group, as the
// menus' key labels promise. The keys are taken here, so the list does not also move its
// selection.
BOOL CWorkspaceView::PreTranslateMessage(MSG* pMsg)
{
    const bool chros = pMsg->hwnd == m_pData->m_chroList.m_hWnd;
    if (pMsg->message != WM_KEYDOWN || (!chros && pMsg->hwnd != m_pData->m_groupList.m_hWnd))
        return FALSE;
    if (pMsg->wParam != VK_UP && pMsg->wParam != VK_DOWN)
        return FALSE;
    if ((GetKeyState(VK_SHIFT) & 0x8000) == 0 || (GetKeyState(VK_CONTROL) & 0x8000) != 0)
        return FALSE;
    const bool up = pMsg->wParam == VK_UP;
    if (chros)
        up ? OnMoveUp() : OnMoveDown();
    else
        up ? OnMoveGroupUp() : OnMoveGroupDown();
    return TRUE;
}
