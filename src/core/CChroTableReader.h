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
    int groupIndex = -1;      // into STransferTable::groups; -1 when the line names no group
    bool groupOnly = false;   // the line names a group and nothing else (an empty group)
    CChromatogramData chro;
};

// A line that gives no chromatogram, and why ("mass is not a number").
struct SRefusedLine {
    int line = 0;
    std::string reason;
};

// A group a table names: lines with the same name (and, where the table has one, the same
// Group Number) belong to one group. Comment and range rule come from its first line.
struct STableGroup {
    std::string name;
    std::string comment;
    int rangeMode = 0;   // 0 keep the current range, 1 reset to default, 2 use range
    std::string range;
};

struct STransferTable {
    std::vector<STransferRow> rows;
    std::vector<SRefusedLine> refused;
    bool hasGroupColumn = false;
    bool hasGroupNumbers = false;     // same-named groups are told apart by their number
    std::vector<STableGroup> groups;  // in the order the table first names them
    std::vector<std::string> columns; // what a header line named, as the preview lists them
    std::vector<std::string> ignored; // the header's other fields, as written
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
// dialog would make them, leniently. A first line is a header when a field names a column
// (table_columns::Find) and the line does not give a chromatogram read as data; the header
// finds the columns in any order and decides the width, and other columns are ignored.
// Without a header the columns stand in the order Name, Type, Function, Mass, Channel,
// Checked; a single column is a list of masses and formulas. Each refused line says why.
// UTF-16 text with a byte-order mark is read as well as UTF-8. Plain C++.
class CChroTableReader {
public:
    static STransferTable Read(std::string_view text, const STransferRules& rules);
    static STransferTable Convert(const std::vector<SDelimitedRow>& rows, const STransferRules& rules);
};

// The text of a refused line as the preview lists it: "line 7: mass is not a number".
std::string RefusalText(const SRefusedLine& refused);
