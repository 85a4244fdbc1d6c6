#pragma once

#include "ListEntries.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads the bytes of a list file into groups (the format is in docs/list-file-format.md).
// Plain C++ over a byte buffer, no Win32: any input gives the whole list or false, in time
// and memory in proportion to its size.
class CListFileReader {
public:
    // Reads the list in place: the chromatograms' texts are gathered at the start of the data
    // and borrowed from there, so the data must outlive the groups. kept receives how many
    // bytes at the start the groups borrow; the rest may be let go. On false, groups is left
    // empty (and the data may have changed).
    static bool Parse(char* data, size_t size, std::vector<std::unique_ptr<SGroupEntry>>& groups, size_t& kept);
    // The same for a string, which must then never be resized while the groups live.
    static bool Parse(std::string& bytes, std::vector<std::unique_ptr<SGroupEntry>>& groups);

private:
    CListFileReader(char* data, char* end) : m_p(data), m_end(end), m_kept(data) {}

    bool ReadAll(std::vector<std::unique_ptr<SGroupEntry>>& groups);
    // The next line without its line end (LF, or CR LF); false at the end of the data, when
    // the last line has no line end, or when the line has more fields than any line may.
    bool NextLine();
    bool AddFieldEnd(char* tab);
    // The next tab-separated field of the current line; false when the line has no more.
    bool NextField(char*& begin, char*& end);
    bool AtLineEnd() const { return m_nextField >= m_fieldCount; }

    bool ReadHeader();
    bool ReadGroup(SGroupEntry& group);
    bool ReadChro(SChroEntry& chro);
    bool ReadEnd(size_t groups, size_t chros);

    bool Text(std::string& out);
    bool Signed(int& out);
    bool Id(DWORD& out);
    bool Flag(bool& out);
    bool Count(size_t& out);
    // A decimal number without sign in [0, limit].
    bool Unsigned(std::uint64_t limit, std::uint64_t& out);

    // Copies size bytes from from to to, which stands below from (the two may overlap).
    static void MoveDown(char* to, const char* from, size_t size);
    // Every backslash in [begin, end) starts one of the five escapes.
    static bool ValidEscapes(const char* begin, const char* end);
    static bool UniqueChroIds(const SGroupEntry& group);
    static bool UniqueGroupIds(const std::vector<std::unique_ptr<SGroupEntry>>& groups);

    char* m_p;
    char* m_end;
    char* m_kept;   // the chromatograms' texts gathered so far end here
    char* m_line = nullptr;
    char* m_lineEnd = nullptr;
    char* m_field = nullptr;   // start of the next field
    // The current line's fields end at these: each at a TAB, the last at the line end. No
    // line of the format has more than eleven fields.
    static constexpr int kMaxFields = 16;
    char* m_fieldEnds[kMaxFields] = {};
    int m_fieldCount = 0;
    int m_nextField = 0;
    bool m_bEscapes = false;   // the line holds a backslash
    bool m_bCrOrNul = false;   // the line holds a raw CR or NUL
};
