#pragma once

#include <string>
#include <string_view>
#include <vector>

// One record of a delimited text: its fields and the line it starts on (from 1).
struct SDelimitedRow {
    int line = 0;
    std::vector<std::string> fields;
};

// Reads tab, comma or semicolon separated text as a user pastes it or a spreadsheet saves
// it: fields may be quoted (a doubled quote inside stands for one quote, and a quoted
// field may span lines), lines end in CR LF, LF or CR, blank lines are skipped and a
// leading UTF-8 byte-order mark is dropped. Plain C++ over bytes, with no window code.
class CDelimitedReader {
public:
    // The separator of the first non-blank line: a tab when it has one outside quotes,
    // else the more frequent of semicolon and comma (comma on a tie), else a tab.
    static char DetectSeparator(std::string_view text);
    // Every non-blank record, with the detected separator.
    static std::vector<SDelimitedRow> Read(std::string_view text);
    static std::vector<SDelimitedRow> Read(std::string_view text, char separator);
};
