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
    // The handle may be an auto-reset event: each wait that sees it signalled consumes the
    // signal, so every such wait's result counts.
    const DWORD start = GetTickCount();
    if (handle && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0)
        return true;
    for (;;) {
        PumpPending();
        if (done && done())
            return true;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        DWORD slice = timeoutMs - elapsed < 50 ? timeoutMs - elapsed : 50;
        DWORD woke = MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE, slice, QS_ALLINPUT);
        if (handle && woke == WAIT_OBJECT_0)
            return true;
    }
}
