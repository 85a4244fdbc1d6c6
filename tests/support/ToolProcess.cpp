#include "ToolProcess.h"

namespace {
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");
const char kFrameClass[] = "Vantrace";

// The start-up event the tool sets, as the host creates it.
HANDLE CreateStartupEvent()
{
    return CreateEventA(nullptr, FALSE, FALSE, "VANTRACE_CREATE");
}
}   // namespace

ToolProcess::~ToolProcess()
{
    if (m_hProcess) {
        DWORD code = 0;
        if (!WaitForExit(0) && !Close(10000, code))
            TerminateProcess(m_hProcess, 99);
        CloseHandle(m_hProcess);
    }
}

HWND ToolProcess::FindFrame()
{
    return FindWindowA(kFrameClass, nullptr);
}

int ToolProcess::CountFrames(const std::vector<DWORD>& processIds)
{
    size_t count = 0;
    for (DWORD id : processIds)
        count += ChildProcess::Windows(kFrameClass, id).size();
    return static_cast<int>(count);
}

// Keeps a handle on the tool's process (a grandchild when the host simulator started it)
// and answers its message boxes from now on.
void ToolProcess::Watch(DWORD processId)
{
    m_hProcess =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE, FALSE, processId);
    if (m_answerBoxes) {
        m_answerer = std::make_unique<ui::DialogAnswerer>(processId);
        m_answerer->AnswerAll();
    }
}

bool ToolProcess::WaitForFrame(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND frame = FindFrame()) {
            DWORD pid = 0;
            GetWindowThreadProcessId(frame, &pid);
            m_hFrame = frame;
            Watch(pid);
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
    const HANDLE created = CreateStartupEvent();
    if (!m_alone.Start("Vantrace.exe")) {
        CloseHandle(created);
        return false;
    }
    Watch(m_alone.GetId());
    ChildProcess::DispatchUntil(
        [&] {
            m_eventSet = WaitForSingleObject(created, 0) == WAIT_OBJECT_0;
            return m_eventSet || !m_alone.Running();
        },
        timeoutMs);
    CloseHandle(created);
    const std::vector<HWND> frames = ChildProcess::Windows(kFrameClass, m_alone.GetId());
    m_hFrame = frames.empty() ? nullptr : frames.front();
    return m_eventSet && m_hProcess && m_hFrame;   // false also when the tool ended without signalling
}

DWORD ToolProcess::StartAnother(DWORD timeoutMs)
{
    const HANDLE created = CreateStartupEvent();
    ChildProcess other;
    DWORD code = STILL_ACTIVE;
    if (!other.Start("Vantrace.exe"))
        code = static_cast<DWORD>(-1);
    else
        other.Wait(timeoutMs, code);
    CloseHandle(created);
    return code;
}

bool ToolProcess::Command(WPARAM command) const
{
    return m_hFrame && PostMessageA(m_hFrame, s_wm_VANTRACE_CMD, command, 0);
}

bool ToolProcess::SendCommand(WPARAM command) const
{
    return m_hFrame && SendMessageTimeoutA(m_hFrame, s_wm_VANTRACE_CMD, command, 0, SMTO_NORMAL, 10000, nullptr);
}

bool ToolProcess::SendFrameCommand(UINT id) const
{
    return m_hFrame && SendMessageTimeoutA(m_hFrame, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, 10000, nullptr);
}

bool ToolProcess::PostFrameCommand(UINT id) const
{
    return m_hFrame && PostMessageA(m_hFrame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool ToolProcess::WaitVisible(bool visible, DWORD timeoutMs) const
{
    return ChildProcess::DispatchUntil([&] { return (IsWindowVisible(m_hFrame) != 0) == visible; }, timeoutMs);
}

bool ToolProcess::Settle(DWORD timeoutMs) const
{
    // Posted messages are handled in order: once the hide and then the show posted after
    // them have been seen to work, so has everything before.
    return Command(0) && WaitVisible(false, timeoutMs) && Command(1) && WaitVisible(true, timeoutMs);
}

bool ToolProcess::WaitForExit(DWORD timeoutMs, DWORD* code) const
{
    if (!m_hProcess
        || !ChildProcess::DispatchUntil([this] { return WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0; },
                                        timeoutMs))
        return false;
    DWORD exitCode = 0;
    GetExitCodeProcess(m_hProcess, &exitCode);
    if (code)
        *code = exitCode;
    return true;
}

bool ToolProcess::Close(DWORD timeoutMs, DWORD& code)
{
    return Command(3) && WaitForExit(timeoutMs, &code);
}

std::vector<std::string> ToolProcess::Boxes() const
{
    std::vector<std::string> boxes;
    for (const ui::SeenDialog& box : m_answerer ? m_answerer->Seen() : std::vector<ui::SeenDialog>())
        boxes.push_back(box.caption + ": " + box.text);
    return boxes;
}
