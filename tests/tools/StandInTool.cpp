// A stand-in for the tool in the host simulator's tests: a "Vantrace" window that signals
// its start-up and obeys the host's command message (launch sends one display command,
// close ends the process). With VT_STAND_IN_SILENT set it never signals.
#include "CChroDisplayLink.h"

#include <windows.h>

namespace {
const UINT s_wm_VANTRACE_CMD = RegisterWindowMessageA("s_wm_VANTRACE_CMD");

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == s_wm_VANTRACE_CMD) {
        if (wParam == 4) {
            CChromatogramData tic;
            CChroDisplayLink().LaunchChromatogram(tic, "add");
        } else if (wParam == 3) {
            DestroyWindow(hwnd);
        }
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
}   // namespace

int main()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Vantrace";
    RegisterClassA(&wc);
    HWND owner = FindWindowA("ChroWClass", nullptr);
    if (!CreateWindowExA(0, "Vantrace", "Vantrace", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, owner, nullptr, wc.hInstance,
                         nullptr))
        return 1;
    if (!GetEnvironmentVariableA("VT_STAND_IN_SILENT", nullptr, 0)) {
        HANDLE created = OpenEventA(EVENT_MODIFY_STATE, FALSE, "VANTRACE_CREATE");
        if (created) {
            SetEvent(created);
            CloseHandle(created);
        }
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
