#pragma once

#include <windows.h>

// The shared memory the benchmark build's start-up marks go to (see StartupMarks.cpp).
struct SStartupTimeline {
    static constexpr const char* kName = "VantraceBenchStartupMarks";
    static constexpr int kMarks = 64;
    static constexpr int kStepLength = 48;
    struct SMark {
        LONGLONG time;   // performance counter
        char step[kStepLength];
    };
    volatile LONG count;
    SMark marks[kMarks];
};
