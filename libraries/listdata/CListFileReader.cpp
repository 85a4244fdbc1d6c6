#include "CListFileReader.h"

#include "CListFileWriter.h"
#include "ListFileText.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <emmintrin.h>
#include <string_view>

namespace {
// No line of the format has more than eleven fields; G, END and header lines are split
// into at most this many.
const int kMaxFields = 12;
// The TABs of a C line before its texts: after the C and after each of its five numbers.
const int kChroNumberTabs = 6;

// How many bits of a byte are set, for counting a block's TABs from its mask.
struct SBitCounts {
    unsigned char count[256] = {};
    constexpr SBitCounts()
    {
        for (int i = 1; i < 256; ++i)
            count[i] = static_cast<unsigned char>((i & 1) + count[i / 2]);
    }
};
constexpr SBitCounts kBitCounts;

int BitsSet(unsigned mask16)
{
    return kBitCounts.count[mask16 & 0xFF] + kBitCounts.count[mask16 >> 8];
}
}   // namespace

bool CListFileReader::Parse(char* data, size_t size, Groups& groups, size_t& kept)
{
    groups.clear();
    CListFileReader reader(data);
    char* begin = data;
    if (reader.ReadLines(begin, data + size) && begin == data + size && reader.Finish(groups)) {
        kept = static_cast<size_t>(reader.m_kept - data);
        return true;
    }
    groups.clear();
    return false;
}

bool CListFileReader::Parse(std::string& bytes, Groups& groups)
{
    size_t kept = 0;
    return Parse(bytes.data(), bytes.size(), groups, kept);
}

// One pass over each line, sixteen bytes at a time while they last: it finds the line end,
// counts the TABs and notes a backslash and the first raw CR or NUL. The line is then read
// field by field from its start, the numbers digit by digit.
bool CListFileReader::ReadLines(char*& begin, char* end)
{
    const __m128i tabs16 = _mm_set1_epi8('\t');
    const __m128i lfs16 = _mm_set1_epi8('\n');
    const __m128i slashes16 = _mm_set1_epi8('\\');
    const __m128i crs16 = _mm_set1_epi8('\r');
    const __m128i nuls16 = _mm_setzero_si128();
    char* line = begin;
    while (!m_bFailed && line < end) {
        if (m_bEnded) {   // nothing may follow the END line
            m_bFailed = true;
            break;
        }
        char* p = line;
        char* newline = nullptr;
        int tabs = 0;
        bool slash = false;
        const char* crOrNul = nullptr;
        for (; end - p >= 16; p += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const unsigned lfs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lfs16)));
            const unsigned inLine = lfs ? (1u << std::countr_zero(lfs)) - 1 : 0xFFFFu;
            tabs += BitsSet(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, tabs16))) & inLine);
            // Backslashes, CRs and NULs are rare: one test for all three first.
            const __m128i crsOrNuls16 = _mm_or_si128(_mm_cmpeq_epi8(block, crs16), _mm_cmpeq_epi8(block, nuls16));
            if (_mm_movemask_epi8(_mm_or_si128(crsOrNuls16, _mm_cmpeq_epi8(block, slashes16))) & inLine) {
                const unsigned slashes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, slashes16)));
                const unsigned crsOrNuls = static_cast<unsigned>(_mm_movemask_epi8(crsOrNuls16)) & inLine;
                slash = slash || (slashes & inLine) != 0;
                if (crsOrNuls && !crOrNul)
                    crOrNul = p + std::countr_zero(crsOrNuls);
            }
            if (lfs) {
                newline = p + std::countr_zero(lfs);
                break;
            }
        }
        for (; !newline && p < end; ++p) {   // the last bytes of the data
            if (*p == '\n') {
                newline = p;
            } else if (*p == '\t') {
                ++tabs;
            } else if (*p == '\\') {
                slash = true;
            } else if ((*p == '\r' || *p == '\0') && !crOrNul) {
                crOrNul = p;
            }
        }
        if (!newline)
            break;   // the line ends in a later piece
        if (!ReadLine(line, newline, tabs, slash, crOrNul))
            m_bFailed = true;
        line = newline + 1;
    }
    begin = line;
    return !m_bFailed;
}

bool CListFileReader::ReadLine(char* line, char* lineEnd, int tabs, bool slash, const char* crOrNul)
{
    char* end = lineEnd > line && lineEnd[-1] == '\r' ? lineEnd - 1 : lineEnd;
    if (!m_bHeader) {
        m_bHeader = true;
        return ReadHeader(line, end);
    }
    if (end - line >= 2 && line[0] == 'C' && line[1] == '\t')
        return ReadChro(line, end, tabs, slash, crOrNul);
    return ReadOther(line, end);   // every other line that starts with C is refused there
}

bool CListFileReader::ReadHeader(const char* line, const char* end)
{
    // "VANTRACE-LIST <version>": every version up to the newest is read.
    const size_t magicLength = std::strlen(CListFileWriter::kMagic);
    const size_t length = static_cast<size_t>(end - line);
    if (length < magicLength + 2 || std::memcmp(line, CListFileWriter::kMagic, magicLength) != 0
        || line[magicLength] != ' ')
        return false;
    const char* digits = line + magicLength + 1;
    std::uint64_t version = 0;
    return !std::memchr(digits, '\t', static_cast<size_t>(end - digits))
           && Unsigned(digits, end, CListFileWriter::kVersion, version) && version >= 1;
}

bool CListFileReader::ReadChro(char* line, char* end, int tabs, bool slash, const char* crOrNul)
{
    if (m_groups.empty())
        return false;
    // The line's LF stands after end, so every digit loop stops in the line.
    const char* q = line + 2;
    std::uint64_t id = 0;
    std::uint64_t checked = 0;
    int type = 0;
    int analogue = 0;
    int function = 0;
    if (!UnsignedTab(q, 0xFFFFFFFFull, id) || id == 0)
        return false;
    if (!SmallNumbers(q, end, checked, type, analogue, function)
        && (!UnsignedTab(q, 1, checked) || !SignedTab(q, type) || !SignedTab(q, analogue) || !SignedTab(q, function)))
        return false;
    // The five texts stay as the line holds them, escaped and TAB-separated: the rest of the
    // line, which must be exactly five fields with nothing but the five escapes. A backslash
    // before them would have failed a number.
    char* const texts = line + (q - line);
    const size_t size = static_cast<size_t>(end - texts);
    if (tabs - kChroNumberTabs != CPackedChromatogram::kTexts - 1 || size > 0xFFFFFFFFu
        || (slash && !ValidEscapes(texts, end)))
        return false;
    m_pending.emplace_back();
    SChroEntry& chro = m_pending.back();
    CPackedChromatogram& c = chro.data;
    chro.id = static_cast<DWORD>(id);
    c.m_bChecked = checked != 0;
    c.m_nType = type;
    c.m_nAnalogue = analogue;
    c.m_nFunction = function;
    ++m_chroCount;
    if (crOrNul && crOrNul < end) {
        // A raw CR or NUL, which the writer escapes: the texts get a block of their own.
        c.CopyStored(texts, static_cast<std::uint32_t>(size));
        return true;
    }
    // Gathered at the start of the data, behind the texts gathered before, so that the lines'
    // other bytes can be let go once they are read.
    if (m_kept != texts)
        MoveDown(m_kept, texts, size);
    c.Borrow(m_kept, static_cast<std::uint32_t>(size));
    m_kept += size;
    return true;
}

bool CListFileReader::ReadOther(char* line, char* end)
{
    // Field i is [starts[i], starts[i + 1] - 1).
    char* starts[kMaxFields + 1];
    int count = 0;
    starts[count++] = line;
    for (char* tab = line; (tab = static_cast<char*>(std::memchr(tab, '\t', static_cast<size_t>(end - tab)))); ++tab) {
        if (count == kMaxFields)
            return false;
        starts[count++] = tab + 1;
    }
    starts[count] = end + 1;
    const std::string_view word(line, static_cast<size_t>(starts[1] - 1 - line));
    if (word == "G")
        return CloseGroup() && ReadGroup(starts, count);
    if (word == "END")
        return CloseGroup() && UniqueGroupIds(m_groups) && ReadEnd(starts, count);
    return false;
}

bool CListFileReader::ReadGroup(char* const* starts, int count)
{
    if (count != 10)
        return false;
    auto group = std::make_unique<SGroupEntry>();
    CGroupDataHelper& g = group->data;
    auto begin = [starts](int i) { return starts[i]; };
    auto end = [starts](int i) { return starts[i + 1] - 1; };
    auto text = [&](int i, std::string& out) {
        return listfile::Unescape(std::string_view(begin(i), static_cast<size_t>(end(i) - begin(i))), out);
    };
    std::uint64_t id = 0;
    std::uint64_t key = 0;
    std::uint64_t checked = 0;
    if (!Unsigned(begin(1), end(1), 0xFFFFFFFFull, id) || id == 0 || !Unsigned(begin(2), end(2), 0xFFFFFFFFull, key)
        || !Unsigned(begin(3), end(3), 1, checked) || !Signed(begin(4), end(4), g.m_nRangeMode)
        || !Signed(begin(5), end(5), group->selection) || !text(6, g.m_strName) || !text(7, g.m_strComment)
        || !text(8, g.m_strBasedOn) || !text(9, g.m_strRange))
        return false;
    group->id = static_cast<DWORD>(id);
    g.m_dwKey = static_cast<DWORD>(key);
    g.m_bChecked = checked != 0;
    m_groups.push_back(std::move(group));
    return true;
}

bool CListFileReader::ReadEnd(char* const* starts, int count)
{
    // The counts show the file is whole; ReadLines refuses any byte after this line.
    std::uint64_t groups = 0;
    std::uint64_t chros = 0;
    if (count != 3 || !Unsigned(starts[1], starts[2] - 1, 0xFFFFFFFFull, groups)
        || !Unsigned(starts[2], starts[3] - 1, 0xFFFFFFFFull, chros) || groups != m_groups.size()
        || chros != m_chroCount)
        return false;
    m_bEnded = true;
    return true;
}

bool CListFileReader::Finish(Groups& groups)
{
    if (m_bFailed || !m_bEnded)
        return false;
    groups = std::move(m_groups);
    return true;
}

bool CListFileReader::CloseGroup()
{
    if (m_groups.empty())
        return true;
    SGroupEntry& group = *m_groups.back();
    group.chros.swap(m_pending);
    m_pending.reserve(group.chros.size());
    return UniqueChroIds(group);
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

bool CListFileReader::UniqueGroupIds(const Groups& groups)
{
    std::vector<DWORD> ids;
    ids.reserve(groups.size());
    for (const auto& group : groups)
        ids.push_back(group->id);
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
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

// The check mark, type, channel and function of most lines: four single digits, each with
// its TAB, read as one eight-byte word. False (q unmoved) when they are not, and the fields
// are then read one by one.
bool CListFileReader::SmallNumbers(const char*& q, const char* end, std::uint64_t& checked, int& type, int& analogue,
                                   int& function)
{
    if (end - q < 8)
        return false;
    std::uint64_t word = 0;
    std::memcpy(&word, q, 8);
    // The digits' values, one a 16-bit lane: each at most 9 exactly when its byte is a digit.
    const std::uint64_t values = (word & 0x00FF00FF00FF00FFull) ^ 0x0030003000300030ull;
    if ((word & 0xFF00FF00FF00FF00ull) != 0x0900090009000900ull
        || ((values + 0x0076007600760076ull) & 0x0180018001800180ull) != 0 || (values & 0xFF) > 1)
        return false;
    checked = values & 0xFF;
    type = static_cast<int>((values >> 16) & 0xFF);
    analogue = static_cast<int>((values >> 32) & 0xFF);
    function = static_cast<int>(values >> 48);
    q += 8;
    return true;
}

// One to ten digits, no sign, no spaces: every value up to 2^32 fits in ten digits.
bool CListFileReader::UnsignedTab(const char*& q, std::uint64_t limit, std::uint64_t& out)
{
    const char* const digits = q;
    std::uint64_t value = 0;
    for (; static_cast<unsigned>(*q - '0') <= 9; ++q)
        value = value * 10 + static_cast<unsigned>(*q - '0');
    if (q == digits || q - digits > 10 || *q != '\t' || value > limit)
        return false;
    ++q;
    out = value;
    return true;
}

bool CListFileReader::SignedTab(const char*& q, int& out)
{
    const bool negative = *q == '-';
    if (negative)
        ++q;
    const char* const digits = q;
    std::uint64_t value = 0;
    for (; static_cast<unsigned>(*q - '0') <= 9; ++q)
        value = value * 10 + static_cast<unsigned>(*q - '0');
    if (q == digits || q - digits > 10 || *q != '\t' || value > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return false;
    ++q;
    out = negative ? static_cast<int>(0 - static_cast<std::int64_t>(value)) : static_cast<int>(value);
    return true;
}

bool CListFileReader::Unsigned(const char* begin, const char* end, std::uint64_t limit, std::uint64_t& out)
{
    if (begin == end || end - begin > 10)
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

bool CListFileReader::Signed(const char* begin, const char* end, int& out)
{
    const bool negative = begin != end && *begin == '-';
    if (negative)
        ++begin;
    std::uint64_t value = 0;
    if (!Unsigned(begin, end, negative ? 0x80000000ull : 0x7FFFFFFFull, value))
        return false;
    out = negative ? static_cast<int>(0 - static_cast<std::int64_t>(value)) : static_cast<int>(value);
    return true;
}
