#include "ToolHost.h"

#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace e2e {
namespace {
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

std::string AuditLogPath()
{
    PWSTR local = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)))
        return {};
    char narrow[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, local, -1, narrow, MAX_PATH, nullptr, nullptr);
    CoTaskMemFree(local);
    return std::string(narrow) + "\\Fenwright\\Security\\audit.log";
}
}  // namespace

ToolHost::ToolHost(bool withHostWindow)
{
    if (withHostWindow)
        m_host = std::make_unique<TestHostWindow>();
    m_event = CreateEventA(nullptr, FALSE, FALSE, "VANTRACE_CREATE");
}

ToolHost::~ToolHost()
{
    if (m_tool.Running()) {
        Command(3);   // the host's close command
        WaitForExit(8000);   // ChildProcess ends it if it is still there
    }
    if (m_event)
        CloseHandle(m_event);
}

bool ToolHost::Start(DWORD timeoutMs)
{
    if (!m_tool.Start("Vantrace.exe"))
        return false;
    ChildProcess::DispatchUntil(
        [this] {
            m_eventSet = WaitForSingleObject(m_event, 0) == WAIT_OBJECT_0;
            return m_eventSet || !m_tool.Running();
        },
        timeoutMs);
    return m_eventSet;   // false also when the tool ended without signalling
}

DWORD ToolHost::StartAndWaitForExit(DWORD timeoutMs)
{
    ChildProcess other;
    if (!other.Start("Vantrace.exe"))
        return static_cast<DWORD>(-1);
    DWORD code = STILL_ACTIVE;
    other.Wait(timeoutMs, code);
    if (WaitForSingleObject(m_event, 0) == WAIT_OBJECT_0)
        m_eventSet = true;
    return code;
}

bool ToolHost::WaitForExit(DWORD timeoutMs, DWORD* code)
{
    DWORD exitCode = 0;
    if (!m_tool.Wait(timeoutMs, exitCode))
        return false;
    if (code)
        *code = exitCode;
    return true;
}

HWND ToolHost::Frame() const
{
    return FindWindowA("Vantrace", nullptr);
}

void ToolHost::Command(WPARAM command)
{
    // Sent, so that the tool has handled it when this returns.
    if (HWND frame = Frame())
        SendMessageTimeoutA(frame, s_wm_VANTRACE_CMD, command, 0, SMTO_NORMAL, 10000, nullptr);
}

void ToolHost::PostFrameCommand(UINT id)
{
    if (HWND frame = Frame())
        PostMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void ToolHost::SendFrameCommand(UINT id)
{
    if (HWND frame = Frame())
        SendMessageTimeoutA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, 10000, nullptr);
}

void ToolHost::Pump(DWORD ms)
{
    ChildProcess::DispatchUntil([] { return false; }, ms);
}

std::string ReadAuditLog()
{
    std::ifstream file(AuditLogPath());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void DeleteAuditLog()
{
    DeleteFileA(AuditLogPath().c_str());
}
}  // namespace e2e
