// The workspace's list files: New, Open, Save, Save As, the recent files, the start-up load
// and the prompt before the tool closes.
#include "CListFiles.h"

#include "AppCaption.h"
#include "CCmdUI.h"
#include "CRecentFileList.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "CFileDialogS.h"
#include "CFileFindS.h"
#include "CChroCommands.h"
#include "CGroupCommands.h"
#include "CListDocument.h"
#include "CRecoveryOffer.h"
#include "CWinApp.h"
#include "CWorkspaceView.h"
#include "CommandSupport.h"
#include "resource.h"

#include <cstring>

namespace {
const char kListExt[] = ".vtl";
const char kDefaultExt[] = "vtl";
const DWORD kOpenFlags =
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | CFileDialogS::kSecuredFlag;
const DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | CFileDialogS::kSecuredFlag;

std::string UntitledName()
{
    return LoadResourceString(IDS_UNTITLED) + kListExt;
}

// A message box owned by the workspace, its caption from the string table.
int Ask(HWND owner, const std::string& text, UINT captionId, UINT style)
{
    return ShowMessageBox(owner, text.c_str(), LoadResourceString(captionId).c_str(), style);
}

bool IsListExtension(const std::string& ext)
{
    return _stricmp(ext.c_str(), kDefaultExt) == 0;
}

// True when the file exists and may be read.
bool ListFileExists(const std::string& path)
{
    CFileFindS finder;
    return finder.FindFile(path.c_str(), 0) != 0;
}

// The chosen path with its extension replaced by "vtl"; a name without extension gets ".vtl".
std::string WithListExtension(const std::string& path, const std::string& ext)
{
    if (ext.empty())
        return path + (!path.empty() && path.back() == '.' ? "" : ".") + kDefaultExt;
    return path.substr(0, path.size() - std::min(ext.size(), path.size())) + kDefaultExt;
}

int ShowMissingFile(HWND owner, const std::string& path)
{
    return Ask(owner, TextWith(IDS_CANNOT_FIND_FILE, path), IDS_CAPTION_FILE_ERROR, MB_OK | MB_ICONINFORMATION);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The question the Save As dialog asks before it replaces a file; true for Yes.
bool ConfirmReplace(HWND owner, const std::string& name)
{
    return Ask(owner, TextWith(IDS_REPLACE_FILE, name), IDS_CAPTION_SAVE_AS, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void ShowWriteFailure(HWND owner)
{
    ShowMessageBox(owner, LoadResourceString(IDS_WRITE_FAILED).c_str(), kAppCaption, MB_OK | MB_ICONEXCLAMATION);
}

void ShowUnreadable(HWND owner, const std::string& path)
{
    Ask(owner, TextWith(IDS_UNREADABLE_LIST, path), IDS_CAPTION_FILE_ERROR, MB_OK | MB_ICONEXCLAMATION);
}
}   // namespace

const MessageMap* CListFiles::GetThisMessageMap()
{
    using F = CListFiles;
    static const MsgEntry entries[] = {
        msg::Command<&F::OnFileNew>(ID_FILE_NEW),
        msg::Command<&F::OnFileOpen>(ID_FILE_OPEN),
        msg::Command<&F::OnFileSave>(ID_FILE_SAVE),
        msg::Command<&F::OnFileSaveAs>(ID_FILE_SAVE_AS),
        msg::CommandRange<&F::OnRecentFile>(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4),
        msg::UpdateRange<&F::OnUpdateRecentFile>(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4),
    };
    static const MessageMap map = MakeMessageMap(&CCmdTarget::GetThisMessageMap, entries);
    return &map;
}

CListFiles::CListFiles(CListDocument& document, CWorkspaceView& view, CGroupCommands& groups, CChroCommands& chros)
    : m_document(document), m_view(view), m_groups(groups), m_chros(chros)
{
}

void CListFiles::AddToRecentFiles(const std::string& path)
{
    if (m_pRecentFiles)
        m_pRecentFiles->Add(path.c_str());
}

void CListFiles::OnFileNew()
{
    if (OfferSaveFirst())
        NewList();
}

void CListFiles::OnFileOpen()
{
    if (OfferSaveFirst())
        OpenListFile(-1);
}

void CListFiles::OnRecentFile(UINT id)
{
    OpenRecentFile(static_cast<int>(id - ID_FILE_MRU_FILE1));
}

// The first recent-file item stands for the whole list; the items it inserted stay enabled.
void CListFiles::OnUpdateRecentFile(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_nID != ID_FILE_MRU_FILE1)
        return;
    if (CRecentFileList* recent = m_pRecentFiles)
        recent->UpdateMenu(pCmdUI);
    else
        pCmdUI->Enable(false);
}

// False when the user wanted the edits saved and they were not (a failed save, or Save As
// cancelled): the command must not go on and drop them.
bool CListFiles::OfferSaveFirst()
{
    if (!m_document.IsModified())
        return true;
    const std::string text = TextWith(IDS_SAVE_CHANGED, m_document.FileName());
    if (Ask(m_view.m_hWnd, text, IDS_CAPTION_SAVE_FILE, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    return SaveList();
}

void CListFiles::ClearWorkspace()
{
    m_document.Clear();
    m_view.ChroList().ClearItems();
    m_view.GroupList().ClearItems();
    m_chros.ClearDialog();
    m_groups.ClearDialog();
}

void CListFiles::NewList()
{
    ClearWorkspace();
    m_document.SetFileName(UntitledName());
    m_view.UpdateTitle(false);
}

// index -1 asks the user for a file; any other index loads the current path (a recent entry).
void CListFiles::OpenListFile(int index)
{
    std::string path = m_document.PathName();
    std::string name = m_document.FileName();
    if (index == -1) {
        const std::string filter = LoadResourceString(IDS_LIST_FILTER);
        for (;;) {
            CFileDialogS dialog(TRUE, kDefaultExt, nullptr, kOpenFlags, filter.c_str(), nullptr);
            if (dialog.DoModal() != IDOK)
                return;
            path = dialog.GetPathName();
            name = dialog.GetFileName();
            if (IsListExtension(dialog.GetFileExt()))
                break;
            Ask(m_view.m_hWnd, TextWith(IDS_NOT_A_LIST_FILE, path), IDS_CAPTION_FILE_ERROR, MB_OK | MB_ICONINFORMATION);
        }
    }
    // The names change only once the file is there, so a later Save cannot write the list
    // shown now over a file it never came from.
    if (!ListFileExists(path)) {
        ShowMissingFile(m_view.m_hWnd, path);
        return;
    }
    m_document.SetPathName(path);
    m_document.SetFileName(name);
    ClearWorkspace();
    if (!m_document.Load(path)) {
        // Nothing half-read stays on show, and the file is not offered again as a list.
        ShowUnreadable(m_view.m_hWnd, path);
        NewList();
        return;
    }
    m_view.UpdateTitle(false);
    m_view.RefreshGroupList();
    m_view.RefreshChromatogramList();
    AddToRecentFiles(path);
}

bool CListFiles::IsListPath(const std::string& path)
{
    const size_t dot = path.find_last_of("./\\");
    return dot != std::string::npos && path[dot] == '.' && IsListExtension(path.substr(dot + 1));
}

// The names change only once the file is there, as in Open.
void CListFiles::OpenPath(const std::string& path)
{
    if (!IsListPath(path) || !OfferSaveFirst())
        return;
    if (!ListFileExists(path)) {
        ShowMissingFile(m_view.m_hWnd, path);
        return;
    }
    m_document.SetPathName(path);
    m_document.SetFileName(path.substr(path.find_last_of("/\\") + 1));
    OpenListFile(0);
}

bool CListFiles::OpenRecentFile(int index)
{
    if (!OfferSaveFirst())
        return false;
    CRecentFileList* recent = m_pRecentFiles;
    std::string name;
    std::string path;
    if (recent) {
        recent->GetDisplayName(name, index, "", true);
        path = (*recent)[index];
    }
    // A missing file leaves the current names as they were.
    if (!ListFileExists(path)) {
        ShowMissingFile(m_view.m_hWnd, path);
        return false;
    }
    if (path.empty() || name.empty()) {
        Ask(m_view.m_hWnd, TextWith(IDS_RECENT_FILE_FAILED, name), IDS_CAPTION_FILE_ERROR, MB_OK | MB_ICONHAND);
        return false;
    }
    m_document.SetFileName(name);
    m_document.SetPathName(path);
    OpenListFile(index);
    return true;
}

bool CListFiles::SaveList()
{
    m_document.SetSaveCancelled(false);
    // An untitled list has no file of its own, even when the path still names an earlier one.
    if (m_document.FileName() == UntitledName() || m_document.PathName().empty())
        return SaveListAs();
    bool saved = false;
    if (!ConfirmReplaceChanged(saved))
        return saved;
    if (!m_document.Save(m_document.PathName())) {
        ShowWriteFailure(m_view.m_hWnd);
        return false;
    }
    m_view.UpdateTitle(false);
    AddToRecentFiles(m_document.PathName());
    return true;
}

bool CListFiles::ConfirmReplaceChanged(bool& saved)
{
    if (!m_document.FileChangedOnDisk(true))
        return true;
    const std::string text = TextWith(IDS_CHANGED_ON_DISK, m_document.FileName());
    switch (ShowMessageBox(m_view.m_hWnd, text.c_str(), kAppCaption, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return true;
    case IDNO:
        saved = SaveListAs();
        return false;
    default:
        // As a cancelled Save As: the tool's close goes on without asking again.
        m_document.SetSaveCancelled(true);
        saved = false;
        return false;
    }
}

bool CListFiles::SaveListAs()
{
    m_document.SetSaveCancelled(false);
    const std::string filter = LoadResourceString(IDS_LIST_FILTER);
    std::string path;
    std::string name;
    for (;;) {
        CFileDialogS dialog(FALSE, kDefaultExt, nullptr, kSaveFlags, filter.c_str(), nullptr);
        if (dialog.DoModal() != IDOK) {
            m_document.SetSaveCancelled(true);
            return false;
        }
        path = dialog.GetPathName();
        const std::string ext = dialog.GetFileExt();
        if (!IsListExtension(ext))
            path = WithListExtension(path, ext);
        name = dialog.GetFileTitle() + kListExt;
        // The dialog asked before replacing the name typed; another extension names another
        // file, which is not replaced unasked either. No: the dialog again.
        if (path == dialog.GetPathName() || !FileExists(path) || ConfirmReplace(m_view.m_hWnd, name))
            break;
    }
    if (!m_document.Save(path)) {
        ShowWriteFailure(m_view.m_hWnd);
        return false;
    }
    m_document.SetFileName(name);
    m_document.SetPathName(path);
    m_view.UpdateTitle(false);
    AddToRecentFiles(path);
    return true;
}

void CListFiles::LoadLastFile()
{
    std::string name;
    std::string path;
    if (CRecentFileList* recent = m_pRecentFiles) {
        recent->GetDisplayName(name, 0, "", true);
        path = (*recent)[0];
    }
    m_document.SetFileName(name);
    m_document.SetPathName(path);
    // No recent file: an empty untitled list, also when this drops unsaved edits.
    if (name.empty() || path.empty()) {
        NewList();
        return;
    }
    if (!ListFileExists(path)) {
        ShowMissingFile(m_view.m_hWnd, path);
        NewList();
        return;
    }
    ClearWorkspace();
    if (!m_document.Load(path)) {
        ShowUnreadable(m_view.m_hWnd, path);
        NewList();
        return;
    }
    m_view.ShowWithStoredSelection();
    m_view.UpdateTitle(false);
}

// False tells the caller not to go on (Cancel, or the save failed).
bool CListFiles::PromptSaveChanges(bool noCancel)
{
    m_document.SetSaveCancelled(false);
    const std::string text = TextWith(IDS_SAVE_CHANGES_TO, m_document.FileName());
    const UINT buttons = noCancel ? MB_YESNO : MB_YESNOCANCEL;
    switch (Ask(m_view.m_hWnd, text, IDS_CAPTION_SAVE_FILE, buttons | MB_ICONQUESTION)) {
    case IDYES:
        return SaveList();
    case IDNO:
        // Drops the unsaved edits: the close box shows the saved list again; the tool's own
        // close keeps no recovery file of them.
        if (!noCancel)
            LoadLastFile();
        else
            m_document.SetModified(false);
        return true;
    default:
        return false;
    }
}

void CListFiles::OfferRecovery()
{
    CRecoveryWriter* recovery = m_document.Recovery();
    if (!recovery)
        return;
    CRecoveryOffer::Run(m_view.m_hWnd, recovery->Store(), [this](const SRecoveryHeader& header, CListManager& list) {
        // A second list restored over a first one: the first may be saved before it goes.
        if (!OfferSaveFirst())
            return false;
        ClearWorkspace();
        m_document.Restore(list, header.listPath, CRecoveryOffer::ShownName(header));
        m_view.ShowWithStoredSelection();
        m_view.UpdateTitle(true);
        return true;
    });
}

bool CListFiles::ReloadIfChanged()
{
    if (m_document.IsModified() || !m_document.FileChangedOnDisk(false) || !m_document.Reload())
        return false;
    m_view.ShowWithStoredSelection();
    m_view.UpdateTitle(false);
    m_view.SetStatusText(TextWith(IDS_RELOADED_FROM_DISK, m_document.FileName()));
    return true;
}
