#include "CSecurityApp.h"

#include "CSecurityPolicy.h"

CSecurityApp::CSecurityApp(const char* appName) : CWinApp(appName) {}

CSecurityApp::~CSecurityApp() = default;

BOOL CSecurityApp::InitInstancePart1(int /*reserved*/, CDocManager* /*docManager*/)
{
    m_bPart1 = CSecurityPolicy::LogonStepAllowed("LogonPart1");
    return m_bPart1 ? TRUE : FALSE;
}

BOOL CSecurityApp::InitInstancePart2(tagOVERIDE_LOGIN_CALLBACK_STRUCT /*callback*/)
{
    m_bPart2 = m_bPart1 && CSecurityPolicy::LogonStepAllowed("LogonPart2");
    return m_bPart2 ? TRUE : FALSE;
}

int CSecurityApp::ExitInstance()
{
    m_bPart1 = false;
    m_bPart2 = false;
    return CWinApp::ExitInstance();
}

void CSecurityApp::SetDocumentManager(CDocManager* /*docManager*/) {}
