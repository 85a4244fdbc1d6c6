#include "CChroTableWriter.h"

#include "TableColumns.h"

#include <iterator>

namespace {
void AppendField(std::string& out, const std::string& text, char separator)
{
    if (text.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
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

// The group's columns of a whole list's export, each followed by a comma.
void AppendGroup(std::string& out, const SGroupRecords& group, size_t number)
{
    AppendField(out, group.name, ',');
    out += "," + std::to_string(number) + ",";
    AppendField(out, group.comment, ',');
    out += ',';
    AppendField(out, group.rangeMode == 1 ? "default" : group.rangeMode == 2 ? group.range : "keep", ',');
    out += ',';
}

void AppendChro(std::string& out, const CChromatogramData& chro, char separator)
{
    const char* type = table_columns::TypeName(chro.m_nType);
    const std::string fields[] = {chro.m_strName,
                                  type ? std::string(type) : std::to_string(chro.m_nType),
                                  std::to_string(chro.m_nFunction),
                                  chro.m_strMass,
                                  std::to_string(chro.m_nAnalogue),
                                  chro.m_bChecked ? "1" : "0"};
    for (size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0)
            out += separator;
        AppendField(out, fields[i], separator);
    }
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
    AppendHeader(out, ',', withGroup);
    for (size_t number = 1; number <= groups.size(); ++number) {
        const SGroupRecords& group = groups[number - 1];
        if (withGroup && group.chros.empty()) {
            AppendGroup(out, group, number);
            out += ",,,,,\r\n";
        }
        for (const CChromatogramData& chro : group.chros) {
            if (withGroup)
                AppendGroup(out, group, number);
            AppendChro(out, chro, ',');
        }
    }
    return out;
}
