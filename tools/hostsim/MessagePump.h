#pragma once

#include <windows.h>

#include <functional>

// Dispatches this thread's messages until handle is signalled (when not null), done()
// holds (when given), or timeoutMs passes. True unless the time ran out.
bool PumpUntil(HANDLE handle, const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches every message already queued.
void PumpPending();
