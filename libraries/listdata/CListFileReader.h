#pragma once

#include "ListEntries.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads the bytes of a list file into groups (the format is in docs/list-file-format.md).
// Plain C++ over a byte buffer, no Win32: any input gives the whole list or false, in time
// and memory in proportion to its size. The bytes may come in pieces (a file read in
// chunks): the chromatograms' texts are gathered at the start of the buffer and borrowed
// from there, so only they need to stay once their lines are read.
class CListFileReader {
public:
    using Groups = std::vector<std::unique_ptr<SGroupEntry>>;

    // Reads the list in place: the chromatograms' texts are gathered at the start of the data
    // and borrowed from there, so the data must outlive the groups. kept receives how many
    // bytes at the start the groups borrow; the rest may be let go. On false, groups is left
    // empty (and the data may have changed).
    static bool Parse(char* data, size_t size, Groups& groups, size_t& kept);
    // The same for a string, which must then never be resized while the groups live.
    static bool Parse(std::string& bytes, Groups& groups);

    // Piece by piece: the texts are gathered from base on, and the groups borrow them there.
    explicit CListFileReader(char* base) : m_kept(base) {}
    // Reads every whole line of [begin, end), which stands at or above KeptEnd(); begin then
    // points at the first line whose end is not in the data yet. The caller moves that part
    // line down to KeptEnd() before the next piece follows it. False: the list is refused.
    bool ReadLines(char*& begin, char* end);
    // Where the texts gathered so far end.
    char* KeptEnd() const { return m_kept; }
    // After the last piece, every byte of which ReadLines read: the whole list, or false
    // when the file was cut short.
    bool Finish(Groups& groups);

private:
    // Reads the line [line, lineEnd), whose LF is at lineEnd (a CR before it is dropped);
    // tabs counts its TABs and special says whether it holds a backslash, crOrNul where the
    // first raw CR or NUL is (or nullptr).
    bool ReadLine(char* line, char* lineEnd, int tabs, bool slash, const char* crOrNul);
    bool ReadChro(char* line, char* end, int tabs, bool slash, const char* crOrNul);
    bool ReadOther(char* line, char* end);
    bool ReadHeader(const char* line, const char* end);
    bool ReadGroup(char* const* fields, int count);
    bool ReadEnd(char* const* fields, int count);
    // Hands the chromatograms read since the last G line to the last group.
    bool CloseGroup();

    // The numbers of a C line, each read up to the TAB after it; false (q anywhere) when the
    // field is not one.
    static bool UnsignedTab(const char*& q, std::uint64_t limit, std::uint64_t& out);
    static bool SignedTab(const char*& q, int& out);
    static bool SmallNumbers(const char*& q, const char* end, std::uint64_t& checked, int& type, int& analogue,
                             int& function);
    // The same for a field [begin, end) of a G, END or header line.
    static bool Unsigned(const char* begin, const char* end, std::uint64_t limit, std::uint64_t& out);
    static bool Signed(const char* begin, const char* end, int& out);

    // Copies size bytes from from to to, which stands below from (the two may overlap).
    static void MoveDown(char* to, const char* from, size_t size);
    // Every backslash in [begin, end) starts one of the five escapes.
    static bool ValidEscapes(const char* begin, const char* end);
    static bool UniqueChroIds(const SGroupEntry& group);
    static bool UniqueGroupIds(const Groups& groups);

    char* m_kept;   // the chromatograms' texts gathered so far end here
    Groups m_groups;
    // The chromatograms of the last group, which it takes over when it ends; they then start
    // with room for as many as that group had, since groups in a list tend to be alike.
    std::vector<SChroEntry> m_pending;
    size_t m_chroCount = 0;
    bool m_bHeader = false;   // the header line has been read
    bool m_bEnded = false;    // the END line has been read
    bool m_bFailed = false;
};
