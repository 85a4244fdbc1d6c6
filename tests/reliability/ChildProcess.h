#pragma once

#include <windows.h>

#include <string>

// A program of the build's bin folder started as a separate process; terminated and
// released when the object goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts bin\<program> with the arguments; a suspended start runs only on Resume.
    bool Start(const char* program, const std::string& arguments, bool suspended = false);
    bool Resume() const { return ResumeThread(m_info.hThread) != static_cast<DWORD>(-1); }
    // Ends the process at once, as a crash or a power cut would, and waits until it is gone.
    bool Kill();
    // Waits for the process to end by itself; false on time-out.
    bool Wait(DWORD milliseconds, DWORD& exitCode);
    HANDLE GetHandle() const { return m_info.hProcess; }
    DWORD GetId() const { return m_info.dwProcessId; }

    // The folder of the running test program, with its trailing backslash.
    static std::string BinFolder();

private:
    void Release();

    PROCESS_INFORMATION m_info{};
};

// A named manual-reset event, created fresh for one exchange with a child process.
class NamedEvent {
public:
    explicit NamedEvent(const std::string& name);
    ~NamedEvent();
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;

    bool Wait(DWORD milliseconds) const { return WaitForSingleObject(m_hEvent, milliseconds) == WAIT_OBJECT_0; }
    void Set() const { SetEvent(m_hEvent); }
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
    HANDLE m_hEvent = nullptr;
};
