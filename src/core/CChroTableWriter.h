#pragma once

#include "CChromatogramData.h"

#include <string>
#include <string_view>
#include <vector>

// A group's name and its chromatograms in order, as a table writes them, with what a whole
// list's export writes of the group itself.
struct SGroupRecords {
    std::string name;
    std::vector<CChromatogramData> chros;
    std::string comment;
    int rangeMode = 0;   // 0 keep the current range, 1 reset to default, 2 use range
    std::string range;
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
    // Comma-separated; with withGroup the group's columns first (Group, Group Number: its
    // place in the table from 1, which keeps groups of one name apart, Group Comment, Group
    // Range: keep, default or the range), and a line holding only the group's columns for
    // each group that has no chromatograms, so that it is not lost.
    static std::string Csv(const std::vector<SGroupRecords>& groups, bool withGroup);

    // The same comma-separated table written piece by piece into one text, for a list too
    // large to copy into records first: the header, then for each group its columns (empty
    // when the table has none) and each of its lines.
    static void AppendCsvHeader(std::string& out, bool withGroup);
    // The group's columns of a whole list's export, each followed by a comma.
    static std::string CsvGroupColumns(std::string_view name, size_t number, std::string_view comment, int rangeMode,
                                       std::string_view range);
    // The line that keeps a group with no chromatograms.
    static void AppendCsvEmptyGroup(std::string& out, std::string_view groupColumns);
    static void AppendCsvLine(std::string& out, std::string_view groupColumns, const CChromatogramData& chro);
};
