#include "CVantraceApp.h"

#include "CMainFrame.h"
#include "CWindowSettings.h"
#include "CRecentFileList.h"
#include "HelpFile.h"
#include "resource.h"
#include "CAppOptions.h"
#include "CWorkspaceView.h"
#include "CInstanceMutex.h"
#include "SecurityAccess.h"
#include "StartupMarks.h"

namespace {
CInstanceMutex g_instanceMutex;
}   // namespace

bool ActivateOtherInstance(HWND window, const char* className, const char* caption)
{
    if (!window && !className && !caption)
        return false;
    if (!window)
        window = FindWindowA(className, caption);
    if (!window)
        return false;
    if (!IsWindowVisible(window))
        ShowWindow(window, SW_SHOW);
    HWND popup = GetLastActivePopup(window);
    BringWindowToTop(window);
    if (IsIconic(popup))
        ShowWindow(popup, SW_RESTORE);
    else
        SetForegroundWindow(popup);
    return true;
}

CVantraceApp::CVantraceApp() : CSecurityApp() {}

CVantraceApp::~CVantraceApp() = default;

BOOL CVantraceApp::InitInstance()
{
    StartupMark("InitInstance entered");
    CWinApp::InitInstance();
    if (!TakeInstanceMutex())
        return FALSE;
    StartupMark("instance mutex");
    if (!InitInstancePart1(0, nullptr))
        return FALSE;
    StartupMark("logon, first step");
    SetRegistryKey("Fenwright");
    help::SetFileName("Orvalis.chm");
    CreateStores();
    StartupMark("settings stores");

    CMainFrame* frame = CreateFrame();
    if (!frame)
        return FALSE;
    frame->Workspace().EnableRecovery();
    StartupMark("frame created");
    m_pOptions->GetMini(&frame->m_bMini);
    m_pOptions->GetVisible(&frame->m_bVisible);
    if (!CheckRight(frame->m_bVisible))
        return FALSE;
    StartupMark("right checked");
    tagOVERIDE_LOGIN_CALLBACK_STRUCT noOverride{};
    if (!InitInstancePart2(noOverride))
        return FALSE;
    StartupMark("logon, second step");

    frame->SwitchViewMode(frame->m_bMini);   // the stored placement decides visibility
    StartupMark("view mode and placement");
    frame->Workspace().LoadLastFile();
    StartupMark("last list loaded and shown");
    frame->UpdateWindow();
    StartupMark("frame painted");
    SignalHost();
    StartupMark("event set");
    return TRUE;
}

// An earlier instance that died holding the mutex leaves it abandoned: this instance then
// owns it. Another live instance makes this one end without a window.
bool CVantraceApp::TakeInstanceMutex()
{
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "VantraceMutex");
    if (!mutex) {
        MessageBeep(MB_ICONHAND);
        return false;
    }
    g_instanceMutex.Set(mutex);
    for (;;) {
        const DWORD wait = WaitForSingleObject(mutex, 0);
        if (wait == WAIT_ABANDONED)
            continue;
        if (wait == WAIT_TIMEOUT) {
            ActivateOtherInstance(nullptr, nullptr, "Vantraceinstcheck");
            return false;
        }
        return true;
    }
}

void CVantraceApp::CreateStores()
{
    m_pRecentFiles = std::make_unique<CRecentFileList>(0, "Vantrace\\Recent files", "file%d", 4, 30);
    m_pRecentFiles->ReadList();
    m_pOptions = std::make_unique<CAppOptions>();
    m_pWindowSettings = std::make_unique<CWindowSettings>();
    m_pOptions->DefineEntries();
}

// The frame is owned by the host's chromatogram window when there is one.
CMainFrame* CVantraceApp::CreateFrame()
{
    // The frame deletes itself when its window is destroyed or cannot be created.
    auto* frame = new CMainFrame(*m_pOptions, *m_pWindowSettings, m_pRecentFiles.get());
    m_pMainWnd = frame;
    HWND host = FindWindowA("ChroWClass", nullptr);
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, host)) {
        m_pMainWnd = nullptr;
        return nullptr;
    }
    return frame;
}

bool CVantraceApp::CheckRight(bool visible)
{
    const int granted = visible ? SecurityEnquire(0, CMainFrame::kRightToUseTool, 0)
                                : SecurityEnquireNoAudit(0, CMainFrame::kRightToUseTool);
    return granted != 0;
}

// The host waits for this event before it sends commands; the handle stays open.
void CVantraceApp::SignalHost()
{
    HANDLE created = CreateEventA(nullptr, FALSE, FALSE, "VANTRACE_CREATE");
    if (created)
        SetEvent(created);
}

int CVantraceApp::ExitInstance()
{
    const int exitCode = CSecurityApp::ExitInstance();
    g_instanceMutex.Release();
    m_pOptions.reset();   // writes every cached option
    m_pWindowSettings.reset();
    if (m_pRecentFiles) {
        m_pRecentFiles->WriteList();
        m_pRecentFiles.reset();
    }
    return exitCode;
}
