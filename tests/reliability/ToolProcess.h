#pragma once

#include "ChildProcess.h"
#include "DialogAnswerer.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// Vantrace.exe as a separate process, seen from outside: started directly or by the host
// simulator, found by its frame window, sent the host's command message, measured and
// waited for. Its message boxes are answered from a second thread.
class ToolProcess {
public:
    ToolProcess() = default;
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // Starts hostsim.exe with the arguments (it starts the tool) and waits for the tool's frame.
    bool StartWithHost(const std::string& hostArguments, DWORD timeoutMs = 30000);
    // Starts Vantrace.exe with no host and waits for its frame.
    bool StartAlone(DWORD timeoutMs = 30000);

    HWND Frame() const { return m_hFrame; }
    HANDLE Process() const { return m_hProcess; }
    // Posts the host's command message ("s_wm_VANTRACE_CMD") to the frame.
    bool Command(WPARAM command) const;
    // Hides and then shows the frame and waits to see each: every command posted before
    // has then been handled. Leaves the frame shown.
    bool Settle(DWORD timeoutMs = 20000) const;
    // Waits until the frame is shown, or hidden.
    bool WaitVisible(bool visible, DWORD timeoutMs) const;
    // Posts the host's close command and waits for the tool to end; its exit code in code.
    bool Close(DWORD timeoutMs, DWORD& code);
    // The host simulator, when the tool was started through it.
    ChildProcess& Host() { return m_host; }

    // The message boxes the tool showed, answered as a user would ("caption: text").
    std::vector<std::string> Boxes() const;
    // Handles and memory of the tool's process; 0 where the system reports nothing.
    using Usage = ChildProcess::Usage;
    Usage Measure() const { return ChildProcess::Measure(m_hProcess); }

    // The frame window of class "Vantrace", if one exists.
    static HWND FindFrame();
    // The number of top-level "Vantrace" frame windows of the given processes.
    static int CountFrames(const std::vector<DWORD>& processIds);
    // Whether an exit code is one a crash leaves (an exception status).
    static bool IsCrashCode(DWORD code) { return code >= 0xC0000000u; }

private:
    bool WaitForFrame(DWORD timeoutMs);

    ChildProcess m_host;
    ChildProcess m_alone;
    std::unique_ptr<ui::DialogAnswerer> m_answerer;
    HWND m_hFrame = nullptr;
    HANDLE m_hProcess = nullptr;
};
