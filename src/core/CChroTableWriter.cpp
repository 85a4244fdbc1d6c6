#include "CChroTableWriter.h"

#include "TableColumns.h"

#include <charconv>

namespace {
void AppendField(std::string& out, std::string_view text, char separator)
{
    bool quoted = false;
    for (const char c : text) {
        if (c == '"' || c == '\r' || c == '\n' || c == separator) {
            quoted = true;
            break;
        }
    }
    if (!quoted) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendNumber(std::string& out, int value)
{
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendHeader(std::string& out, char separator, bool withGroup)
{
    using namespace table_columns;
    if (withGroup)
        for (const int column : {kGroup, kGroupNumber, kGroupComment, kGroupRange})
            (out += Name(column)) += separator;
    for (int column = kName; column <= kChecked; ++column) {
        if (column != kName)
            out += separator;
        out += Name(column);
    }
    out += "\r\n";
}

// One chromatogram's line, each field written straight into out. No field but a type code
// outside 0 to 3 is ever a number the separator or a quote could be part of.
void AppendChro(std::string& out, const CChromatogramData& chro, char separator)
{
    AppendField(out, chro.m_strName, separator);
    out += separator;
    if (const char* type = table_columns::TypeName(chro.m_nType))
        out += type;
    else
        AppendNumber(out, chro.m_nType);
    out += separator;
    AppendNumber(out, chro.m_nFunction);
    out += separator;
    AppendField(out, chro.m_strMass, separator);
    out += separator;
    AppendNumber(out, chro.m_nAnalogue);
    out += separator;
    out += chro.m_bChecked ? '1' : '0';
    out += "\r\n";
}
}   // namespace

std::string CChroTableWriter::Text(const std::vector<CChromatogramData>& chros)
{
    std::string out;
    AppendHeader(out, '\t', false);
    for (const CChromatogramData& chro : chros)
        AppendChro(out, chro, '\t');
    return out;
}

std::string CChroTableWriter::Csv(const std::vector<SGroupRecords>& groups, bool withGroup)
{
    std::string out;
    AppendCsvHeader(out, withGroup);
    std::string groupColumns;
    for (size_t number = 1; number <= groups.size(); ++number) {
        const SGroupRecords& group = groups[number - 1];
        if (withGroup)
            groupColumns = CsvGroupColumns(group.name, number, group.comment, group.rangeMode, group.range);
        if (withGroup && group.chros.empty())
            AppendCsvEmptyGroup(out, groupColumns);
        for (const CChromatogramData& chro : group.chros)
            AppendCsvLine(out, groupColumns, chro);
    }
    return out;
}

void CChroTableWriter::AppendCsvHeader(std::string& out, bool withGroup)
{
    AppendHeader(out, ',', withGroup);
}

std::string CChroTableWriter::CsvGroupColumns(std::string_view name, size_t number, std::string_view comment,
                                              int rangeMode, std::string_view range)
{
    std::string out;
    AppendField(out, name, ',');
    out += "," + std::to_string(number) + ",";
    AppendField(out, comment, ',');
    out += ',';
    AppendField(out, rangeMode == 1 ? "default" : rangeMode == 2 ? range : "keep", ',');
    out += ',';
    return out;
}

void CChroTableWriter::AppendCsvEmptyGroup(std::string& out, std::string_view groupColumns)
{
    (out += groupColumns) += ",,,,,\r\n";
}

void CChroTableWriter::AppendCsvLine(std::string& out, std::string_view groupColumns, const CChromatogramData& chro)
{
    out += groupColumns;
    AppendChro(out, chro, ',');
}
