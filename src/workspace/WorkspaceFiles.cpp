// The workspace's list files: New, Open, Save, Save As, the recent files, the start-up load
// and the prompt before the tool closes. The list manager reads and writes the files; this
// code decides the names, prompts and checks around those calls.
#include "CWorkspaceView.h"

#include "AppCaption.h"
#include "CCmdUI.h"
#include "CRecentFileList.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "CFileDialogS.h"
#include "CFileFindS.h"
#include "CWorkspaceData.h"

#include <cstring>

namespace {
const char kListExt[] = ".vtl";
const char kDefaultExt[] = "vtl";
const DWORD kOpenFlags =
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | CFileDialogS::kSecuredFlag;
const DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | CFileDialogS::kSecuredFlag;
const char kSaveFilter[] = "Vantrace settings files (*.vtl)|*.vtl||";
const char kFileError[] = "File Error";
const char kSaveFile[] = "Save File";

std::string UntitledName()
{
    return std::string("Untitled") + kListExt;
}

std::string OpenFilter()
{
    return std::string("Vantrace settings files (*") + kListExt + ")|*" + kListExt + "||";
}

bool IsListExtension(const std::string& ext)
{
    return _stricmp(ext.c_str(), kDefaultExt) == 0;
}

void AddToRecentFiles(CRecentFileList* recent, const std::string& path)
{
    if (recent)
        recent->Add(path.c_str());
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
    return ShowMessageBox(owner, ("Cannot find file " + path).c_str(), kFileError, MB_OK | MB_ICONINFORMATION);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The question the Save As dialog asks before it replaces a file; true for Yes.
bool ConfirmReplace(HWND owner, const std::string& name)
{
    const std::string text = name + " already exists.\nDo you want to replace it?";
    return ShowMessageBox(owner, text.c_str(), "Save As", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void ShowWriteFailure(HWND owner)
{
    ShowMessageBox(owner, "Unable to write to file. Please ensure file is not read only.", kAppCaption,
                   MB_OK | MB_ICONEXCLAMATION);
}

void ShowUnreadable(HWND owner, const std::string& path)
{
    ShowMessageBox(owner, ("Cannot read file " + path + ". It is damaged or not a Vantrace file.").c_str(), kFileError,
                   MB_OK | MB_ICONEXCLAMATION);
}
}   // namespace

void CWorkspaceView::OnFileNew()
{
    if (OfferSaveFirst())
        NewList();
}

void CWorkspaceView::OnFileOpen()
{
    if (OfferSaveFirst())
        OpenListFile(-1);
}

void CWorkspaceView::OnFileSave()
{
    SaveList();
}

void CWorkspaceView::OnFileSaveAs()
{
    SaveListAs();
}

void CWorkspaceView::OnRecentFile(UINT id)
{
    OpenRecentFile(static_cast<int>(id - ID_FILE_MRU_FILE1));
}

// The first recent-file item stands for the whole list; the items it inserted stay enabled.
void CWorkspaceView::OnUpdateRecentFile(CCmdUI* pCmdUI)
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
bool CWorkspaceView::OfferSaveFirst()
{
    if (!m_pData->m_bModified)
        return true;
    const std::string text = m_pData->m_strFileName + " has changed. Do you want to save changes?";
    if (ShowMessageBox(m_hWnd, text.c_str(), kSaveFile, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    return SaveList();
}

void CWorkspaceView::ClearWorkspace()
{
    CWorkspaceData& data = *m_pData;
    data.m_listManager.DeleteListContent();
    data.m_history.Clear();
    data.m_chroList.ClearItems();
    data.m_groupList.ClearItems();
    data.m_chroDlg.ResetData();
    data.m_groupDlg.m_strName.clear();
    data.m_groupDlg.m_strComment.clear();
}

void CWorkspaceView::NewList()
{
    ClearWorkspace();
    m_pData->m_strFileName = UntitledName();
    UpdateTitle(false);
}

// index -1 asks the user for a file; any other index loads the current path (a recent entry).
void CWorkspaceView::OpenListFile(int index)
{
    CWorkspaceData& data = *m_pData;
    std::string path = data.m_strPathName;
    std::string name = data.m_strFileName;
    if (index == -1) {
        const std::string filter = OpenFilter();
        for (;;) {
            CFileDialogS dialog(TRUE, kDefaultExt, nullptr, kOpenFlags, filter.c_str(), nullptr);
            if (dialog.DoModal() != IDOK)
                return;
            path = dialog.GetPathName();
            name = dialog.GetFileName();
            if (IsListExtension(dialog.GetFileExt()))
                break;
            const std::string text = path + " is not a valid Vantrace file. Please select a valid Vantrace file";
            ShowMessageBox(m_hWnd, text.c_str(), kFileError, MB_OK | MB_ICONINFORMATION);
        }
    }
    // The names change only once the file is there, so a later Save cannot write the list
    // shown now over a file it never came from.
    if (!ListFileExists(path)) {
        ShowMissingFile(m_hWnd, path);
        return;
    }
    data.m_strPathName = path;
    data.m_strFileName = name;
    data.m_listManager.DeleteListContent();
    ClearWorkspace();
    if (!data.m_listManager.Load(path.c_str())) {
        // Nothing half-read stays on show, and the file is not offered again as a list.
        ShowUnreadable(m_hWnd, path);
        NewList();
        return;
    }
    UpdateTitle(false);
    RefreshGroupList();
    RefreshChromatogramList();
    AddToRecentFiles(m_pRecentFiles, path);
}

bool CWorkspaceView::OpenRecentFile(int index)
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
        ShowMissingFile(m_hWnd, path);
        return false;
    }
    if (path.empty() || name.empty()) {
        const std::string text = "Unable to open file " + name + " from recent file list, please try File->Open";
        ShowMessageBox(m_hWnd, text.c_str(), kFileError, MB_OK | MB_ICONHAND);
        return false;
    }
    m_pData->m_strFileName = name;
    m_pData->m_strPathName = path;
    OpenListFile(index);
    return true;
}

bool CWorkspaceView::SaveList()
{
    CWorkspaceData& data = *m_pData;
    data.m_bSaveCancelled = false;
    // An untitled list has no file of its own, even when the path still names an earlier one.
    if (data.m_strFileName == UntitledName() || data.m_strPathName.empty())
        return SaveListAs();
    if (!data.m_listManager.Save(data.m_strPathName.c_str())) {
        ShowWriteFailure(m_hWnd);
        return false;
    }
    UpdateTitle(false);
    AddToRecentFiles(m_pRecentFiles, data.m_strPathName);
    return true;
}

bool CWorkspaceView::SaveListAs()
{
    m_pData->m_bSaveCancelled = false;
    std::string path;
    std::string name;
    for (;;) {
        CFileDialogS dialog(FALSE, kDefaultExt, nullptr, kSaveFlags, kSaveFilter, nullptr);
        if (dialog.DoModal() != IDOK) {
            m_pData->m_bSaveCancelled = true;
            return false;
        }
        path = dialog.GetPathName();
        const std::string ext = dialog.GetFileExt();
        if (!IsListExtension(ext))
            path = WithListExtension(path, ext);
        name = dialog.GetFileTitle() + kListExt;
        // The dialog asked before replacing the name typed; another extension names another
        // file, which is not replaced unasked either. No: the dialog again.
        if (path == dialog.GetPathName() || !FileExists(path) || ConfirmReplace(m_hWnd, name))
            break;
    }
    if (!m_pData->m_listManager.Save(path.c_str())) {
        ShowWriteFailure(m_hWnd);
        return false;
    }
    m_pData->m_strFileName = name;
    m_pData->m_strPathName = path;
    UpdateTitle(false);
    AddToRecentFiles(m_pRecentFiles, path);
    return true;
}

bool CWorkspaceView::SaveWasCancelled() const
{
    return m_pData->m_bSaveCancelled;
}

void CWorkspaceView::LoadLastFile()
{
    CWorkspaceData& data = *m_pData;
    data.m_strFileName.clear();
    data.m_strPathName.clear();
    if (CRecentFileList* recent = m_pRecentFiles) {
        recent->GetDisplayName(data.m_strFileName, 0, "", true);
        data.m_strPathName = (*recent)[0];
    }
    // No recent file: an empty untitled list, also when this drops unsaved edits.
    if (data.m_strFileName.empty() || data.m_strPathName.empty()) {
        NewList();
        return;
    }
    if (!ListFileExists(data.m_strPathName)) {
        ShowMissingFile(m_hWnd, data.m_strPathName);
        NewList();
        return;
    }
    data.m_listManager.DeleteListContent();
    ClearWorkspace();
    if (!data.m_listManager.Load(data.m_strPathName.c_str())) {
        ShowUnreadable(m_hWnd, data.m_strPathName);
        NewList();
        return;
    }
    RefreshGroupList();
    RestoreGroupSelection();
    RefreshChromatogramList();
    RestoreChromatogramSelection();
    UpdateTitle(false);
}

// False tells the caller not to go on (Cancel, or the save failed).
bool CWorkspaceView::PromptSaveChanges(bool noCancel)
{
    m_pData->m_bSaveCancelled = false;
    const std::string text = "Save changes to " + m_pData->m_strFileName + "?";
    const UINT buttons = noCancel ? MB_YESNO : MB_YESNOCANCEL;
    switch (ShowMessageBox(m_hWnd, text.c_str(), kSaveFile, buttons | MB_ICONQUESTION)) {
    case IDYES:
        return SaveList();
    case IDNO:
        if (!noCancel)
            LoadLastFile();   // drops the unsaved edits
        return true;
    default:
        return false;
    }
}
