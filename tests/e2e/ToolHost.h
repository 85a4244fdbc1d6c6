#pragma once

#include "ChildProcess.h"
#include "TestHostWindow.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {
// Plays the host application for Vantrace.exe started as a separate process: a real
// "ChroWClass" window that records the display commands it receives, the event
// "VANTRACE_CREATE", and the registered command message sent to the tool's frame.
class ToolHost {
public:
    explicit ToolHost(bool withHostWindow = true);
    ~ToolHost();
    ToolHost(const ToolHost&) = delete;
    ToolHost& operator=(const ToolHost&) = delete;

    // Starts Vantrace.exe from this program's folder; true once it set the event.
    bool Start(DWORD timeoutMs = 20000);
    // Starts another instance; returns its exit code once it has ended (or STILL_ACTIVE).
    DWORD StartAndWaitForExit(DWORD timeoutMs = 20000);
    // True when the tool's process ended within the time-out; its exit code in *code.
    bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr);
    bool EventWasSet() const { return m_eventSet; }

    HWND Frame() const;                  // the tool's frame window (class "Vantrace")
    HWND HostWindow() const { return m_host ? m_host->GetHwnd() : nullptr; }
    void Command(WPARAM command);        // sends "s_wm_VANTRACE_CMD" and waits until handled
    void SendFrameCommand(UINT id);      // sends WM_COMMAND with a menu id and waits
    void PostFrameCommand(UINT id);      // posts it (for commands that open a modal dialog)
    // Pumps this thread's messages (the host window's) for the given time.
    void Pump(DWORD ms);
    // The display commands the host window received.
    std::vector<std::string> Received() const { return m_host ? m_host->Texts() : std::vector<std::string>(); }
    DWORD ProcessId() const { return m_tool.GetId(); }

private:
    std::unique_ptr<TestHostWindow> m_host;
    HANDLE m_event = nullptr;
    ChildProcess m_tool;
    bool m_eventSet = false;
};

// The security library's audit log.
std::string ReadAuditLog();
void DeleteAuditLog();
}  // namespace e2e
