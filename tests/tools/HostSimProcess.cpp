#include "HostSimProcess.h"

#include "Pump.h"

#include <fstream>
#include <sstream>

HostSimProcess::~HostSimProcess()
{
    if (m_hProcess) {
        if (WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_hProcess, 99);
        CloseHandle(m_hProcess);
    }
    if (m_hOutput)
        CloseHandle(m_hOutput);
}

std::string HostSimProcess::BinPath(const char* name)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string folder(exe);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + name;
}

std::string HostSimProcess::TempFile(const char* prefix)
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, prefix, 0, path);
    return path;
}

std::string HostSimProcess::ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool HostSimProcess::Start(const std::string& arguments, bool captureOutput)
{
    std::string exe = BinPath("hostsim.exe");
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    HANDLE writeEnd = nullptr;
    if (captureOutput) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!CreatePipe(&m_hOutput, &writeEnd, &inherit, 0))
            return false;
        SetHandleInformation(m_hOutput, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, captureOutput, 0, nullptr,
                                  nullptr, &startup, &process);
    if (writeEnd)
        CloseHandle(writeEnd);
    if (!started)
        return false;
    CloseHandle(process.hThread);
    m_hProcess = process.hProcess;
    m_dwProcessId = process.dwProcessId;
    return true;
}

HWND HostSimProcess::WaitHostWindow(DWORD timeoutMs)
{
    HWND found = nullptr;
    bool ours = ui::PumpUntil(
        [&] {
            found = FindWindowA("ChroWClass", nullptr);
            DWORD owner = 0;
            if (found)
                GetWindowThreadProcessId(found, &owner);
            return found && owner == m_dwProcessId;
        },
        timeoutMs);
    return ours ? found : nullptr;
}

bool HostSimProcess::WaitExit(DWORD timeoutMs, DWORD& exitCode)
{
    if (!m_hProcess)
        return false;
    if (!ui::PumpUntil([this] { return WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs))
        return false;
    return GetExitCodeProcess(m_hProcess, &exitCode) != 0;
}

std::string HostSimProcess::Output()
{
    // Only what is there: a process that inherited the pipe could keep it open for long.
    char buffer[4096];
    DWORD available = 0;
    DWORD read = 0;
    while (m_hOutput && PeekNamedPipe(m_hOutput, nullptr, 0, nullptr, &available, nullptr) && available &&
           ::ReadFile(m_hOutput, buffer, available < sizeof buffer ? available : sizeof buffer, &read, nullptr) &&
           read)
        m_output.append(buffer, read);
    return m_output;
}
