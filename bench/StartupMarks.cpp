// The benchmark build's start-up marks: each step's time (the performance counter, which is
// the same clock in every process) goes into a block of shared memory that the benchmark
// driver created under a fixed name. Windows created meanwhile are marked too, by a CBT
// hook, so that the steps that create many show where their time goes.
#include "StartupMarks.h"
#include "StartupTimeline.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {
SStartupTimeline* Timeline()
{
    static SStartupTimeline* timeline = [] {
        HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, SStartupTimeline::kName);
        return mapping ? static_cast<SStartupTimeline*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    }();
    return timeline;
}

LRESULT CALLBACK MarkCreations(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        char step[SStartupTimeline::kStepLength];
        const char* name = create->lpcs->lpszClass;
        if (IS_INTRESOURCE(name))
            std::snprintf(step, sizeof step, "  window #%u", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(name)));
        else
            std::snprintf(step, sizeof step, "  window %s", name);
        StartupMark(step);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Marks the start of the program's own code (static objects are built before WinMain) and
// hooks window creations on this thread.
struct SFirstMark {
    SFirstMark()
    {
        StartupMark("program code entered");
        SetWindowsHookExA(WH_CBT, MarkCreations, nullptr, GetCurrentThreadId());
    }
} g_firstMark;
}   // namespace

void StartupMark(const char* step)
{
    SStartupTimeline* timeline = Timeline();
    if (!timeline)
        return;
    const LONG index = InterlockedIncrement(&timeline->count) - 1;
    if (index >= SStartupTimeline::kMarks)
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    timeline->marks[index].time = now.QuadPart;
    std::strncpy(timeline->marks[index].step, step, SStartupTimeline::kStepLength - 1);
}
