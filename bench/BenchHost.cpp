// The host stand-in for the benchmarks: a top-level "ChroWClass" window in its own process
// that accepts every display command. WM_APP answers how many commands it received. It
// sets the event named on its command line once the window exists, and ends on WM_CLOSE.
#include <windows.h>

namespace {
const ULONG_PTR kCommandTag = 0x56540001;
LRESULT g_received = 0;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COPYDATA: {
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!cds || cds->dwData != kCommandTag)
            return 0;
        ++g_received;
        return 1;
    }
    case WM_APP:
        return g_received;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
}   // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.lpszClassName = "ChroWClass";
    if (!RegisterClassA(&wc))
        return 1;
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Bench host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    if (HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, commandLine)) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
