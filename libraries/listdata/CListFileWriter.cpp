#include "CListFileWriter.h"

void CListFileWriter::AppendText(std::string& out, std::string_view text)
{
    out += '\t';
    // Only the bytes that end a field or a line, and the escape byte itself, are escaped;
    // every other byte is written as it is.
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char* escape = nullptr;
        switch (c) {
        case '\\': escape = "\\\\"; break;
        case '\t': escape = "\\t"; break;
        case '\n': escape = "\\n"; break;
        case '\r': escape = "\\r"; break;
        case '\0': escape = "\\0"; break;
        default: continue;
        }
        out.append(text.data() + start, i - start);
        out += escape;
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

void CListFileWriter::AppendNumber(std::string& out, long long value)
{
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (negative) *--p = '-';
    out += '\t';
    out.append(p, end - p);
}

void CListFileWriter::Write(const std::vector<std::unique_ptr<SGroupEntry>>& groups, std::string& out)
{
    out.clear();
    out += kMagic;
    out += ' ';
    out += std::to_string(kVersion);
    out += '\n';
    size_t chroCount = 0;
    for (const auto& group : groups) {
        const CGroupDataHelper& g = group->data;
        out += 'G';
        AppendNumber(out, group->id);
        AppendNumber(out, g.m_dwKey);
        AppendNumber(out, g.m_bChecked ? 1 : 0);
        AppendNumber(out, g.m_nRangeMode);
        AppendNumber(out, group->selection);
        AppendText(out, g.m_strName);
        AppendText(out, g.m_strComment);
        AppendText(out, g.m_strBasedOn);
        AppendText(out, g.m_strRange);
        out += '\n';
        for (const SChroEntry& chro : group->chros) {
            const CPackedChromatogram& c = chro.data;
            out += 'C';
            AppendNumber(out, chro.id);
            AppendNumber(out, c.m_bChecked ? 1 : 0);
            AppendNumber(out, c.m_nType);
            AppendNumber(out, c.m_nAnalogue);
            AppendNumber(out, c.m_nFunction);
            for (int text = 0; text < CPackedChromatogram::kTexts; ++text)
                AppendText(out, c.Text(text));
            out += '\n';
        }
        chroCount += group->chros.size();
    }
    out += "END";
    AppendNumber(out, static_cast<long long>(groups.size()));
    AppendNumber(out, static_cast<long long>(chroCount));
    out += '\n';
}
