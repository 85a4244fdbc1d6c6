#pragma once

#include "CSecurityApp.h"

#include <memory>

class CAppOptions;
class CWindowSettings;
class CRecentFileList;
class CMainFrame;

// The application: single instance, logon, the settings stores, the recent files and the
// main frame (owned by the host's chromatogram window); tells the host when it is ready.
class CVantraceApp : public CSecurityApp {
public:
    CVantraceApp();
    ~CVantraceApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    CAppOptions* GetOptions() const { return m_pOptions.get(); }
    CWindowSettings* GetWindowSettings() const { return m_pWindowSettings.get(); }
    CRecentFileList* GetRecentFiles() const { return m_pRecentFiles.get(); }

protected:
    std::unique_ptr<CAppOptions> m_pOptions;
    std::unique_ptr<CWindowSettings> m_pWindowSettings;
    std::unique_ptr<CRecentFileList> m_pRecentFiles;

private:
    // Steps of the start-up, in order.
    bool TakeInstanceMutex();
    void CreateStores();
    CMainFrame* CreateFrame();
    bool CheckRight(bool visible);
    void SignalHost();
};

// Brings a window of another program forward: found by class and caption (window null).
bool ActivateOtherInstance(HWND window, const char* className, const char* caption);
