#pragma once

#include "CChroCommands.h"
#include "CChroListCtrl.h"
#include "CEditDisplay.h"
#include "CGroupCommands.h"
#include "CGroupListCtrl.h"
#include "CLaunchCommands.h"
#include "CListDocument.h"
#include "CListFiles.h"
#include "CTransferCommands.h"
#include "CWnd.h"

class CAppOptions;
class CRecentFileList;

// The one child window of the main frame: the group list on the left, the chromatograms of
// the selected group on the right. It shows what the list document holds and routes the
// commands: the document (Undo, Redo) and the command classes (groups, chromatograms, list
// files, transfer, launch) are offered every command and every message of the two lists
// that this window's own table does not take.
class CWorkspaceView : public CWnd, private CEditDisplay {
public:
    CWorkspaceView();
    ~CWorkspaceView() override;

    // The application's stores, handed over before the window is created and kept for its
    // life. The options are required; without recent files nothing is remembered.
    void SetStores(CAppOptions* options, CRecentFileList* recentFiles);

    // Showing the list. The chromatogram list selects row when it is one of its rows, else
    // the row the group remembers, else its last; the group list row, else its last.
    void RefreshChromatogramList(int row = -1);
    void RefreshGroupList(int row = -1);
    void UpdateTitle(bool modified);
    void IsModified(bool& modified) const;
    void ApplyViewMode(bool mini);
    // The frame moved to a monitor of another DPI: the lists' images for it, the lists laid out again.
    void SetDpi(UINT dpi);
    // Both lists after a load, with the rows the options remember selected.
    void ShowWithStoredSelection();
    void SyncChromatogramSelection();
    void FocusChromatogramList();

    // Launch and list-file operations, as the frame and the application call them.
    bool LaunchGroup(DWORD groupId) { return m_launch.LaunchGroup(groupId); }
    void LaunchForHost() { m_launch.LaunchForHost(); }
    void LoadLastFile() { m_files.LoadLastFile(); }
    bool PromptSaveChanges(bool noCancel) { return m_files.PromptSaveChanges(noCancel); }

    // Recovery and other writers. The frame calls these when it is shown and activated: the
    // first show offers the recovery files of ended processes (once the show has finished),
    // and each show or activation reads an unmodified list again when its file changed.
    // The recovery folder (none: the user's) is looked for at the first show, not during
    // start-up.
    void EnableRecovery(std::string folder = {})
    {
        m_bRecovery = true;
        m_strRecoveryFolder = std::move(folder);
    }
    void FrameShown();
    void FrameActivated();
    // A note in the frame's status bar.
    void SetStatusText(const std::string& text);

    // The document, the command classes and the two lists.
    CListDocument& Document() { return m_document; }
    CListFiles& Files() { return m_files; }
    CGroupCommands& Groups() { return m_groups; }
    CLaunchCommands& Launch() { return m_launch; }
    CGroupListCtrl& GroupList() { return m_groupList; }
    CChroListCtrl& ChroList() { return m_chroList; }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Shift+Up and Shift+Down in the chromatogram list run Move Up and Move Down.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // This window's table first, then the document's and each command class's.
    bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, bool bProbeOnly = false) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    int OnCreate(CREATESTRUCTA* cs);
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnContextMenu(WPARAM window, LPARAM point);
    LRESULT OnGroupUpdate(WPARAM, LPARAM);
    LRESULT OnGroupSelected(WPARAM, LPARAM);
    LRESULT OnGroupTab(WPARAM, LPARAM);
    LRESULT OnChroTab(WPARAM, LPARAM);
    LRESULT OnChroUpdate(WPARAM, LPARAM);
    LRESULT OnOfferRecovery(WPARAM, LPARAM);
    // Called when files were dropped on the window: list files open, tables are imported.
    void OnDropFiles(HDROP drop);

private:
    SListSelection CurrentSelection() override;
    void ShowEdit(const SEditReach& reach, const SListSelection& sel) override;
    // The group rows an edit changed drawn again, when the group list can follow it row by
    // row and will select selectedGroup; false when it must be built again.
    bool ShowGroupRows(const std::vector<DWORD>& groups, DWORD selectedGroup);
    // The shown group's rows an edit inserted, removed or changed, in place; false when the
    // chromatogram list must be built again.
    bool ShowChroRows(const std::vector<SEditReach::SChroRows>& changes);

    // In construction order: the two lists, the document, then the command classes over them.
    CGroupListCtrl m_groupList;
    CChroListCtrl m_chroList;
    CListDocument m_document;
    CGroupCommands m_groups;
    CChroCommands m_chros;
    CTransferCommands m_transfer;
    CLaunchCommands m_launch;
    CListFiles m_files;
    CAppOptions* m_pOptions = nullptr;
    DWORD m_shownGroupId = 0;   // the group the chromatogram list shows
    bool m_bShownOnce = false;   // the recovery offer has been posted
    bool m_bRecovery = false;
    std::string m_strRecoveryFolder;
};
