#pragma once

#include <cstddef>
#include <functional>
#include <string>

class CTextBlock;

// Whole-file reads and safe replacing writes of list files.
class CListFileStorage {
public:
    // Reads the whole file in large chunks; false when it cannot be opened or read.
    static bool ReadAll(const char* path, CTextBlock& bytes);
    // Writes the bytes to a temporary file in the target's folder, flushes it once and renames
    // it over the target. A read-only target is refused. On failure the target is left as
    // it was and the temporary file is removed; on success the temporary files of earlier
    // saves of the same target that were cut short are removed.
    // The bytes come from produce, which hands them piece by piece to the sink it is given
    // and returns false on failure.
    using Sink = std::function<bool(const char* data, size_t size)>;
    using Producer = std::function<bool(const Sink& sink)>;
    static bool WriteReplacing(const char* path, const Producer& produce);

private:
    // Writes to the open file, flushes it once and closes it.
    static bool WriteAndFlush(void* file, const Producer& produce);
};
