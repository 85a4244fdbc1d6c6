#include "CListFileReader.h"

#include "CListFileWriter.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>
#include <unordered_set>

namespace {
// Marks the bytes of word that are zero (the lowest mark is exact, which is all we use).
inline std::uint64_t ZeroBytes(std::uint64_t word)
{
    return (word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull;
}

// The first byte in [p, end) that is a or b, or end: eight bytes at a time, since the
// runtime's memchr may look at one byte at a time and this is the reader's inner loop.
char* FindEither(char* p, char* end, char a, char b)
{
    const std::uint64_t as = 0x0101010101010101ull * static_cast<unsigned char>(a);
    const std::uint64_t bs = 0x0101010101010101ull * static_cast<unsigned char>(b);
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t hits = ZeroBytes(word ^ as) | ZeroBytes(word ^ bs);
        if (hits) {
            // The lowest mark is the first byte in memory on a little-endian machine.
            if constexpr (std::endian::native == std::endian::little)
                return p + (std::countr_zero(hits) >> 3);
            break;
        }
    }
    while (p < end && *p != a && *p != b)
        ++p;
    return p;
}
}  // namespace

bool CListFileReader::Parse(std::string& bytes, std::vector<std::unique_ptr<SGroupEntry>>& groups)
{
    groups.clear();
    CListFileReader reader(bytes.data(), bytes.size());
    if (reader.ReadAll(groups)) return true;
    groups.clear();
    return false;
}

bool CListFileReader::ReadAll(std::vector<std::unique_ptr<SGroupEntry>>& groups)
{
    if (!NextLine() || !ReadHeader()) return false;
    std::unordered_set<DWORD> groupIds;
    size_t chroCount = 0;
    while (NextLine()) {
        char* kind = nullptr;
        char* kindEnd = nullptr;
        if (!NextField(kind, kindEnd)) return false;
        const std::string_view word(kind, kindEnd - kind);
        if (word == "G") {
            if (!groups.empty() && !UniqueChroIds(*groups.back())) return false;
            auto group = std::make_unique<SGroupEntry>();
            if (!ReadGroup(*group) || !groupIds.insert(group->id).second) return false;
            // Room for the group's chromatograms at once: growing one by one would move
            // every record several times.
            group->chros.reserve(ChroLinesAhead());
            groups.push_back(std::move(group));
        } else if (word == "C") {
            if (groups.empty()) return false;
            SGroupEntry& group = *groups.back();
            group.chros.emplace_back();
            if (!ReadChro(group.chros.back())) return false;
            ++chroCount;
        } else if (word == "END") {
            if (!groups.empty() && !UniqueChroIds(*groups.back())) return false;
            return ReadEnd(groups.size(), chroCount);
        } else {
            return false;
        }
    }
    return false;   // no END line: the file was cut short
}

bool CListFileReader::NextLine()
{
    if (m_p >= m_end) return false;
    char* newline = FindEither(m_p, m_end, '\n', '\n');
    if (newline == m_end) return false;
    m_line = m_p;
    m_lineEnd = newline;
    if (m_lineEnd > m_line && m_lineEnd[-1] == '\r') --m_lineEnd;
    m_field = m_line;
    m_p = newline + 1;
    return true;
}

size_t CListFileReader::ChroLinesAhead() const
{
    size_t count = 0;
    for (char* p = m_p; m_end - p >= 2 && p[0] == 'C' && p[1] == '\t'; ++count) {
        p = FindEither(p, m_end, '\n', '\n');
        if (p == m_end) break;
        ++p;
    }
    return count;
}

bool CListFileReader::NextField(char*& begin, char*& end)
{
    if (AtLineEnd()) return false;
    begin = m_field;
    end = FindEither(m_field, m_lineEnd, '\t', '\t');
    m_field = end + 1;
    return true;
}

bool CListFileReader::ReadHeader()
{
    // "VANTRACE-LIST <version>": every version up to the newest is read.
    const size_t magicLength = std::strlen(CListFileWriter::kMagic);
    const size_t length = m_lineEnd - m_line;
    if (length < magicLength + 2 || std::memcmp(m_line, CListFileWriter::kMagic, magicLength) != 0
        || m_line[magicLength] != ' ')
        return false;
    m_field = m_line + magicLength + 1;
    std::uint64_t version = 0;
    return Unsigned(CListFileWriter::kVersion, version) && version >= 1 && AtLineEnd();
}

bool CListFileReader::ReadGroup(SGroupEntry& group)
{
    CGroupDataHelper& g = group.data;
    std::uint64_t key = 0;
    if (!Id(group.id) || !Unsigned(0xFFFFFFFFull, key) || !Flag(g.m_bChecked) || !Signed(g.m_nRangeMode)
        || !Signed(group.selection) || !Text(g.m_strName) || !Text(g.m_strComment)
        || !Text(g.m_strBasedOn) || !Text(g.m_strRange))
        return false;
    g.m_dwKey = static_cast<DWORD>(key);
    return AtLineEnd();
}

bool CListFileReader::ReadChro(SChroEntry& chro)
{
    CPackedChromatogram& c = chro.data;
    if (!Id(chro.id) || !Flag(c.m_bChecked) || !Signed(c.m_nType) || !Signed(c.m_nAnalogue)
        || !Signed(c.m_nFunction))
        return false;
    // The five texts are unescaped where they stand, moved up only as far as escapes
    // shortened the texts before them, so that one byte stays between two texts.
    char* const base = m_field;
    char* out = base;
    std::uint32_t ends[CPackedChromatogram::kTexts];
    for (int i = 0; i < CPackedChromatogram::kTexts; ++i) {
        if (i > 0) ++out;
        if (!TextInPlace(out)) return false;
        ends[i] = static_cast<std::uint32_t>(out - base);
    }
    if (!AtLineEnd()) return false;
    // Verbatim: no escape in any text (nothing moved, so the texts end where the last field
    // ends) and no raw CR or NUL, which a list file may hold but the writer escapes.
    const bool verbatim = out == m_field - 1 && FindEither(base, out, '\r', '\0') == out;
    c.Borrow(base, ends, verbatim);
    return true;
}

bool CListFileReader::ReadEnd(size_t groups, size_t chros)
{
    // The counts and the end of the data right after this line show the file is whole.
    size_t groupCount = 0;
    size_t chroCount = 0;
    return Count(groupCount) && Count(chroCount) && AtLineEnd() && groupCount == groups
        && chroCount == chros && m_p == m_end;
}

bool CListFileReader::UniqueChroIds(const SGroupEntry& group)
{
    const size_t n = group.chros.size();
    if (n < 2) return true;
    if (n <= 16) {
        for (size_t i = 1; i < n; ++i)
            for (size_t j = 0; j < i; ++j)
                if (group.chros[i].id == group.chros[j].id) return false;
        return true;
    }
    std::vector<DWORD> ids;
    ids.reserve(n);
    for (const SChroEntry& chro : group.chros) ids.push_back(chro.id);
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

bool CListFileReader::Text(std::string& out)
{
    char* begin = nullptr;
    char* end = nullptr;
    return NextField(begin, end) && Unescape(begin, end, out);
}

bool CListFileReader::TextInPlace(char*& out)
{
    if (AtLineEnd()) return false;
    char* p = m_field;
    for (;;) {
        char* stop = FindEither(p, m_lineEnd, '\t', '\\');
        if (out != p) std::memmove(out, p, stop - p);
        out += stop - p;
        if (stop == m_lineEnd || *stop == '\t') {
            m_field = stop + 1;
            return true;
        }
        // A backslash: it and the byte after it stand for one byte.
        if (stop + 1 == m_lineEnd) return false;
        switch (stop[1]) {
        case '\\': *out++ = '\\'; break;
        case 't': *out++ = '\t'; break;
        case 'n': *out++ = '\n'; break;
        case 'r': *out++ = '\r'; break;
        case '0': *out++ = '\0'; break;
        default: return false;
        }
        p = stop + 2;
    }
}

bool CListFileReader::Unescape(const char* begin, const char* end, std::string& out)
{
    const char* slash = static_cast<const char*>(std::memchr(begin, '\\', end - begin));
    if (!slash) {
        out.assign(begin, end);
        return true;
    }
    out.clear();
    out.reserve(end - begin);
    while (slash) {
        out.append(begin, slash);
        if (slash + 1 == end) return false;
        switch (slash[1]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '0': out += '\0'; break;
        default: return false;
        }
        begin = slash + 2;
        slash = static_cast<const char*>(std::memchr(begin, '\\', end - begin));
    }
    out.append(begin, end);
    return true;
}

bool CListFileReader::Unsigned(std::uint64_t limit, std::uint64_t& out)
{
    char* begin = nullptr;
    char* end = nullptr;
    // One to ten digits, no sign, no spaces: every value up to 2^32 fits in ten digits.
    if (!NextField(begin, end) || begin == end || end - begin > 10) return false;
    std::uint64_t value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (value > limit) return false;
    out = value;
    return true;
}

bool CListFileReader::Signed(int& out)
{
    char* begin = nullptr;
    char* end = nullptr;
    if (!NextField(begin, end) || begin == end) return false;
    const bool negative = *begin == '-';
    if (negative) ++begin;
    if (begin == end || end - begin > 10) return false;
    std::uint64_t value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
    out = negative ? static_cast<int>(0 - static_cast<std::int64_t>(value)) : static_cast<int>(value);
    return true;
}

bool CListFileReader::Id(DWORD& out)
{
    std::uint64_t value = 0;
    if (!Unsigned(0xFFFFFFFFull, value) || value == 0) return false;
    out = static_cast<DWORD>(value);
    return true;
}

bool CListFileReader::Flag(bool& out)
{
    std::uint64_t value = 0;
    if (!Unsigned(1, value)) return false;
    out = value != 0;
    return true;
}

bool CListFileReader::Count(size_t& out)
{
    std::uint64_t value = 0;
    if (!Unsigned(0xFFFFFFFFull, value)) return false;
    out = static_cast<size_t>(value);
    return true;
}
