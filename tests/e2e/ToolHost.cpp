#include "ToolHost.h"

#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace e2e {
namespace {
const char kHostClass[] = "ChroWClass";
const char kToolKey[] = "Software\\Fenwright\\Vantrace";
const char kSecurityKey[] = "Software\\Fenwright\\Security";
const ULONG_PTR kDisplayCommand = 0x56540001;
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string AuditLogPath()
{
    PWSTR local = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)))
        return {};
    char narrow[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, local, -1, narrow, MAX_PATH, nullptr, nullptr);
    CoTaskMemFree(local);
    return std::string(narrow) + "\\Fenwright\\Security\\audit.log";
}
}  // namespace

ToolHost::ToolHost(bool withHostWindow)
{
    if (withHostWindow) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &ToolHost::HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassA(&wc);
        m_hostWindow = CreateWindowExA(0, kHostClass, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                       wc.hInstance, this);
        SetWindowLongPtrA(m_hostWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    m_event = CreateEventA(nullptr, FALSE, FALSE, "VANTRACE_CREATE");
}

ToolHost::~ToolHost()
{
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            Command(3);   // the host's close command
            if (!WaitForExit(8000))
                TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    if (m_hostWindow)
        DestroyWindow(m_hostWindow);
    if (m_event)
        CloseHandle(m_event);
}

LRESULT CALLBACK ToolHost::HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ToolHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->dwData == kDisplayCommand && data->cbData > 0)
            self->m_received.emplace_back(static_cast<const char*>(data->lpData), data->cbData - 1);
        return 1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool ToolHost::Launch(PROCESS_INFORMATION& process)
{
    std::string command = "\"" + ProgramFolder() + "Vantrace.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process) != FALSE;
}

bool ToolHost::Start(DWORD timeoutMs)
{
    if (!Launch(m_process))
        return false;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HANDLE handles[] = {m_event, m_process.hProcess};
        const DWORD wait = MsgWaitForMultipleObjects(2, handles, FALSE, 50, QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0) {
            m_eventSet = true;
            return true;
        }
        if (wait == WAIT_OBJECT_0 + 1)
            return false;   // the tool ended without signalling
        Pump(0);
    }
    return false;
}

DWORD ToolHost::StartAndWaitForExit(DWORD timeoutMs)
{
    PROCESS_INFORMATION other{};
    if (!Launch(other))
        return static_cast<DWORD>(-1);
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(other.hProcess, 20) == WAIT_TIMEOUT && GetTickCount() - start < timeoutMs)
        Pump(0);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(other.hProcess, &code);
    if (code == STILL_ACTIVE)
        TerminateProcess(other.hProcess, 1);
    if (WaitForSingleObject(m_event, 0) == WAIT_OBJECT_0)
        m_eventSet = true;
    CloseHandle(other.hProcess);
    CloseHandle(other.hThread);
    return code;
}

bool ToolHost::WaitForExit(DWORD timeoutMs, DWORD* code)
{
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(m_process.hProcess, 20) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Pump(0);
    }
    if (code)
        GetExitCodeProcess(m_process.hProcess, code);
    return true;
}

HWND ToolHost::Frame() const
{
    return FindWindowA("Vantrace", nullptr);
}

void ToolHost::Command(WPARAM command)
{
    // Sent, so that the tool has handled it when this returns.
    if (HWND frame = Frame())
        SendMessageTimeoutA(frame, s_wm_VANTRACE_CMD, command, 0, SMTO_NORMAL, 10000, nullptr);
}

void ToolHost::PostFrameCommand(UINT id)
{
    if (HWND frame = Frame())
        PostMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void ToolHost::SendFrameCommand(UINT id)
{
    if (HWND frame = Frame())
        SendMessageTimeoutA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, 10000, nullptr);
}

void ToolHost::Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ms)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

void ClearToolRegistry()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kToolKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSecurityKey);
}

int ReadToolInt(const char* section, const char* name)
{
    const std::string key = std::string(kToolKey) + "\\" + section;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(value);
}

bool ToolValueExists(const char* section, const char* name)
{
    const std::string key = std::string(kToolKey) + "\\" + section;
    return RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void WriteToolInt(const char* section, const char* name, int value)
{
    const std::string key = std::string(kToolKey) + "\\" + section;
    const DWORD data = static_cast<DWORD>(value);
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &data, sizeof data);
}

void SetDeniedRights(const char* rights)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kSecurityKey, "DeniedRights", REG_SZ, rights,
                    static_cast<DWORD>(strlen(rights) + 1));
}

std::string ReadAuditLog()
{
    std::ifstream file(AuditLogPath());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void DeleteAuditLog()
{
    DeleteFileA(AuditLogPath().c_str());
}
}  // namespace e2e
