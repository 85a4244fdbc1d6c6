#include "ChildProcess.h"

#include <vector>

ChildProcess::~ChildProcess()
{
    if (m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
        Kill();
    Release();
}

void ChildProcess::Release()
{
    if (m_info.hThread) CloseHandle(m_info.hThread);
    if (m_info.hProcess) CloseHandle(m_info.hProcess);
    m_info = PROCESS_INFORMATION{};
}

std::string ChildProcess::BinFolder()
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string folder(exe);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder;
}

bool ChildProcess::Start(const char* program, const std::string& arguments, bool suspended)
{
    Release();
    std::string line = "\"";
    line += BinFolder();
    line += program;
    line += "\" ";
    line += arguments;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, suspended ? CREATE_SUSPENDED : 0, nullptr, nullptr,
                          &startup, &m_info) != 0;
}

bool ChildProcess::Kill()
{
    if (!m_info.hProcess) return false;
    TerminateProcess(m_info.hProcess, 99);
    return WaitForSingleObject(m_info.hProcess, 10000) == WAIT_OBJECT_0;
}

bool ChildProcess::Wait(DWORD milliseconds, DWORD& exitCode)
{
    if (!m_info.hProcess || WaitForSingleObject(m_info.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(m_info.hProcess, &exitCode) != 0;
}

NamedEvent::NamedEvent(const std::string& name)
    : m_name(name + "." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(GetTickCount()))
{
    m_hEvent = CreateEventA(nullptr, TRUE, FALSE, m_name.c_str());
}

NamedEvent::~NamedEvent()
{
    if (m_hEvent) CloseHandle(m_hEvent);
}
