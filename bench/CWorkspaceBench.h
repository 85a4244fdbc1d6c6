#pragma once

#include "CAppOptions.h"
#include "CRecentFileList.h"
#include "CWinApp.h"
#include "CWorkspaceView.h"

#include <windows.h>

#include <memory>
#include <string>

// A workspace window with a list loaded from a file, driven as a user drives it: rows
// selected in its list views and commands sent to it. It reaches nothing inside the window,
// so that the benchmarks of edits measure the commands whatever the window is made of.
class CWorkspaceBench {
public:
    CWorkspaceBench();
    ~CWorkspaceBench();
    CWorkspaceBench(const CWorkspaceBench&) = delete;
    CWorkspaceBench& operator=(const CWorkspaceBench&) = delete;

    // Writes a list of groups x chromatograms to a file and loads it as the most recent file.
    bool Load(int groups, int chromatograms);
    HWND GroupList() const;
    HWND ChroList() const;
    int Rows(HWND list) const;
    // Selects a row as a click would, and lets the workspace follow.
    void Select(HWND list, int row);
    // Runs a command as its menu item would; the milliseconds it took.
    double Command(UINT id);
    // Pastes text through the clipboard; the preview's button is pressed when it shows. The
    // milliseconds until the preview showed, and after its button until the paste ended; 0
    // when it did not show.
    bool Paste(const std::string& text, int button, double& shownMs, double& afterMs);
    // Handles what the commands posted, outside the timed parts.
    static void Pump();
    // A visible top-level window, 900 x 600, for a benchmark's workspace to live in.
    static HWND CreateParentWindow();
    // "100.1\r\n101.2\r\n...": a mass list of lines lines.
    static std::string MassList(int lines);

private:
    struct SApp : CWinApp {
        SApp() { SetRegistryKey("Fenwright"); }
    };
    SApp m_app;
    CAppOptions m_options;
    CRecentFileList m_recent;
    HWND m_hParent = nullptr;
    std::unique_ptr<CWorkspaceView> m_workspace;
    std::string m_path;
};
