#pragma once

#include "CListFileReader.h"

#include <cstddef>
#include <functional>
#include <string>

class CTextBlock;

// Whole-file reads and safe replacing writes of list files.
class CListFileStorage {
public:
    // Reads the whole file in large chunks; false when it cannot be opened or read.
    static bool ReadAll(const char* path, CTextBlock& bytes);
    // Reads a list file in large chunks into an empty block, each parsed as it comes, so that
    // the block holds only the texts the groups borrow and the lines of one chunk; false when
    // the file cannot be read or is refused. The block's size is then where those texts end.
    static bool ReadList(const char* path, CTextBlock& bytes, CListFileReader::Groups& groups);
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
