#include "CChroTableReader.h"

#include "ChroRules.h"
#include "TableColumns.h"

#include <algorithm>
#include <optional>

namespace {
using namespace chro_rules;

std::string Trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool AllDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

// A mass as a user writes one: digits with at most one decimal point among them.
bool IsMassNumber(const std::string& text)
{
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (IsDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

// The value of a text of digits, or none when it is above limit.
std::optional<int> SmallNumber(const std::string& digits, int limit)
{
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<bool> ParseChecked(const std::string& text)
{
    const std::string word = table_columns::Lower(text);
    if (word.empty() || word == "1" || word == "true" || word == "yes" || word == "y" || word == "x")
        return true;
    if (word == "0" || word == "false" || word == "no" || word == "n")
        return false;
    return std::nullopt;
}

// Where each column stands in a record; -1 when the table has none.
struct SLayout {
    int at[table_columns::kCount];
    bool massList = false;
};

SLayout FindLayout(const std::vector<SDelimitedRow>& rows, bool& headerLine)
{
    SLayout layout{};
    for (int& at : layout.at)
        at = -1;
    headerLine = false;
    if (rows.empty())
        return layout;
    const std::vector<std::string>& first = rows.front().fields;
    for (size_t i = 0; i < first.size(); ++i) {
        const int column = table_columns::Find(Trimmed(first[i]));
        if (column >= 0 && layout.at[column] < 0) {
            layout.at[column] = static_cast<int>(i);
            headerLine = true;
        }
    }
    if (headerLine)
        return layout;
    bool single = true;
    for (const SDelimitedRow& row : rows)
        single = single && row.fields.size() == 1;
    layout.massList = single;
    if (single) {
        layout.at[table_columns::kMass] = 0;
        return layout;
    }
    for (int column = table_columns::kName; column < table_columns::kCount; ++column)
        layout.at[column] = column - table_columns::kName;
    return layout;
}

class CRowConverter {
public:
    CRowConverter(const SLayout& layout, const STransferRules& rules) : m_layout(layout), m_rules(rules)
    {
        for (int at : layout.at)
            m_width = std::max(m_width, at + 1);
    }

    // Fills row from record; the reason when the record gives no chromatogram.
    std::optional<std::string> Convert(const SDelimitedRow& record, STransferRow& row)
    {
        row.line = record.line;
        for (size_t i = static_cast<size_t>(m_width); i < record.fields.size(); ++i)
            if (!Trimmed(record.fields[i]).empty())
                return "more fields than columns";
        std::string field[table_columns::kCount];
        for (int column = 0; column < table_columns::kCount; ++column) {
            const int at = m_layout.at[column];
            if (at < 0 || static_cast<size_t>(at) >= record.fields.size())
                continue;
            if (!Narrow(record.fields[static_cast<size_t>(at)], field[column]))
                return table_columns::Lower(table_columns::Name(column)) + " has characters the code page cannot hold";
        }
        if (m_layout.massList)
            return MassListRow(Trimmed(field[table_columns::kMass]), row);
        return TableRow(field, row);
    }

private:
    bool Narrow(const std::string& text, std::string& narrow) const
    {
        if (!m_rules.toCodePage) {
            narrow = text;
            return true;
        }
        return m_rules.toCodePage(text, narrow);
    }

    std::optional<std::string> MassListRow(const std::string& mass, STransferRow& row) const
    {
        if (!IsMassNumber(mass))
            return "mass is not a number";
        row.chro.m_nType = kTypeMass;
        row.chro.m_strName = mass;
        row.chro.m_strMass = mass;
        return Finish("1", row);
    }

    std::optional<std::string> TableRow(std::string (&field)[table_columns::kCount], STransferRow& row) const
    {
        using namespace table_columns;
        row.group = field[kGroup];
        bool empty = true;
        for (int column = kName; column < kCount; ++column)
            empty = empty && Trimmed(field[column]).empty();
        if (empty && Trimmed(row.group).empty()) {
            row.groupOnly = true;   // a line of empty fields: skipped
            return std::nullopt;
        }
        if (m_layout.at[kGroup] >= 0 && row.group.empty())
            return "group is empty";
        if (empty) {
            row.groupOnly = true;
            return std::nullopt;
        }
        const std::optional<int> type = ParseType(Trimmed(field[kType]));
        if (!type)
            return "type is not TIC, BPI, MASS or ANALOG";
        row.chro.m_nType = *type;
        std::string function = Trimmed(field[kFunction]);
        if (function.empty())
            function = "1";
        const std::optional<int> functionValue =
            AllDigits(function) ? SmallNumber(function, kFunctionMax) : std::nullopt;
        if (!functionValue)
            return "function is not a number from 0 to 512";
        row.chro.m_nFunction = *functionValue;
        row.chro.m_strMass = Trimmed(field[kMass]);
        if (*type == kTypeMass && row.chro.m_strMass.empty())
            return "mass is empty";
        if (*type == kTypeMass && !IsMassNumber(row.chro.m_strMass))
            return "mass is not a number";
        std::string channel = Trimmed(field[kChannel]);
        if (channel.empty())
            channel = "1";
        const std::optional<int> channelValue = AllDigits(channel) ? SmallNumber(channel, kChannelMax) : std::nullopt;
        if (*type == kTypeAnalogue && (!channelValue || *channelValue < kChannelMin))
            return "channel is not 1, 2, 3 or 4";
        row.chro.m_nAnalogue = channelValue ? *channelValue : 1;
        const std::optional<bool> checked = ParseChecked(Trimmed(field[kChecked]));
        if (!checked)
            return "checked is not 1 or 0";
        row.chro.m_bChecked = *checked;
        row.chro.m_strName = field[kName];
        if (row.chro.m_strName.empty() && *type == kTypeMass)
            row.chro.m_strName = row.chro.m_strMass;
        return Finish(function, row);
    }

    static std::optional<int> ParseType(const std::string& text)
    {
        const std::string word = table_columns::Lower(text);
        if (word == "tic")
            return kTypeTic;
        if (word == "bpi")
            return kTypeBpi;
        if (word == "mass" || word == "mass/channel" || word.empty())
            return kTypeMass;
        if (word == "analog" || word == "analogue")
            return kTypeAnalogue;
        return std::nullopt;
    }

    // The checks every chromatogram passes, and the description the dialog would write.
    std::optional<std::string> Finish(const std::string& function, STransferRow& row) const
    {
        if (row.chro.m_strName.empty())
            return "name is empty";
        if (m_rules.nameFits && !m_rules.nameFits(row.chro.m_strName))
            return "name is longer than the name box holds";
        row.chro.m_strDescription = Describe(row.chro.m_nType, function, row.chro.m_strMass, row.chro.m_nAnalogue);
        return std::nullopt;
    }

    const SLayout& m_layout;
    const STransferRules& m_rules;
    int m_width = 0;
};
}   // namespace

STransferTable CChroTableReader::Read(std::string_view text, const STransferRules& rules)
{
    return Convert(CDelimitedReader::Read(text), rules);
}

STransferTable CChroTableReader::Convert(const std::vector<SDelimitedRow>& rows, const STransferRules& rules)
{
    STransferTable table;
    bool headerLine = false;
    const SLayout layout = FindLayout(rows, headerLine);
    table.hasGroupColumn = layout.at[table_columns::kGroup] >= 0;
    CRowConverter converter(layout, rules);
    for (size_t i = headerLine ? 1 : 0; i < rows.size(); ++i) {
        STransferRow row;
        if (const std::optional<std::string> reason = converter.Convert(rows[i], row))
            table.refused.push_back({rows[i].line, *reason});
        else if (!row.groupOnly || !row.group.empty())
            table.rows.push_back(std::move(row));
    }
    return table;
}

std::string RefusalText(const SRefusedLine& refused)
{
    return "line " + std::to_string(refused.line) + ": " + refused.reason;
}
