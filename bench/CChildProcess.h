#pragma once

#include <windows.h>

#include <string>

// A program the benchmarks start and end: the host stand-in, the tool, the bare program.
class CChildProcess {
public:
    CChildProcess() = default;
    ~CChildProcess() { Stop(); }
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // Starts the program bin/<exe> beside this one with the given arguments.
    bool Start(const char* exe, const std::string& arguments);
    // Ends the program (if it still runs) and waits until it has gone.
    void Stop();
    // Waits for the program to end by itself.
    bool WaitForExit(DWORD timeoutMs);
    // Reads the program's private bytes now and keeps the largest reading. Under Wine the
    // system's "peak" for another process is only its present figure (a program that
    // touched and freed 60 MiB read 61.6, then 1.6 MiB), so callers sample often.
    void SamplePrivate();
    // The largest of the readings taken and the system's own peak; 0 when none could be read.
    double PeakPrivateMiB();
    HANDLE Handle() const { return m_info.hProcess; }

    // The full path of a program in the folder of this one.
    static std::string BesideMe(const char* exe);

private:
    PROCESS_INFORMATION m_info{};
    SIZE_T m_largestSample = 0;
};
