#pragma once

#include <string>
#include <string_view>

// Whole-file reads and writes for exported and imported tables. A write never damages the
// file it replaces: the bytes go to a temporary file in the same folder, which is flushed
// once and then renamed over the target in one step. A read-only target is refused.
class CReplacingFile {
public:
    static bool Write(const char* path, std::string_view bytes);
    // The whole file; false when it cannot be opened or is larger than limit bytes.
    static bool Read(const char* path, std::string& bytes, size_t limit);
};
