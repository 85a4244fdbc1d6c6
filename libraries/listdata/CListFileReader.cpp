#include "CListFileReader.h"

#include "CListFileWriter.h"
#include "ListFileText.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <emmintrin.h>
#include <string_view>

bool CListFileReader::Parse(char* data, size_t size, std::vector<std::unique_ptr<SGroupEntry>>& groups, size_t& kept)
{
    groups.clear();
    CListFileReader reader(data, data + size);
    if (reader.ReadAll(groups)) {
        kept = static_cast<size_t>(reader.m_kept - data);
        return true;
    }
    groups.clear();
    return false;
}

bool CListFileReader::Parse(std::string& bytes, std::vector<std::unique_ptr<SGroupEntry>>& groups)
{
    size_t kept = 0;
    return Parse(bytes.data(), bytes.size(), groups, kept);
}

bool CListFileReader::ReadAll(std::vector<std::unique_ptr<SGroupEntry>>& groups)
{
    if (!NextLine() || !ReadHeader())
        return false;
    // A group's chromatograms are read into pending, which the group takes over when it
    // ends; pending then starts with room for as many as that group had, since groups in a
    // list tend to be alike, so records are rarely moved while a group grows.
    std::vector<SChroEntry> pending;
    auto closeGroup = [&groups, &pending]() {
        if (groups.empty())
            return true;
        SGroupEntry& group = *groups.back();
        group.chros.swap(pending);
        pending.reserve(group.chros.size());
        return UniqueChroIds(group);
    };
    size_t chroCount = 0;
    while (NextLine()) {
        char* kind = nullptr;
        char* kindEnd = nullptr;
        if (!NextField(kind, kindEnd))
            return false;
        const std::string_view word(kind, kindEnd - kind);
        if (word == "G") {
            if (!closeGroup())
                return false;
            auto group = std::make_unique<SGroupEntry>();
            if (!ReadGroup(*group))
                return false;
            groups.push_back(std::move(group));
        } else if (word == "C") {
            if (groups.empty())
                return false;
            pending.emplace_back();
            if (!ReadChro(pending.back()))
                return false;
            ++chroCount;
        } else if (word == "END") {
            return closeGroup() && UniqueGroupIds(groups) && ReadEnd(groups.size(), chroCount);
        } else {
            return false;
        }
    }
    return false;   // no END line: the file was cut short
}

// One pass over the line, sixteen bytes at a time while they last: it finds the line end,
// every field's end, and whether the line holds an escape or a raw CR or NUL.
bool CListFileReader::NextLine()
{
    if (m_p >= m_end)
        return false;
    m_fieldCount = 0;
    bool escape = false;
    char* crOrNul = nullptr;   // the line's first CR or NUL
    char* newline = nullptr;
    char* p = m_p;
    const __m128i tabs16 = _mm_set1_epi8('\t');
    const __m128i lfs16 = _mm_set1_epi8('\n');
    const __m128i slashes16 = _mm_set1_epi8('\\');
    const __m128i crs16 = _mm_set1_epi8('\r');
    const __m128i nuls16 = _mm_setzero_si128();
    for (; !newline && m_end - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned lfs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lfs16)));
        const unsigned inLine = lfs ? (1u << std::countr_zero(lfs)) - 1 : 0xFFFFu;
        const unsigned tabs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, tabs16))) & inLine;
        // Backslashes, CRs and NULs are rare: one test for all three first.
        const __m128i crsOrNuls16 = _mm_or_si128(_mm_cmpeq_epi8(block, crs16), _mm_cmpeq_epi8(block, nuls16));
        if (_mm_movemask_epi8(_mm_or_si128(crsOrNuls16, _mm_cmpeq_epi8(block, slashes16))) & inLine) {
            const unsigned slashes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, slashes16)));
            const unsigned crsOrNuls = static_cast<unsigned>(_mm_movemask_epi8(crsOrNuls16)) & inLine;
            escape = escape || (slashes & inLine) != 0;
            if (crsOrNuls && !crOrNul)
                crOrNul = p + std::countr_zero(crsOrNuls);
        }
        for (unsigned rest = tabs; rest; rest &= rest - 1)
            if (!AddFieldEnd(p + std::countr_zero(rest)))
                return false;
        if (lfs)
            newline = p + std::countr_zero(lfs);
    }
    for (; !newline && p < m_end; ++p) {   // the last bytes of the data
        if (*p == '\n') {
            newline = p;
        } else if (*p == '\t') {
            if (!AddFieldEnd(p))
                return false;
        } else if (*p == '\\') {
            escape = true;
        } else if ((*p == '\r' || *p == '\0') && !crOrNul) {
            crOrNul = p;
        }
    }
    if (!newline)
        return false;
    m_line = m_p;
    m_lineEnd = newline;
    if (m_lineEnd > m_line && m_lineEnd[-1] == '\r')
        --m_lineEnd;
    m_fieldEnds[m_fieldCount++] = m_lineEnd;   // AddFieldEnd leaves room for this one
    m_nextField = 0;
    m_field = m_line;
    m_bEscapes = escape;
    m_bCrOrNul = crOrNul && crOrNul < m_lineEnd;
    m_p = newline + 1;
    return true;
}

bool CListFileReader::AddFieldEnd(char* tab)
{
    if (m_fieldCount + 1 >= kMaxFields)
        return false;
    m_fieldEnds[m_fieldCount++] = tab;
    return true;
}

bool CListFileReader::NextField(char*& begin, char*& end)
{
    if (AtLineEnd())
        return false;
    begin = m_field;
    end = m_fieldEnds[m_nextField++];
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
        || !Signed(group.selection) || !Text(g.m_strName) || !Text(g.m_strComment) || !Text(g.m_strBasedOn)
        || !Text(g.m_strRange))
        return false;
    g.m_dwKey = static_cast<DWORD>(key);
    return AtLineEnd();
}

bool CListFileReader::ReadChro(SChroEntry& chro)
{
    CPackedChromatogram& c = chro.data;
    if (!Id(chro.id) || !Flag(c.m_bChecked) || !Signed(c.m_nType) || !Signed(c.m_nAnalogue) || !Signed(c.m_nFunction))
        return false;
    // The five texts stay as the line holds them, escaped and TAB-separated: the rest of the
    // line, which must be exactly five fields with nothing but the five escapes.
    if (m_fieldCount - m_nextField != CPackedChromatogram::kTexts)
        return false;
    char* const texts = m_field;
    const size_t size = static_cast<size_t>(m_lineEnd - texts);
    if (size > 0xFFFFFFFFu || (m_bEscapes && !ValidEscapes(texts, m_lineEnd)))
        return false;
    m_nextField = m_fieldCount;
    if (m_bCrOrNul) {
        // A raw CR or NUL, which the writer escapes: the texts get a block of their own.
        // The numbers before the texts hold neither, or the line was refused.
        c.CopyStored(texts, static_cast<std::uint32_t>(size));
        return true;
    }
    // Gathered at the start of the data, behind the texts gathered before, so that the lines'
    // other bytes can be let go once the whole list is read.
    if (m_kept != texts)
        MoveDown(m_kept, texts, size);
    c.Borrow(m_kept, static_cast<std::uint32_t>(size));
    m_kept += size;
    return true;
}

bool CListFileReader::ReadEnd(size_t groups, size_t chros)
{
    // The counts and the end of the data right after this line show the file is whole.
    size_t groupCount = 0;
    size_t chroCount = 0;
    return Count(groupCount) && Count(chroCount) && AtLineEnd() && groupCount == groups && chroCount == chros
           && m_p == m_end;
}

bool CListFileReader::UniqueChroIds(const SGroupEntry& group)
{
    const size_t n = group.chros.size();
    if (n < 2)
        return true;
    // Ids rising through the group, as a list that was saved in id order has them, are unique.
    size_t rising = 1;
    while (rising < n && group.chros[rising - 1].id < group.chros[rising].id)
        ++rising;
    if (rising == n)
        return true;
    if (n <= 16) {
        for (size_t i = 1; i < n; ++i)
            for (size_t j = 0; j < i; ++j)
                if (group.chros[i].id == group.chros[j].id)
                    return false;
        return true;
    }
    std::vector<DWORD> ids;
    ids.reserve(n);
    for (const SChroEntry& chro : group.chros)
        ids.push_back(chro.id);
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

bool CListFileReader::UniqueGroupIds(const std::vector<std::unique_ptr<SGroupEntry>>& groups)
{
    std::vector<DWORD> ids;
    ids.reserve(groups.size());
    for (const auto& group : groups)
        ids.push_back(group->id);
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

bool CListFileReader::Text(std::string& out)
{
    char* begin = nullptr;
    char* end = nullptr;
    return NextField(begin, end) && listfile::Unescape(std::string_view(begin, end - begin), out);
}

// Sixteen bytes at a time, forwards: every store lands below the bytes still to be read. The
// last sixteen are read first, so the overlapping last store needs no byte-by-byte tail.
void CListFileReader::MoveDown(char* to, const char* from, size_t size)
{
    if (size < 16) {
        for (size_t i = 0; i < size; ++i)
            to[i] = from[i];
        return;
    }
    const size_t last = size - 16;
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + last));
    for (size_t at = 0; at < last; at += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + last), tail);
}

bool CListFileReader::ValidEscapes(const char* begin, const char* end)
{
    for (const char* p = begin; (p = std::find(p, end, '\\')) != end; p += 2) {
        if (p + 1 == end)
            return false;
        switch (p[1]) {
        case '\\':
        case 't':
        case 'n':
        case 'r':
        case '0':
            break;
        default:
            return false;
        }
    }
    return true;
}

bool CListFileReader::Unsigned(std::uint64_t limit, std::uint64_t& out)
{
    char* begin = nullptr;
    char* end = nullptr;
    // One to ten digits, no sign, no spaces: every value up to 2^32 fits in ten digits.
    if (!NextField(begin, end) || begin == end || end - begin > 10)
        return false;
    std::uint64_t value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (value > limit)
        return false;
    out = value;
    return true;
}

bool CListFileReader::Signed(int& out)
{
    char* begin = nullptr;
    char* end = nullptr;
    if (!NextField(begin, end) || begin == end)
        return false;
    if (end - begin == 1 && static_cast<unsigned>(*begin - '0') <= 9) {   // types, channels, most functions
        out = *begin - '0';
        return true;
    }
    const bool negative = *begin == '-';
    if (negative)
        ++begin;
    if (begin == end || end - begin > 10)
        return false;
    std::uint64_t value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (value > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return false;
    out = negative ? static_cast<int>(0 - static_cast<std::int64_t>(value)) : static_cast<int>(value);
    return true;
}

bool CListFileReader::Id(DWORD& out)
{
    std::uint64_t value = 0;
    if (!Unsigned(0xFFFFFFFFull, value) || value == 0)
        return false;
    out = static_cast<DWORD>(value);
    return true;
}

bool CListFileReader::Flag(bool& out)
{
    std::uint64_t value = 0;
    if (!Unsigned(1, value))
        return false;
    out = value != 0;
    return true;
}

bool CListFileReader::Count(size_t& out)
{
    std::uint64_t value = 0;
    if (!Unsigned(0xFFFFFFFFull, value))
        return false;
    out = static_cast<size_t>(value);
    return true;
}
