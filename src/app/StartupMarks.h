#pragma once

// Timestamps of the start-up's steps, taken only in the benchmark build of the tool
// (bench/, VT_STARTUP_MARKS); in every other build a mark is nothing at all.
#ifdef VT_STARTUP_MARKS
void StartupMark(const char* step);
#else
inline void StartupMark(const char*) {}
#endif
