#pragma once

#include <windows.h>

#include <string>

// The host's side of its link with the tool: starts the tool's process, waits for its
// start-up signal, sends it the tool command message and waits for it to end.
class CToolLink {
public:
    // The values of the tool command message.
    enum Command { Hide = 0, Show = 1, Nothing = 2, Close = 3, Launch = 4 };

    CToolLink() = default;
    ~CToolLink();
    CToolLink(const CToolLink&) = delete;
    CToolLink& operator=(const CToolLink&) = delete;

    // Creates the start-up event (auto-reset, not signalled).
    bool CreateStartEvent();
    // Starts the tool; false when the process could not be created.
    bool Start(const std::string& exePath);
    // Waits, dispatching messages, until the tool signals its start-up.
    bool WaitStarted(DWORD timeoutMs);
    // Posts the command to the tool's frame window; false when there is none.
    bool Send(Command command) const;
    // After Close: waits until the tool's window is gone and, when this link started the
    // tool, its process has ended.
    bool WaitEnded(DWORD timeoutMs);
    bool HasProcess() const { return m_hProcess != nullptr; }
    bool HasProcessEnded() const;
    void Terminate();

    // Vantrace.exe in the folder of the running program.
    static std::string DefaultToolPath();

private:
    HANDLE m_hStartEvent = nullptr;
    HANDLE m_hProcess = nullptr;
};
