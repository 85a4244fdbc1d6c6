#include "MessagePump.h"

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));   // leave it for the main loop
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(HANDLE handle, const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (done && done())
            return true;
        if (handle && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0)
            return true;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        DWORD slice = timeoutMs - elapsed < 50 ? timeoutMs - elapsed : 50;
        MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE, slice, QS_ALLINPUT);
    }
}
