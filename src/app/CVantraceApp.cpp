#include "CVantraceApp.h"

#include "../frame/CMainFrame.h"
#include "../resources/resource.h"

namespace {
CVantraceApp theApp;
}

BOOL CVantraceApp::InitInstance()
{
    CWinApp::InitInstance();
    SetRegistryKey("Fenwright");
    m_pFrame = std::make_unique<CMainFrame>();
    CMainFrame* frame = m_pFrame.get();
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr))
        return FALSE;
    frame->SetWindowPos(nullptr, 0, 0, 550, 550, SWP_NOMOVE | SWP_NOZORDER);
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
}

CVantraceApp::~CVantraceApp() = default;

int CVantraceApp::ExitInstance()
{
    return CWinApp::ExitInstance();
}
