#pragma once

#include "CChromatogramData.h"

#include <string>
#include <vector>

// A group's name and its chromatograms in order, as a table writes them.
struct SGroupRecords {
    std::string name;
    std::vector<CChromatogramData> chros;
};

// Writes chromatograms as a table with a header line, one line per chromatogram: Name,
// Type (TIC, BPI, MASS, ANALOG), Function, Mass, Channel, Checked (1 or 0), with Group
// first when asked. Fields that hold the separator, a quote or a line break are quoted,
// so CChroTableReader reads every text back as it was. Lines end in CR LF. Plain C++:
// the texts are written in the code page they are held in.
class CChroTableWriter {
public:
    // Tab-separated, for the clipboard.
    static std::string Text(const std::vector<CChromatogramData>& chros);
    // Comma-separated; with withGroup a Group column first, and a line holding only the
    // name of each group that has no chromatograms, so that it is not lost.
    static std::string Csv(const std::vector<SGroupRecords>& groups, bool withGroup);
};
