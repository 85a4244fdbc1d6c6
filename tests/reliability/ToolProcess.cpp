#include "ToolProcess.h"

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
            m_answerer = std::make_unique<ui::DialogAnswerer>(pid);
            m_answerer->AnswerAll();
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

std::vector<std::string> ToolProcess::Boxes() const
{
    std::vector<std::string> boxes;
    for (const ui::SeenDialog& box : m_answerer ? m_answerer->Seen() : std::vector<ui::SeenDialog>())
        boxes.push_back(box.caption + ": " + box.text);
    return boxes;
}
