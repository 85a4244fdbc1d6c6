#pragma once

#include "CWinApp.h"

class CDocManager;

// What the second logon step is handed; both fields are 0 unless a caller wants a callback.
struct tagOVERIDE_LOGIN_CALLBACK_STRUCT {
    DWORD dwCallback;
    DWORD dwContext;
};

// The application base of programs that log their user on in two steps. The site's policy
// (HKCU\Software\Fenwright\Security) is read afresh at each step: a REG_DWORD LogonPart1 or
// LogonPart2 of 0 makes that step fail; an absent value lets it succeed.
class CSecurityApp : public CWinApp {
public:
    explicit CSecurityApp(const char* appName = nullptr);
    ~CSecurityApp() override;

    // First logon step, right after the single-instance guard; non-zero: logon accepted.
    BOOL InitInstancePart1(int reserved, CDocManager* docManager);
    // Second logon step, after the rights check; non-zero: go on.
    BOOL InitInstancePart2(tagOVERIDE_LOGIN_CALLBACK_STRUCT callback);
    // Ends the logon; the result is the process exit code.
    int ExitInstance() override;

    virtual void SetDocumentManager(CDocManager* docManager);

    bool IsLoggedOn() const { return m_bPart1 && m_bPart2; }

private:
    bool m_bPart1 = false;
    bool m_bPart2 = false;
};
