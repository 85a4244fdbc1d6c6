#include "ChildProcess.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {
// The process's entry in the system's process list, which Wine fills for processes other
// than the caller too (where GetProcessHandleCount and GetProcessMemoryInfo may give
// nothing). Fills only what is still 0.
void FillFromProcessList(HANDLE process, ChildProcess::Usage& usage)
{
    const DWORD pid = GetProcessId(process);
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    while (NtQuerySystemInformation(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)
           == static_cast<NTSTATUS>(0xC0000004L))
        buffer.resize(buffer.size() * 2);
    for (size_t offset = 0;;) {
        const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == pid) {
            auto fill = [](auto& field, auto value) {
                if (!field)
                    field = value;
            };
            fill(usage.handles, entry->HandleCount);
            fill(usage.privateBytes, entry->PrivatePageCount);
            fill(usage.peakPrivateBytes, entry->VirtualMemoryCounters.PeakPagefileUsage);
            fill(usage.workingSet, entry->VirtualMemoryCounters.WorkingSetSize);
            fill(usage.virtualBytes, entry->VirtualMemoryCounters.VirtualSize);
            return;
        }
        if (!entry->NextEntryOffset)
            return;
        offset += entry->NextEntryOffset;
    }
}

struct WindowSearch {
    const char* className;
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char name[64] = {};
    DWORD pid = 0;
    GetClassNameA(hwnd, name, sizeof name);
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && lstrcmpA(name, search->className) == 0)
        search->found.push_back(hwnd);
    return TRUE;
}
}   // namespace

ChildProcess::~ChildProcess()
{
    if (Running())
        Kill();
    Release();
}

void ChildProcess::Release()
{
    if (m_info.hThread)
        CloseHandle(m_info.hThread);
    if (m_info.hProcess)
        CloseHandle(m_info.hProcess);
    if (m_hOutput)
        CloseHandle(m_hOutput);
    m_info = PROCESS_INFORMATION{};
    m_hOutput = nullptr;
    m_output.clear();
}

std::string ChildProcess::BinPath(const char* program)
{
    char exe[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string folder(exe, length < sizeof exe ? length : 0);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + program;
}

bool ChildProcess::Start(const char* program, const std::string& arguments, bool suspended, bool captureOutput)
{
    if (Running())
        Kill();
    Release();
    const std::string path = BinPath(program);
    std::string line = "\"" + path + "\" " + arguments;
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
    // After many starts Wine now and then refuses one for a moment: try again before giving up.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        std::vector<char> buffer(line.begin(), line.end());
        buffer.push_back('\0');
        started = CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, captureOutput,
                                 suspended ? CREATE_SUSPENDED : 0, nullptr, nullptr, &startup, &m_info)
                  != 0;
        if (!started)
            Sleep(200);
    }
    if (writeEnd)
        CloseHandle(writeEnd);
    return started;
}

bool ChildProcess::Kill()
{
    if (!m_info.hProcess)
        return false;
    TerminateProcess(m_info.hProcess, 99);
    return WaitForSingleObject(m_info.hProcess, 10000) == WAIT_OBJECT_0;
}

bool ChildProcess::Wait(DWORD milliseconds, DWORD& exitCode)
{
    if (!m_info.hProcess || !DispatchUntil([this] { return !Running(); }, milliseconds))
        return false;
    return GetExitCodeProcess(m_info.hProcess, &exitCode) != 0;
}

std::vector<HWND> ChildProcess::Windows(const char* className, DWORD processId)
{
    WindowSearch search{className, processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::WaitWindow(const char* className, DWORD milliseconds)
{
    std::vector<HWND> found;
    DispatchUntil([&] { return !(found = Windows(className, m_info.dwProcessId)).empty(); }, milliseconds);
    return found.empty() ? nullptr : found.front();
}

std::string ChildProcess::Output()
{
    // Only what is there: a process that inherited the pipe could keep it open for long.
    char buffer[4096];
    DWORD available = 0;
    DWORD read = 0;
    while (m_hOutput && PeekNamedPipe(m_hOutput, nullptr, 0, nullptr, &available, nullptr) && available
           && ReadFile(m_hOutput, buffer, available < sizeof buffer ? available : sizeof buffer, &read, nullptr)
           && read)
        m_output.append(buffer, read);
    return m_output;
}

ChildProcess::Usage ChildProcess::Measure(HANDLE process, bool quick)
{
    Usage usage;
    if (!process)
        return usage;
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count))
        usage.handles = count;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        usage.privateBytes = counters.PrivateUsage;
        usage.peakPrivateBytes = counters.PeakPagefileUsage;
        usage.workingSet = counters.WorkingSetSize;
    }
    if (!quick && (!usage.handles || !usage.workingSet || !usage.virtualBytes))
        FillFromProcessList(process, usage);
    return usage;
}

void ChildProcess::DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

NamedEvent::NamedEvent(const std::string& name)
    : m_name(name + "." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(GetTickCount()))
{
    m_hEvent = CreateEventA(nullptr, TRUE, FALSE, m_name.c_str());
}

NamedEvent::~NamedEvent()
{
    if (m_hEvent)
        CloseHandle(m_hEvent);
}
