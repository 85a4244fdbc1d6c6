#pragma once

#include <windows.h>

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
    HWND HostWindow() const { return m_hostWindow; }
    void Command(WPARAM command);        // sends "s_wm_VANTRACE_CMD" and waits until handled
    void SendFrameCommand(UINT id);      // sends WM_COMMAND with a menu id and waits
    void PostFrameCommand(UINT id);      // posts it (for commands that open a modal dialog)
    // Pumps this thread's messages (the host window's) for the given time.
    void Pump(DWORD ms);
    const std::vector<std::string>& Received() const { return m_received; }
    void ClearReceived() { m_received.clear(); }

private:
    static LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);
    bool Launch(PROCESS_INFORMATION& process);

    HWND m_hostWindow = nullptr;
    HANDLE m_event = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_eventSet = false;
    std::vector<std::string> m_received;
};

// Removes every value the tool and its security library keep in the registry.
void ClearToolRegistry();
// A value under HKCU\Software\Fenwright\Vantrace\<section>, or -1/"" when missing.
int ReadToolInt(const char* section, const char* name);
bool ToolValueExists(const char* section, const char* name);
void WriteToolInt(const char* section, const char* name, int value);
// The security library's policy and audit log.
void SetDeniedRights(const char* rights);
std::string ReadAuditLog();
void DeleteAuditLog();
}  // namespace e2e
