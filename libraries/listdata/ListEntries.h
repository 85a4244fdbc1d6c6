#pragma once

#include "CGroupDataHelper.h"
#include "CPackedChromatogram.h"

#include <vector>

// One chromatogram as the list keeps it: its id and its packed record. The id sits in
// the record's tail padding: 32 bytes an entry rather than 40, for lists of hundreds of
// thousands of chromatograms.
struct SChroEntry {
    [[no_unique_address]] CPackedChromatogram data;
    DWORD id = 0;
};
static_assert(sizeof(SChroEntry) == 32, "the id no longer fits in the record's tail");

// One group as the list keeps it: its id, record, remembered chromatogram selection and
// its chromatograms in order.
struct SGroupEntry {
    DWORD id = 0;
    int selection = 0;
    CGroupDataHelper data;
    std::vector<SChroEntry> chros;
    size_t lastFound = 0;   // where the last look-up by id found its chromatogram
};
