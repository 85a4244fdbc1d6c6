#pragma once

#include "CCmdTarget.h"

#include <string>

class CChroCommands;
class CCmdUI;
class CGroupCommands;
class CListDocument;
class CRecentFileList;
class CWorkspaceView;

// The list files: New, Open, Save, Save As, the recent files, the start-up load and the
// prompt before the tool closes. The document reads and writes the files; this class
// decides the names, prompts and checks around those calls.
class CListFiles : public CCmdTarget {
public:
    CListFiles(CListDocument& document, CWorkspaceView& view, CGroupCommands& groups, CChroCommands& chros);

    // The recent-file list; none remembers nothing.
    void SetRecentFiles(CRecentFileList* recentFiles) { m_pRecentFiles = recentFiles; }

    bool SaveList();
    bool SaveListAs();
    bool OpenRecentFile(int index);
    // index -1 asks the user for a file; any other index loads the current path (a recent entry).
    void OpenListFile(int index);
    // Opens a list file named by path, as Open with that file chosen would: the modified list
    // offered for saving first, the recent files updated.
    void OpenPath(const std::string& path);
    // Whether a path names a list file by its extension.
    static bool IsListPath(const std::string& path);
    void ClearWorkspace();
    void NewList();
    void LoadLastFile();
    // False tells the caller not to go on (Cancel, or the save failed).
    bool PromptSaveChanges(bool noCancel);
    // Offers the recovery files of ended processes, newest first (the tool's first show).
    void OfferRecovery();
    // Reads a list with no unsaved edits again when its file changed on disk, and says so
    // in the status bar; true when it did.
    bool ReloadIfChanged();

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave() { SaveList(); }
    void OnFileSaveAs() { SaveListAs(); }
    void OnRecentFile(UINT id);
    void OnUpdateRecentFile(CCmdUI* pCmdUI);
    // New, Open and a recent file first offer to save a modified list; false: stop.
    bool OfferSaveFirst();
    void AddToRecentFiles(const std::string& path);
    // Before Save replaces a file another program changed: true to go on and replace it.
    // No saves under another name instead, Cancel saves nothing.
    bool ConfirmReplaceChanged(bool& saved);

    CListDocument& m_document;
    CWorkspaceView& m_view;
    CGroupCommands& m_groups;
    CChroCommands& m_chros;
    CRecentFileList* m_pRecentFiles = nullptr;
};
