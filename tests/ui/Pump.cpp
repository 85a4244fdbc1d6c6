#include "Pump.h"

#include "CWinApp.h"

namespace ui {
namespace {
bool DispatchOne()
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    CWinApp* app = AfxGetApp();
    if (!app || !app->PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}
}   // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        while (DispatchOne()) {
        }
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpPending()
{
    for (int round = 0; round < 3; ++round) {   // handlers may post more
        while (DispatchOne()) {
        }
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}
}   // namespace ui
