// The host scripting library: finds the host's chromatogram window and hands it one
// command text at a time as WM_COPYDATA.
#include <windows.h>

#include <cstring>

namespace {
const char kHostWindowClass[] = "ChroWClass";
const ULONG_PTR kCommandTag = 0x56540001;

HWND FindHostWindow()
{
    return FindWindowA(kHostWindowClass, nullptr);
}
}  // namespace

extern "C" {

// Non-zero while a top-level host window exists.
int WINAPI IsOrvalisRunning()
{
    return FindHostWindow() != nullptr;
}

// Sends one NUL-terminated command text to the host window and waits at most timeout
// milliseconds for it. Non-zero when the send went through and the host answered non-zero.
int WINAPI HostScriptCommand(const char* text, int timeout)
{
    if (!text || timeout < 0)
        return 0;
    HWND host = FindHostWindow();
    if (!host)
        return 0;
    COPYDATASTRUCT cds{};
    cds.dwData = kCommandTag;
    cds.cbData = static_cast<DWORD>(std::strlen(text) + 1);
    cds.lpData = const_cast<char*>(text);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(host, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG,
                             static_cast<UINT>(timeout), &result))
        return 0;
    return result != 0;
}

}  // extern "C"
