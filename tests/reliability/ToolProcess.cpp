#include "ToolProcess.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

struct FrameCount {
    const std::vector<DWORD>* processIds;
    int count;
};

BOOL CALLBACK CountFrame(HWND hwnd, LPARAM param)
{
    auto* frames = reinterpret_cast<FrameCount*>(param);
    char name[32] = {};
    DWORD pid = 0;
    GetClassNameA(hwnd, name, sizeof name);
    GetWindowThreadProcessId(hwnd, &pid);
    if (lstrcmpA(name, "Vantrace") != 0) return TRUE;
    for (DWORD id : *frames->processIds)
        if (id == pid) ++frames->count;
    return TRUE;
}
}  // namespace

ToolProcess::~ToolProcess()
{
    if (m_hProcess) {
        if (WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT) {
            DWORD code = 0;
            if (!Close(10000, code)) TerminateProcess(m_hProcess, 99);
        }
        CloseHandle(m_hProcess);
    }
}

HWND ToolProcess::FindFrame()
{
    return FindWindowA("Vantrace", nullptr);
}

int ToolProcess::CountFrames(const std::vector<DWORD>& processIds)
{
    FrameCount frames{&processIds, 0};
    EnumWindows(CountFrame, reinterpret_cast<LPARAM>(&frames));
    return frames.count;
}

bool ToolProcess::WaitForFrame(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND frame = FindFrame()) {
            DWORD pid = 0;
            GetWindowThreadProcessId(frame, &pid);
            m_hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE,
                                     FALSE, pid);
            m_hFrame = frame;
            m_answerer = std::make_unique<BoxAnswerer>(pid);
            return m_hProcess != nullptr;
        }
        Sleep(50);
    }
    return false;
}

bool ToolProcess::StartWithHost(const std::string& hostArguments, DWORD timeoutMs)
{
    return m_host.Start("hostsim.exe", hostArguments) && WaitForFrame(timeoutMs);
}

bool ToolProcess::StartAlone(DWORD timeoutMs)
{
    return m_alone.Start("Vantrace.exe", "") && WaitForFrame(timeoutMs);
}

bool ToolProcess::Command(WPARAM command) const
{
    return m_hFrame && PostMessageA(m_hFrame, s_wm_VANTRACE_CMD, command, 0);
}

bool ToolProcess::WaitVisible(bool visible, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    while ((IsWindowVisible(m_hFrame) != 0) != visible) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

bool ToolProcess::Settle(DWORD timeoutMs) const
{
    // Posted messages are handled in order: once the hide and then the show posted after
    // them have been seen to work, so has everything before.
    return Command(0) && WaitVisible(false, timeoutMs) && Command(1) && WaitVisible(true, timeoutMs);
}

bool ToolProcess::Close(DWORD timeoutMs, DWORD& code)
{
    if (!m_hProcess || !Command(3) || WaitForSingleObject(m_hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(m_hProcess, &code) != 0;
}

ToolProcess::Usage ToolProcess::Measure() const
{
    Usage usage;
    DWORD count = 0;
    if (GetProcessHandleCount(m_hProcess, &count)) usage.handles = count;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(m_hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        usage.privateBytes = counters.PrivateUsage;
        usage.workingSet = counters.WorkingSetSize;
    }
    if (!usage.handles || !usage.workingSet) FillFromProcessList(usage);
    return usage;
}

// The process's entry in the system's process list, which Wine fills for processes other
// than the caller too (where GetProcessHandleCount and GetProcessMemoryInfo give nothing).
void ToolProcess::FillFromProcessList(Usage& usage) const
{
    const DWORD pid = GetProcessId(m_hProcess);
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    while (NtQuerySystemInformation(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)
           == static_cast<NTSTATUS>(0xC0000004L))
        buffer.resize(buffer.size() * 2);
    for (size_t offset = 0;;) {
        const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == pid) {
            usage.handles = entry->HandleCount;
            usage.privateBytes = entry->PrivatePageCount;
            usage.workingSet = entry->VirtualMemoryCounters.WorkingSetSize;
            usage.virtualBytes = entry->VirtualMemoryCounters.VirtualSize;
            return;
        }
        if (!entry->NextEntryOffset) return;
        offset += entry->NextEntryOffset;
    }
}
