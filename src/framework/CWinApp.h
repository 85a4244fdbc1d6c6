#pragma once

#include "CCmdTarget.h"

#include <string>

class CWnd;

// The application: one per process. Runs InitInstance, the message loop (accelerators
// through the main window's PreTranslateMessage, idle update of command states) and
// ExitInstance, and keeps settings in HKEY_CURRENT_USER\Software\<company>\<app>\<section>.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Called when the message queue is empty; non-zero asks for another call.
    virtual BOOL OnIdle(LONG count);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Takes one message from the queue into m_msgCur and dispatches it; FALSE on WM_QUIT.
    BOOL PumpMessage();
    // Whether dispatching msg may have changed command states, so idle updates run again.
    virtual BOOL IsIdleMessage(const MSG* msg) const;

    const std::string& GetAppName() const { return m_strAppName; }
    const std::string& GetRegistryKey() const { return m_strRegistryKey; }

    void SetRegistryKey(const char* company);
    // The wrong type in the registry counts as a missing value.
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    BOOL WriteProfileInt(const char* section, const char* entry, int value) const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = "") const;
    BOOL WriteProfileString(const char* section, const char* entry, const char* value) const;

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // File Exit: asks the main window to close, as its close box would.
    void OnAppExit();

private:
    // The section's key, opened for reading or created for writing; nullptr when not there.
    HKEY OpenSectionKey(const char* section, bool create) const;

    std::string m_strAppName;
    std::string m_strRegistryKey;
    CWinApp* m_pPreviousApp;   // the application object this one stands in for while it lives (tests)
    int m_nExitCode = 0;
    MSG m_msgCur{};   // the message PumpMessage dispatched last
};

CWinApp* AfxGetApp();
// Runs the application object: InitInstance, then the message loop; a failed start-up
// destroys the main window if there is one and ends through ExitInstance. The exit code.
int AfxWinMain();
CWnd* AfxGetMainWnd();
// The module that holds the program's resources.
HINSTANCE AfxGetResourceHandle();
// A string from the string table, empty when missing.
std::string LoadResourceString(UINT id);
