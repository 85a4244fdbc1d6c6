#pragma once

#include "ChildProcess.h"
#include "DialogAnswerer.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// Vantrace.exe as a separate process, seen from outside: started alone (a host window of the
// test may stand in for the host) or by the host simulator, found by its frame window, sent
// the host's command message, measured and waited for. Its message boxes are answered from
// a second thread, unless the test answers them itself.
class ToolProcess {
public:
    explicit ToolProcess(bool answerBoxes = true) : m_answerBoxes(answerBoxes) {}
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // Starts Vantrace.exe with no host simulator and waits, dispatching this thread's
    // messages, until it sets the start-up event "VANTRACE_CREATE"; true when it did and its
    // frame exists.
    bool StartAlone(DWORD timeoutMs = 30000);
    // Starts hostsim.exe with the arguments (it starts the tool) and waits for the tool's frame.
    bool StartWithHost(const std::string& hostArguments, DWORD timeoutMs = 30000);
    // Starts a further instance and waits for it to end: its exit code, or STILL_ACTIVE.
    DWORD StartAnother(DWORD timeoutMs = 20000);
    bool EventWasSet() const { return m_eventSet; }

    HWND Frame() const { return m_hFrame; }
    HANDLE Process() const { return m_hProcess; }
    // Posts the host's command message ("s_wm_VANTRACE_CMD") to the frame.
    bool Command(WPARAM command) const;
    // Sends it, or a menu command, and so returns once the tool has handled it.
    bool SendCommand(WPARAM command) const;
    bool SendFrameCommand(UINT id) const;
    // Posts a menu command (one that opens a modal dialog).
    bool PostFrameCommand(UINT id) const;
    // Hides and then shows the frame and waits to see each: every command posted before
    // has then been handled. Leaves the frame shown.
    bool Settle(DWORD timeoutMs = 20000) const;
    // Waits until the frame is shown, or hidden.
    bool WaitVisible(bool visible, DWORD timeoutMs) const;
    // Waits, dispatching this thread's messages, for the tool to end; its exit code in *code.
    bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr) const;
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
    void Watch(DWORD processId);

    bool m_answerBoxes;
    ChildProcess m_host;
    ChildProcess m_alone;
    std::unique_ptr<ui::DialogAnswerer> m_answerer;
    HWND m_hFrame = nullptr;
    HANDLE m_hProcess = nullptr;
    bool m_eventSet = false;
};
