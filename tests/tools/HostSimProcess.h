#pragma once

#include <windows.h>

#include <string>

// hostsim.exe (or another program of the build) run as a separate process by a test.
class HostSimProcess {
public:
    HostSimProcess() = default;
    ~HostSimProcess();
    HostSimProcess(const HostSimProcess&) = delete;
    HostSimProcess& operator=(const HostSimProcess&) = delete;

    // Starts build/bin/hostsim.exe with the arguments; captureOutput collects its
    // standard output.
    bool Start(const std::string& arguments, bool captureOutput = false);
    // Waits, dispatching this thread's messages, for hostsim's host window to appear.
    HWND WaitHostWindow(DWORD timeoutMs = 10000);
    // Waits, dispatching messages, for the process to end; false on time-out.
    bool WaitExit(DWORD timeoutMs, DWORD& exitCode);
    // Its standard output so far (read once it has ended).
    std::string Output();

    // A program in the folder of the running test.
    static std::string BinPath(const char* name);
    // A fresh file name in the temporary folder.
    static std::string TempFile(const char* prefix);
    static std::string ReadText(const std::string& path);

private:
    HANDLE m_hProcess = nullptr;
    DWORD m_dwProcessId = 0;
    HANDLE m_hOutput = nullptr;
    std::string m_output;
};
