#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A program of the build's bin folder run as a separate process by a test or a benchmark:
// started, watched, measured and waited for; ended at once if it still runs when the
// object goes. The waits dispatch this thread's messages, since the child may be talking
// to a window of this thread.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts bin\<program> with the arguments; a suspended start runs only on Resume;
    // captureOutput collects its standard output for Output.
    bool Start(const char* program, const std::string& arguments = "", bool suspended = false,
               bool captureOutput = false);
    bool Resume() const { return ResumeThread(m_info.hThread) != static_cast<DWORD>(-1); }
    // Ends the process at once, as a crash or a power cut would, and waits until it is gone.
    bool Kill();
    // Waits for the process to end by itself; false on time-out.
    bool Wait(DWORD milliseconds, DWORD& exitCode);
    bool Wait(DWORD milliseconds)
    {
        DWORD exitCode = 0;
        return Wait(milliseconds, exitCode);
    }
    bool Running() const { return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }
    // Waits for a top-level window of the class that belongs to the process; nullptr on time-out.
    HWND WaitWindow(const char* className, DWORD milliseconds = 10000);
    // Its standard output so far (a started capture only).
    std::string Output();
    HANDLE GetHandle() const { return m_info.hProcess; }
    DWORD GetId() const { return m_info.dwProcessId; }

    // Handles and memory of a process; 0 where the system reports nothing.
    struct Usage {
        DWORD handles = 0;
        SIZE_T privateBytes = 0;
        SIZE_T peakPrivateBytes = 0;
        SIZE_T workingSet = 0;
        SIZE_T virtualBytes = 0;
    };
    // What the system's process list adds (handles and memory that Wine reports only there
    // for another process) is read where the direct calls gave nothing, unless quick is set.
    static Usage Measure(HANDLE process, bool quick = false);
    Usage Measure(bool quick = false) const { return Measure(m_info.hProcess, quick); }

    // The top-level windows of the class that belong to a process.
    static std::vector<HWND> Windows(const char* className, DWORD processId);
    // A program in the folder of the running program (the folder itself for "").
    static std::string BinPath(const char* program = "");
    // Dispatches this thread's messages until done() holds or the time is up; true when it held.
    template <typename Done>
    static bool DispatchUntil(Done done, DWORD milliseconds);

private:
    void Release();
    static void DispatchPending();

    PROCESS_INFORMATION m_info{};
    HANDLE m_hOutput = nullptr;
    std::string m_output;
};

template <typename Done>
bool ChildProcess::DispatchUntil(Done done, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        DispatchPending();
        if (done())
            return true;
        if (GetTickCount() - start >= milliseconds)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

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
