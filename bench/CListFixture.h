#pragma once

#include "CListManager.h"

#include <string>

// The lists the benchmarks work on, built through the list manager's own operations so
// that they hold what a user's list would: names, comments, descriptions, masses, ranges.
class CListFixture {
public:
    // groups groups of chromatograms chromatograms each, every one checked; firstGroup
    // receives the id of the first group.
    static bool Fill(CListManager& list, int groups, int chromatograms, DWORD& firstGroup);
    // Writes such a list to path with the manager's Save.
    static bool WriteFile(const std::string& path, int groups, int chromatograms);
    // A path in the temporary folder, unique to this process, for the given file name.
    static std::string TempPath(const char* name);
    static long long FileSize(const std::string& path);
};
