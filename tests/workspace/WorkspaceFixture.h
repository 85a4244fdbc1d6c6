#pragma once

#include "CFrameWnd.h"
#include "DialogAnswerer.h"
#include "CAppOptions.h"
#include "CRecentFileList.h"
#include "CWinApp.h"
#include "CWorkspaceView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The application object of a workspace test program: the registry root of the tool and
// the stores it lends the workspace, an options store that each test starts afresh and a
// recent-file list (none unless a test makes one).
class CWorkspaceTestApp : public CWinApp {
public:
    CWorkspaceTestApp();
    CAppOptions* GetOptions() const { return m_pOptions.get(); }
    std::unique_ptr<CAppOptions> m_pOptions;
    std::unique_ptr<CRecentFileList> m_pRecentFiles;

    // Drops the options store (it writes its cache), empties the tool's registry key and
    // makes a new store.
    void FreshOptions();
    // Drops the options store and empties the tool's registry key.
    void DropOptions();
};

CWorkspaceTestApp& TestApp();

// A plain frame whose one pane is the workspace; commands reach the workspace first, as in
// the main frame.
class CWorkspaceTestFrame : public CFrameWnd {
public:
    CWorkspaceView m_workspace;

    bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, bool bProbeOnly = false) override;
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    int OnCreate(CREATESTRUCTA* cs);
};

// A visible workspace in a test frame, with fresh options and an empty list; helpers to
// fill the list manager and to read the two lists back.
class WorkspaceFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CWorkspaceView& View() { return m_frame.m_workspace; }
    CListManager& Manager() { return View().Document().Manager(); }
    HWND GroupList() { return View().GroupList().m_hWnd; }
    HWND ChroList() { return View().ChroList().m_hWnd; }

    // Appends to the list manager (not to the lists; call ShowList afterwards).
    DWORD AddGroup(const std::string& name, bool checked = false);
    DWORD AddChro(DWORD group, const std::string& name, bool checked = true);
    // Refreshes both lists from the manager and selects the group row, as loading a file does.
    void ShowList(int groupRow = 0);

    // A command as the menu sends it, through the frame's routing.
    void Command(UINT id);
    // Runs a command while the answerer handles the windows it opens. With absentMs, the
    // answerer's last expectation is a window that must not open: it gives up after that
    // time, while this thread keeps answering the messages its search sends.
    std::vector<ui::SeenDialog> Run(UINT id, ui::DialogAnswerer& answerer, DWORD absentMs = 0);
    // Posts a registered message to the workspace as a list control does, and handles it.
    void Post(UINT message);

    std::string Title() const;
    bool Modified();
    // Column 0 texts of a list's rows, top to bottom.
    static std::vector<std::string> Names(HWND list);
    // The selected row (-1 when none), and the focused row (-1 when none).
    static int SelectedRow(HWND list);
    static int FocusedRow(HWND list);
    // The names of a group's chromatograms, and of the groups, in the manager's order.
    std::vector<std::string> ManagerChroNames(DWORD group);
    std::vector<std::string> ManagerGroupNames();

    CWorkspaceTestFrame m_frame;
};
