// The host scripting library: finds the host's chromatogram window and hands it one
// command text at a time as WM_COPYDATA.
#include <windows.h>

#include <atomic>
#include <cstring>

namespace {
const char kHostWindowClass[] = "ChroWClass";
const ULONG_PTR kCommandTag = 0x56540001;
// How long a host window that took a command is taken to be running without looking again.
const ULONGLONG kAnswerFreshMs = 50;

// The host window found last, and when it last took a command. A launch sends dozens of
// commands in a row, asking before each whether the host runs; a window that took the
// previous command a moment ago still runs, and finding it again costs a round trip to the
// window manager, about as much as the command itself.
std::atomic<HWND> g_host{nullptr};
std::atomic<ULONGLONG> g_answeredAt{0};

HWND FindHostWindow()
{
    HWND host = FindWindowA(kHostWindowClass, nullptr);
    g_host = host;
    return host;
}

HWND RecentHostWindow()
{
    const ULONGLONG answeredAt = g_answeredAt;
    return answeredAt && GetTickCount64() - answeredAt <= kAnswerFreshMs ? g_host.load() : nullptr;
}

bool Send(HWND host, const char* text, int timeout, DWORD_PTR& result)
{
    COPYDATASTRUCT cds{};
    cds.dwData = kCommandTag;
    cds.cbData = static_cast<DWORD>(std::strlen(text) + 1);
    cds.lpData = const_cast<char*>(text);
    return SendMessageTimeoutA(host, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG,
                               static_cast<UINT>(timeout), &result)
           != 0;
}
}   // namespace

extern "C" {

// Non-zero while a top-level host window exists.
int WINAPI IsOrvalisRunning()
{
    return RecentHostWindow() || FindHostWindow();
}

// Sends one NUL-terminated command text to the host window and waits at most timeout
// milliseconds for it. Non-zero when the send went through and the host answered non-zero.
int WINAPI HostScriptCommand(const char* text, int timeout)
{
    if (!text || timeout < 0)
        return 0;
    HWND host = RecentHostWindow();
    const bool remembered = host != nullptr;
    if (!host)
        host = FindHostWindow();
    if (!host)
        return 0;
    DWORD_PTR result = 0;
    bool sent = Send(host, text, timeout, result);
    if (!sent && remembered && !IsWindow(host)) {
        // The host closed, and may have opened a new window, since it last took a command.
        host = FindHostWindow();
        sent = host && Send(host, text, timeout, result);
    }
    g_answeredAt = sent ? GetTickCount64() : 0;
    return sent && result != 0;
}

}   // extern "C"
