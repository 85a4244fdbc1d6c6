// The one path of every edit: a step applied to the list manager, then the modified mark set
// from the history and the step shown. Undo and Redo walk the same steps.
#include "CListDocument.h"

#include "CCmdUI.h"
#include "CEditDisplay.h"
#include "CWinApp.h"
#include "resource.h"

#include <utility>

const MessageMap* CListDocument::GetThisMessageMap()
{
    using D = CListDocument;
    static const MsgEntry entries[] = {
        msg::Command<&D::OnEditUndo>(ID_EDIT_UNDO),
        msg::Command<&D::OnEditRedo>(ID_EDIT_REDO),
        msg::Update<&D::OnUpdateEditUndo>(ID_EDIT_UNDO),
        msg::Update<&D::OnUpdateEditRedo>(ID_EDIT_REDO),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

CListDocument::CListDocument() = default;

CListDocument::~CListDocument()
{
    if (m_pRecovery && m_bModified)
        m_pRecovery->SnapshotNow();
}

void CListDocument::EnableRecovery(CRecoveryStore store)
{
    m_pRecovery = std::make_unique<CRecoveryWriter>(std::move(store), [this](std::string& bytes) {
        if (!m_bModified)
            return false;
        // An untitled list has no file of its own, whatever the path still names.
        const bool untitled = m_strFileName == "Untitled.vtl";
        CRecoveryStore::Compose(m_pRecovery->Store().OwnHeader(untitled ? std::string() : m_strPathName, m_strFileName),
                                m_listManager, bytes);
        return true;
    });
}

void CListDocument::Restore(CListManager& list, const std::string& path, const std::string& name)
{
    m_listManager.Swap(list);
    m_history.ClearUnsaved();
    m_strPathName = path;
    m_strFileName = name;
    // What the file holds now is what a later Save would replace unasked.
    m_strStampPath = path;
    if (!m_stamp.Take(path))
        m_stamp.Clear();
    m_bModified = true;
    if (m_pRecovery)
        m_pRecovery->SnapshotNow();
}

bool CListDocument::FileChangedOnDisk(bool deep) const
{
    return !m_strPathName.empty() && m_strStampPath == m_strPathName && m_stamp.Changed(m_strPathName, deep);
}

bool CListDocument::Reload()
{
    CListManager fresh;
    if (m_bModified || m_strPathName.empty() || !fresh.Load(m_strPathName.c_str()))
        return false;
    m_listManager.Swap(fresh);
    m_history.Clear();
    m_strStampPath = m_strPathName;
    m_stamp.Take(m_strPathName);
    return true;
}

bool CListDocument::ApplyEdit(CEditStep step)
{
    if (step.IsEmpty())
        return false;
    step.m_before = m_pDisplay ? m_pDisplay->CurrentSelection() : SListSelection{};
    if (!step.Apply(m_listManager, true))
        return false;
    if (step.m_bSelectInsertedGroup)
        step.m_after.group = step.InsertedGroup();
    const SListSelection after = step.m_after;
    const SEditReach reach = step.Reach(true);
    m_history.Push(std::move(step));
    Show(reach, after);
    return true;
}

bool CListDocument::Undo()
{
    CEditStep* step = m_history.NextUndo();
    if (!step || !step->Apply(m_listManager, false))
        return false;
    const SListSelection before = step->m_before;
    const SEditReach reach = step->Reach(false);
    m_history.Undone();
    Show(reach, before);
    return true;
}

bool CListDocument::Redo()
{
    CEditStep* step = m_history.NextRedo();
    if (!step || !step->Apply(m_listManager, true))
        return false;
    const SListSelection after = step->m_after;
    const SEditReach reach = step->Reach(true);
    m_history.Redone();
    Show(reach, after);
    return true;
}

void CListDocument::Show(const SEditReach& reach, const SListSelection& sel)
{
    SetModified(m_history.IsModified());
    if (m_bModified && m_pRecovery)
        m_pRecovery->Changed();
    if (m_pDisplay)
        m_pDisplay->ShowEdit(reach, sel);
}

void CListDocument::Clear()
{
    m_listManager.DeleteListContent();
    m_history.Clear();
    m_stamp.Clear();
}

bool CListDocument::Load(const std::string& path)
{
    Clear();
    if (!m_listManager.Load(path.c_str()))
        return false;
    m_strStampPath = path;
    m_stamp.Take(path);
    return true;
}

bool CListDocument::Save(const std::string& path)
{
    if (!m_listManager.Save(path.c_str()))
        return false;
    m_strStampPath = path;
    m_stamp.Take(path);
    return true;
}

void CListDocument::SetModified(bool modified)
{
    m_bModified = modified;
    if (modified)
        return;
    m_history.MarkSaved();
    if (m_pRecovery)
        m_pRecovery->Remove();
}

void CListDocument::OnEditUndo()
{
    Undo();
}

void CListDocument::OnEditRedo()
{
    Redo();
}

namespace {
// "&Undo Delete Group\tCtrl+Z", or "&Undo\tCtrl+Z" with nothing to undo.
void ShowStepCommand(CCmdUI* pCmdUI, UINT verbId, const CEditStep* step, const char* key)
{
    pCmdUI->Enable(step != nullptr);
    std::string text = LoadResourceString(verbId);
    if (step)
        text += " " + LoadResourceString(step->NameId());
    pCmdUI->SetText((text + "\t" + key).c_str());
}
}   // namespace

void CListDocument::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    ShowStepCommand(pCmdUI, IDS_UNDO_COMMAND, m_history.NextUndo(), "Ctrl+Z");
}

void CListDocument::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    ShowStepCommand(pCmdUI, IDS_REDO_COMMAND, m_history.NextRedo(), "Ctrl+Y");
}
