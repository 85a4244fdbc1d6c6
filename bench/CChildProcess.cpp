#include "CChildProcess.h"

#include <psapi.h>

#include <vector>

std::string CChildProcess::BesideMe(const char* exe)
{
    char path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    const size_t slash = folder.find_last_of("\\/");
    folder.resize(slash == std::string::npos ? 0 : slash + 1);
    return folder + exe;
}

bool CChildProcess::Start(const char* exe, const std::string& arguments)
{
    Stop();
    const std::string program = BesideMe(exe);
    std::string command = "\"" + program + "\" " + arguments;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // After many starts Wine now and then refuses one for a moment: try again before giving up.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &m_info))
            return true;
        Sleep(200);
    }
    return false;
}

void CChildProcess::Stop()
{
    if (!m_info.hProcess)
        return;
    if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_info.hProcess, 1);
    WaitForSingleObject(m_info.hProcess, 10000);
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    m_info = PROCESS_INFORMATION{};
    m_largestSample = 0;
}

bool CChildProcess::WaitForExit(DWORD timeoutMs)
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void CChildProcess::SamplePrivate()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (m_info.hProcess
        && GetProcessMemoryInfo(m_info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                sizeof counters)) {
        const SIZE_T reading = counters.PeakPagefileUsage > counters.PagefileUsage ? counters.PeakPagefileUsage
                                                                                   : counters.PagefileUsage;
        if (reading > m_largestSample)
            m_largestSample = reading;
    }
}

double CChildProcess::PeakPrivateMiB()
{
    SamplePrivate();
    return double(m_largestSample) / (1024.0 * 1024.0);
}
