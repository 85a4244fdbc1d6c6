#pragma once

#include "ListEntries.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Turns a list into the bytes of a list file (the format is in docs/list-file-format.md).
// Plain C++, no Win32.
class CListFileWriter {
public:
    static void Write(const std::vector<std::unique_ptr<SGroupEntry>>& groups, std::string& out);

    // The header line's words and the newest version written.
    static constexpr const char* kMagic = "VANTRACE-LIST";
    static constexpr int kVersion = 1;

private:
    static void AppendText(std::string& out, std::string_view text);
    static void AppendNumber(std::string& out, long long value);
};
