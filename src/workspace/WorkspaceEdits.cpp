// The one path of every edit: a step applied to the list manager, then the lists refreshed,
// the selection set and the title marked from the history. Undo and Redo walk the same steps.
#include "CWorkspaceView.h"

#include "CCmdUI.h"
#include "CWinApp.h"
#include "resource.h"
#include "CWorkspaceData.h"

#include <string>
#include <utility>

SListSelection CWorkspaceView::CurrentSelection() const
{
    SListSelection sel;
    m_pData->m_groupList.GetSelectedItemData(sel.group);
    m_pData->m_chroList.GetSelectedItem(sel.chroRow);
    return sel;
}

bool CWorkspaceView::ApplyEdit(CEditStep step)
{
    CWorkspaceData& data = *m_pData;
    if (step.IsEmpty())
        return false;
    step.m_before = CurrentSelection();
    if (!step.Apply(data.m_listManager, true))
        return false;
    if (step.m_bSelectInsertedGroup)
        step.m_after.group = step.InsertedGroup();
    const SListSelection after = step.m_after;
    const bool groups = step.TouchesGroups();
    data.m_history.Push(std::move(step));
    ShowEdit(groups, after);
    return true;
}

bool CWorkspaceView::Undo()
{
    CEditStep* step = m_pData->m_history.NextUndo();
    if (!step || !step->Apply(m_pData->m_listManager, false))
        return false;
    const SListSelection before = step->m_before;
    const bool groups = step->TouchesGroups();
    m_pData->m_history.Undone();
    ShowEdit(groups, before);
    return true;
}

bool CWorkspaceView::Redo()
{
    CEditStep* step = m_pData->m_history.NextRedo();
    if (!step || !step->Apply(m_pData->m_listManager, true))
        return false;
    const SListSelection after = step->m_after;
    const bool groups = step->TouchesGroups();
    m_pData->m_history.Redone();
    ShowEdit(groups, after);
    return true;
}

void CWorkspaceView::ShowEdit(bool groupsChanged, const SListSelection& sel)
{
    if (groupsChanged)
        RefreshGroupList();
    SelectGroupRow(sel.group);
    RefreshChromatogramList();
    if (sel.chroRow >= 0 && sel.chroRow < m_pData->m_chroList.GetItemCount())
        m_pData->m_chroList.SelectItem(sel.chroRow);
    UpdateTitle(m_pData->m_history.IsModified());
}

void CWorkspaceView::SelectGroupRow(DWORD groupId)
{
    CGroupListCtrl& groups = m_pData->m_groupList;
    DWORD id = 0;
    int row = 0;
    while (groupId != 0 && m_pData->m_listManager.GetGroupOrder(row, id) && id != groupId)
        ++row;
    if (groupId == 0 || id != groupId || row >= groups.GetItemCount()) {
        groups.SetItemState(-1, 0, LVIS_SELECTED);
        return;
    }
    groups.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CWorkspaceView::OnEditUndo()
{
    Undo();
}

void CWorkspaceView::OnEditRedo()
{
    Redo();
}

namespace {
// "&Undo Delete Group\tCtrl+Z", or "&Undo\tCtrl+Z" with nothing to undo.
void ShowStepCommand(CCmdUI* pCmdUI, const char* verb, const CEditStep* step, const char* key)
{
    pCmdUI->Enable(step != nullptr);
    std::string text = verb;
    if (step)
        text += " " + LoadResourceString(step->NameId());
    pCmdUI->SetText((text + "\t" + key).c_str());
}
}   // namespace

void CWorkspaceView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    ShowStepCommand(pCmdUI, "&Undo", m_pData->m_history.NextUndo(), "Ctrl+Z");
}

void CWorkspaceView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    ShowStepCommand(pCmdUI, "&Redo", m_pData->m_history.NextRedo(), "Ctrl+Y");
}
