#pragma once

#include <windows.h>

// Wall-clock time from the performance counter, in milliseconds since construction or Restart.
class CStopwatch {
public:
    CStopwatch() { Restart(); }
    void Restart() { QueryPerformanceCounter(&m_start); }
    double ElapsedMs() const
    {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - m_start.QuadPart) * 1000.0 / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start{};
};
