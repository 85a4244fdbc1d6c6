#pragma once

#include "CChromatogramData.h"
#include "CDelimitedReader.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A chromatogram read from one line of a table, and the group it names.
struct STransferRow {
    int line = 0;
    std::string group;        // empty when the table has no Group column
    bool groupOnly = false;   // the line names a group and nothing else (an empty group)
    CChromatogramData chro;
};

// A line that gives no chromatogram, and why ("mass is not a number").
struct SRefusedLine {
    int line = 0;
    std::string reason;
};

struct STransferTable {
    std::vector<STransferRow> rows;
    std::vector<SRefusedLine> refused;
    bool hasGroupColumn = false;
};

// What the reader asks of the tool around it.
struct STransferRules {
    // Puts a field's UTF-8 text into the tool's code page; false when a character has no
    // place there. Null: the text is taken as it is.
    std::function<bool(const std::string& text, std::string& narrow)> toCodePage;
    // True when a name fits the Chromatogram Details dialog's name box. Null: all fit.
    std::function<bool(const std::string& name)> nameFits;
};

// Turns the records of a delimited text into chromatograms as the Chromatogram Details
// dialog would make them, leniently: columns are found by their header names in any order
// and any letter case (Group, Name, Type, Function, Mass, Channel, Checked; others are
// ignored); without a header line the columns stand in the order Name, Type, Function,
// Mass, Channel, Checked; a single column of numbers is a mass list, giving MASS
// chromatograms of function 1 named by their mass. Each refused line says why. Plain C++.
class CChroTableReader {
public:
    static STransferTable Read(std::string_view text, const STransferRules& rules);
    static STransferTable Convert(const std::vector<SDelimitedRow>& rows, const STransferRules& rules);
};

// The text of a refused line as the preview lists it: "line 7: mass is not a number".
std::string RefusalText(const SRefusedLine& refused);
