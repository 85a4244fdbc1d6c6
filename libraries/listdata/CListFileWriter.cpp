#include "CListFileWriter.h"

#include "ListFileText.h"

#include <cstdint>
#include <cstring>
#include <emmintrin.h>

namespace {
const size_t kPiece = 1u << 20;
// The most bytes a number field takes: TAB, sign and up to 19 digits.
const size_t kNumberBound = 21;

// "00" to "99", for writing numbers two digits at a time.
struct SDigitPairs {
    char text[200] = {};
    constexpr SDigitPairs()
    {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr SDigitPairs kDigitPairs;
}   // namespace

CListFileWriter::CListFileWriter(const Sink& sink) : m_sink(sink) {}

bool CListFileWriter::Write(const std::vector<std::unique_ptr<SGroupEntry>>& groups, const Sink& sink)
{
    CListFileWriter writer(sink);
    return writer.WriteAll(groups);
}

void CListFileWriter::Write(const std::vector<std::unique_ptr<SGroupEntry>>& groups, std::string& out)
{
    out.clear();
    Write(groups, Sink([&out](const char* data, size_t size) {
              out.append(data, size);
              return true;
          }));
}

char* CListFileWriter::Room(size_t n)
{
    if (m_capacity - m_used < n) {
        Flush();
        if (m_capacity < n || !m_buffer) {
            m_capacity = n > kPiece ? n : kPiece;
            m_buffer = std::make_unique<char[]>(m_capacity);
        }
    }
    return m_buffer.get() + m_used;
}

bool CListFileWriter::Flush()
{
    if (m_used && !m_bFailed && !m_sink(m_buffer.get(), m_used))
        m_bFailed = true;
    m_used = 0;
    return !m_bFailed;
}

char* CListFileWriter::PutText(char* out, std::string_view text)
{
    *out++ = '\t';
    return listfile::Escape(out, text);
}

char* CListFileWriter::PutNumber(char* out, long long value)
{
    *out++ = '\t';
    if (value >= 0 && value < 10) {   // flags, types, channels and most functions
        *out++ = static_cast<char>('0' + value);
        return out;
    }
    unsigned long long magnitude = static_cast<unsigned long long>(value);
    if (value < 0) {
        *out++ = '-';
        magnitude = 0ull - magnitude;
    }
    int digits = 1;
    for (unsigned long long bound = 10; digits < 20 && magnitude >= bound; bound *= 10)
        ++digits;
    out += digits;
    // Two digits at a time, from the end.
    char* p = out;
    for (; magnitude >= 100; magnitude /= 100) {
        p -= 2;
        std::memcpy(p, kDigitPairs.text + 2 * (magnitude % 100), 2);
    }
    if (magnitude >= 10)
        std::memcpy(p - 2, kDigitPairs.text + 2 * magnitude, 2);
    else
        p[-1] = static_cast<char>('0' + magnitude);
    return out;
}

// Copies a short run of bytes without a call into the C runtime, whose copy costs more
// than the copying for runs this short: sixteen bytes at a time, the last sixteen (or eight,
// or four) overlapping the ones before rather than copied byte by byte.
char* CListFileWriter::PutBytes(char* out, const char* data, size_t size)
{
    if (size >= 16) {
        const size_t last = size - 16;
        for (size_t at = 0; at < last; at += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + last),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + last)));
    } else if (size >= 8) {
        std::uint64_t head, tail;
        std::memcpy(&head, data, 8);
        std::memcpy(&tail, data + size - 8, 8);
        std::memcpy(out, &head, 8);
        std::memcpy(out + size - 8, &tail, 8);
    } else if (size >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, data, 4);
        std::memcpy(&tail, data + size - 4, 4);
        std::memcpy(out, &head, 4);
        std::memcpy(out + size - 4, &tail, 4);
    } else {
        for (size_t i = 0; i < size; ++i)
            out[i] = data[i];
    }
    return out + size;
}

void CListFileWriter::WriteGroup(const SGroupEntry& group)
{
    const CGroupDataHelper& g = group.data;
    const std::string_view texts[] = {g.m_strName, g.m_strComment, g.m_strBasedOn, g.m_strRange};
    size_t bound = 2 + 5 * kNumberBound;
    for (std::string_view text : texts)
        bound += TextBound(text);
    char* out = Room(bound);
    *out++ = 'G';
    out = PutNumber(out, group.id);
    out = PutNumber(out, g.m_dwKey);
    out = PutNumber(out, g.m_bChecked ? 1 : 0);
    out = PutNumber(out, g.m_nRangeMode);
    out = PutNumber(out, group.selection);
    for (std::string_view text : texts)
        out = PutText(out, text);
    *out++ = '\n';
    Commit(out);
}

void CListFileWriter::WriteChro(const SChroEntry& chro)
{
    const CPackedChromatogram& c = chro.data;
    const std::string_view texts = c.Stored();   // escaped and TAB-separated already
    char* out = Room(3 + 5 * kNumberBound + texts.size());
    *out++ = 'C';
    out = PutNumber(out, chro.id);
    if (static_cast<unsigned>(c.m_nType) < 10 && static_cast<unsigned>(c.m_nAnalogue) < 10
        && static_cast<unsigned>(c.m_nFunction) < 10) {
        // Most lines: four single digits, each after its TAB, written as one eight-byte word.
        const std::uint64_t word = 0x3009300930093009ull | (c.m_bChecked ? 1ull << 8 : 0)
                                   | std::uint64_t(c.m_nType) << 24 | std::uint64_t(c.m_nAnalogue) << 40
                                   | std::uint64_t(c.m_nFunction) << 56;
        std::memcpy(out, &word, 8);
        out += 8;
    } else {
        out = PutNumber(out, c.m_bChecked ? 1 : 0);
        out = PutNumber(out, c.m_nType);
        out = PutNumber(out, c.m_nAnalogue);
        out = PutNumber(out, c.m_nFunction);
    }
    *out++ = '\t';
    out = PutBytes(out, texts.data(), texts.size());
    *out++ = '\n';
    Commit(out);
}

bool CListFileWriter::WriteAll(const std::vector<std::unique_ptr<SGroupEntry>>& groups)
{
    const std::string header = std::string(kMagic) + ' ' + std::to_string(kVersion) + '\n';
    char* out = Room(header.size());
    std::memcpy(out, header.data(), header.size());
    Commit(out + header.size());
    size_t chroCount = 0;
    for (const auto& group : groups) {
        WriteGroup(*group);
        for (const SChroEntry& chro : group->chros)
            WriteChro(chro);
        chroCount += group->chros.size();
        if (m_bFailed)
            return false;
    }
    out = Room(4 + 2 * kNumberBound);
    std::memcpy(out, "END", 3);
    out = PutNumber(out + 3, static_cast<long long>(groups.size()));
    out = PutNumber(out, static_cast<long long>(chroCount));
    *out++ = '\n';
    Commit(out);
    return Flush();
}
