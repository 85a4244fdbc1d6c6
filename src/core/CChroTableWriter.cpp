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
    const int first = withGroup ? table_columns::kGroup : table_columns::kName;
    for (int column = first; column < table_columns::kCount; ++column) {
        if (column != first)
            out += separator;
        out += table_columns::Name(column);
    }
    out += "\r\n";
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
    for (const SGroupRecords& group : groups) {
        if (withGroup && group.chros.empty()) {
            AppendField(out, group.name, ',');
            out += ",,,,,,\r\n";
        }
        for (const CChromatogramData& chro : group.chros) {
            if (withGroup) {
                AppendField(out, group.name, ',');
                out += ',';
            }
            AppendChro(out, chro, ',');
        }
    }
    return out;
}
