#pragma once

#include <windows.h>

#include <functional>

namespace ui {
// Dispatches this thread's messages (through the application's PreTranslateMessage when an
// application exists) until done() holds or timeoutMs passes. True when done() held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches every message already queued, posted ones included.
void PumpPending();
// Dispatches messages for the given time.
void PumpFor(DWORD ms);
}   // namespace ui
