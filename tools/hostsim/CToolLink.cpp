#include "CToolLink.h"

#include "MessagePump.h"

namespace {
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

HWND FindToolWindow()
{
    return FindWindowA("Vantrace", nullptr);
}
}   // namespace

CToolLink::~CToolLink()
{
    if (m_hProcess)
        CloseHandle(m_hProcess);
    if (m_hStartEvent)
        CloseHandle(m_hStartEvent);
}

bool CToolLink::CreateStartEvent()
{
    m_hStartEvent = CreateEventA(nullptr, FALSE, FALSE, "VANTRACE_CREATE");
    if (m_hStartEvent)
        ResetEvent(m_hStartEvent);   // a signal left by an earlier tool is not this one's
    return m_hStartEvent != nullptr;
}

std::string CToolLink::DefaultToolPath()
{
    char path[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return "Vantrace.exe";
    std::string folder(path, length);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "Vantrace.exe";
}

bool CToolLink::Start(const std::string& exePath)
{
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    m_hProcess = process.hProcess;
    return true;
}

bool CToolLink::WaitStarted(DWORD timeoutMs)
{
    return m_hStartEvent && PumpUntil(m_hStartEvent, nullptr, timeoutMs);
}

bool CToolLink::Send(Command command) const
{
    HWND tool = FindToolWindow();
    return tool && PostMessageA(tool, s_wm_VANTRACE_CMD, static_cast<WPARAM>(command), 0);
}

bool CToolLink::HasProcessEnded() const
{
    return m_hProcess && WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0;
}

bool CToolLink::WaitEnded(DWORD timeoutMs)
{
    return PumpUntil(
        nullptr, [this] { return !FindToolWindow() && (!m_hProcess || HasProcessEnded()); }, timeoutMs);
}

void CToolLink::Terminate()
{
    if (m_hProcess && !HasProcessEnded())
        TerminateProcess(m_hProcess, 1);
}
