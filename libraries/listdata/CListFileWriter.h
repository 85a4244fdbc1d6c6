#pragma once

#include "ListEntries.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Turns a list into the bytes of a list file (the format is in docs/list-file-format.md).
// Plain C++, no Win32. The bytes go out in pieces of about 1 MiB through one buffer, so
// that a large list never needs a second copy of itself in memory.
class CListFileWriter {
public:
    // Takes the next piece of the file; false stops the writing.
    using Sink = std::function<bool(const char* data, size_t size)>;

    // Writes the whole list to sink; false when the sink refused a piece.
    static bool Write(const std::vector<std::unique_ptr<SGroupEntry>>& groups, const Sink& sink);
    // The whole list as one string.
    static void Write(const std::vector<std::unique_ptr<SGroupEntry>>& groups, std::string& out);

    // The header line's words and the newest version written.
    static constexpr const char* kMagic = "VANTRACE-LIST";
    static constexpr int kVersion = 1;

private:
    explicit CListFileWriter(const Sink& sink);

    bool WriteAll(const std::vector<std::unique_ptr<SGroupEntry>>& groups);
    void WriteGroup(const SGroupEntry& group);
    void WriteChro(const SChroEntry& chro);
    // Room for at least n more bytes in the buffer, handing full pieces to the sink first.
    char* Room(size_t n);
    void Commit(char* end) { m_used = static_cast<size_t>(end - m_buffer.get()); }
    bool Flush();

    static char* PutText(char* out, std::string_view text);
    static char* PutNumber(char* out, long long value);
    static char* PutBytes(char* out, const char* data, size_t size);
    // The most bytes a text field can take once escaped, with its leading TAB.
    static size_t TextBound(std::string_view text) { return 1 + 2 * text.size(); }

    const Sink& m_sink;
    std::unique_ptr<char[]> m_buffer;
    size_t m_capacity = 0;
    size_t m_used = 0;
    bool m_bFailed = false;
};
