#pragma once

#include <string>

// Whole-file reads and safe replacing writes of list files.
class CListFileStorage {
public:
    // Reads the whole file in large chunks; false when it cannot be opened or read.
    static bool ReadAll(const char* path, std::string& bytes);
    // Writes bytes to a temporary file in the target's folder, flushes it once and renames
    // it over the target. A read-only target is refused. On failure the target is left as
    // it was and the temporary file is removed.
    static bool WriteReplacing(const char* path, const std::string& bytes);

private:
    static bool WriteAndFlush(const char* tempPath, const std::string& bytes);
};
