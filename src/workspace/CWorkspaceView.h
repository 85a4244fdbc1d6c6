#pragma once

#include "CWnd.h"
#include "CEditStep.h"

#include <memory>
#include <string>
#include <vector>

class CAppOptions;
class CRecentFileList;
struct CWorkspaceData;
struct STransferRow;
struct STransferTable;

// The one child window of the main frame: the group list on the left, the chromatograms of
// the selected group on the right. Owns the list manager and the two detail dialogs and
// handles every group, chromatogram, launch and file command. Its code is split by
// concern: CWorkspaceView.cpp (window, layout, refresh, selection), WorkspaceEdits.cpp (the
// one path of every edit, Undo and Redo), WorkspaceLaunch.cpp, WorkspaceChroCommands.cpp,
// WorkspaceGroupCommands.cpp, WorkspaceFiles.cpp, WorkspaceTransfer.cpp (clipboard, import,
// export).
class CWorkspaceView : public CWnd {
public:
    CWorkspaceView();
    ~CWorkspaceView() override;

    // The application's stores, handed over before the window is created and kept for its
    // life. The options are required; without recent files nothing is remembered.
    void SetStores(CAppOptions* options, CRecentFileList* recentFiles);

    // Window and refresh.
    void RefreshChromatogramList();
    void RefreshGroupList();
    void UpdateTitle(bool modified);
    void IsModified(bool& modified) const;
    void ApplyViewMode(bool mini);
    // The frame moved to a monitor of another DPI: the lists' images for it, the lists laid out again.
    void SetDpi(UINT dpi);
    void RestoreGroupSelection();
    void RestoreChromatogramSelection();
    void SyncChromatogramSelection();
    void FocusChromatogramList();
    void FocusGroupList();

    // Launch.
    bool LaunchGroup(DWORD groupId);
    bool LaunchChromatogram(DWORD groupId, DWORD chroId, const char* kind);
    void LaunchSelectedGroup();
    void LaunchSelectedChromatogram();
    bool AutoLaunchActiveGroup();
    void LaunchForHost();

    // Edits. Every change of the list is a step that goes through ApplyEdit: the list manager
    // first, then the lists, the selection and the title. False when the step changes nothing
    // or the list manager refuses it; then nothing has changed.
    bool ApplyEdit(CEditStep step);
    bool Undo();
    bool Redo();
    // Delete Group once the user has agreed.
    bool DeleteGroup(DWORD groupId);

    // List files.
    bool SaveList();
    bool SaveListAs();
    // Whether the last save ended in a Save As the user cancelled (not a failed write).
    bool SaveWasCancelled() const;
    bool OpenRecentFile(int index);
    void OpenListFile(int index);
    void ClearWorkspace();
    void NewList();
    void LoadLastFile();
    bool PromptSaveChanges(bool noCancel);

    // The parts, for the frame and for tests.
    CWorkspaceData& Data() { return *m_pData; }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Shift+Up and Shift+Down in the chromatogram list run Move Up and Move Down.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // Window.
    int OnCreate(CREATESTRUCTA* cs);
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnContextMenu(WPARAM, LPARAM);
    LRESULT OnGroupUpdate(WPARAM, LPARAM);
    LRESULT OnGroupSelected(WPARAM, LPARAM);
    LRESULT OnGroupTab(WPARAM, LPARAM);
    LRESULT OnChroTab(WPARAM, LPARAM);
    void OnUpdateChroCommands(CCmdUI* pCmdUI);
    void OnUpdateMoveCommands(CCmdUI* pCmdUI);
    void OnUpdateGroupCommands(CCmdUI* pCmdUI);
    void OnUpdateNextPrevious(CCmdUI* pCmdUI);
    void OnUpdateAutomate(CCmdUI* pCmdUI);

    // Undo and Redo.
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    // Launch triggers.
    LRESULT OnGroupLaunch(WPARAM, LPARAM);
    LRESULT OnChroLaunch(WPARAM, LPARAM);
    void OnNextGroup();
    void OnPreviousGroup();
    void OnAutomate();

    // Chromatogram commands.
    void OnAddChromatogram();
    void OnEditChromatogram();
    void OnDuplicateChromatogram();
    void OnDeleteChromatogram();
    void OnMoveUp();
    void OnMoveDown();
    LRESULT OnChroUpdate(WPARAM, LPARAM);
    LRESULT OnChroCheck(WPARAM, LPARAM);
    LRESULT OnChroDeleteKey(WPARAM, LPARAM);
    LRESULT OnChroContextMenu(WPARAM, LPARAM);

    // Group commands.
    void OnAddGroup();
    void OnEditGroup();
    void OnDuplicateGroup();
    void OnDeleteGroup();
    void OnMoveGroupUp();
    void OnMoveGroupDown();
    void OnUpdateMoveGroup(CCmdUI* pCmdUI);
    LRESULT OnGroupCheck(WPARAM, LPARAM);
    LRESULT OnGroupDeleteKey(WPARAM, LPARAM);
    LRESULT OnGroupContextMenu(WPARAM, LPARAM);

    // List files.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnRecentFile(UINT id);
    void OnUpdateRecentFile(CCmdUI* pCmdUI);

    // Chromatograms in and out.
    void OnEditCopy();
    void OnCopyAllChromatograms();
    void OnEditPaste();
    void OnFileImport();
    void OnFileExport();
    void OnUpdateCopy(CCmdUI* pCmdUI);
    void OnUpdateCopyAll(CCmdUI* pCmdUI);

private:
    CAppOptions& Options() const { return *m_pOptions; }

    // Shows a popup of the context menus at the pointer, its items enabled by the update handlers.
    // The popup of the context menus at the cursor, or at the given screen point.
    void ShowContextMenu(int popupIndex, const POINT* at = nullptr);
    // The copy of the Automate option and the group list's check boxes follow the option.
    void ApplyAutomate();

    // Launches groupId after stepping the selected group row by delta (Next +1, Previous -1).
    void LaunchNeighbourGroup(int delta);
    // New, Open and a recent file first offer to save a modified list; false: stop.
    bool OfferSaveFirst();
    // Shows what a paste or an import would add; true when the user takes it.
    bool PreviewTransfer(const std::string& title, const STransferTable& table);
    // Adds a paste's or an import's rows as one edit; rows naming no group go to defaultGroup.
    void AddTransferredRows(const std::vector<STransferRow>& rows, DWORD defaultGroup);
    void ShowAfterTransfer(bool groupsAdded);
    // The selection of both lists as it stands.
    SListSelection CurrentSelection() const;
    // The lists, selection and title after a step was applied or undone, showing sel.
    void ShowEdit(bool groupsChanged, const SListSelection& sel);
    // Selects and focuses the group's row, or no row, without moving the keyboard focus.
    void SelectGroupRow(DWORD groupId);
    // Moves the selected group one place (-1 up, +1 down); nothing at the ends.
    void MoveGroup(int delta);
    // The selected group row and whether it can move that way.
    bool CanMoveGroup(int delta, int& row) const;

    std::unique_ptr<CWorkspaceData> m_pData;
    CAppOptions* m_pOptions = nullptr;
    CRecentFileList* m_pRecentFiles = nullptr;
};
