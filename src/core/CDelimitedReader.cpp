#include "CDelimitedReader.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutMark(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Steps over one line end at pos (CR LF counts as one); returns the position after it.
size_t SkipLineEnd(std::string_view text, size_t pos)
{
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

bool IsBlank(const SDelimitedRow& row)
{
    return row.fields.size() == 1 && row.fields[0].empty();
}
}   // namespace

char CDelimitedReader::DetectSeparator(std::string_view text)
{
    text = WithoutMark(text);
    size_t pos = 0;
    while (pos < text.size() && IsLineEnd(text[pos]))
        ++pos;
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (IsLineEnd(c))
            break;
        else if (c == '\t')
            return '\t';
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
    }
    if (commas == 0 && semicolons == 0)
        return '\t';
    return semicolons > commas ? ';' : ',';
}

std::vector<SDelimitedRow> CDelimitedReader::Read(std::string_view text)
{
    return Read(text, DetectSeparator(text));
}

std::vector<SDelimitedRow> CDelimitedReader::Read(std::string_view text, char separator)
{
    text = WithoutMark(text);
    std::vector<SDelimitedRow> rows;
    SDelimitedRow row;
    std::string field;
    int line = 1;
    row.line = line;
    size_t pos = 0;
    // A quote opens a quoted field only at the start of a field; elsewhere it is kept as
    // it stands, as spreadsheets read it.
    bool atFieldStart = true;
    bool quoted = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (quoted) {
            if (c == '"') {
                if (pos + 1 < text.size() && text[pos + 1] == '"') {
                    field += '"';
                    pos += 2;
                    continue;
                }
                quoted = false;
                ++pos;
                continue;
            }
            if (IsLineEnd(c)) {
                const size_t next = SkipLineEnd(text, pos);
                field.append(text.substr(pos, next - pos));
                ++line;
                pos = next;
                continue;
            }
            field += c;
            ++pos;
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
            ++pos;
        } else if (c == separator) {
            row.fields.push_back(std::move(field));
            field.clear();
            atFieldStart = true;
            ++pos;
        } else if (IsLineEnd(c)) {
            row.fields.push_back(std::move(field));
            field.clear();
            if (!IsBlank(row))
                rows.push_back(std::move(row));
            row = SDelimitedRow();
            row.line = ++line;
            atFieldStart = true;
            pos = SkipLineEnd(text, pos);
        } else {
            field += c;
            atFieldStart = false;
            ++pos;
        }
    }
    if (!field.empty() || !row.fields.empty() || quoted) {
        row.fields.push_back(std::move(field));
        if (!IsBlank(row))
            rows.push_back(std::move(row));
    }
    return rows;
}
