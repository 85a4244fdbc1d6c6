#pragma once

#include "CGroupDataHelper.h"
#include "CPackedChromatogram.h"

#include <vector>

// One chromatogram as the list keeps it: its id and its packed record.
struct SChroEntry {
    DWORD id = 0;
    CPackedChromatogram data;
};

// One group as the list keeps it: its id, record, remembered chromatogram selection and
// its chromatograms in order.
struct SGroupEntry {
    DWORD id = 0;
    int selection = 0;
    CGroupDataHelper data;
    std::vector<SChroEntry> chros;
    size_t lastFound = 0;   // where the last look-up by id found its chromatogram
};
