#include "CChroTableReader.h"

#include "CIonMass.h"
#include "ChroRules.h"
#include "TableColumns.h"
#include "TextEncoding.h"

#include <algorithm>
#include <map>
#include <optional>

namespace {
using namespace chro_rules;
using table_columns::kCount;

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

// A mass with a decimal comma, as spreadsheets in many locales write it ("609,3"), with a
// decimal point; any other text as it is.
std::string WithDecimalPoint(std::string mass)
{
    const size_t comma = mass.find(',');
    if (comma != std::string::npos && mass.find_first_of(".,", comma + 1) == std::string::npos
        && mass.find('.') == std::string::npos) {
        std::string pointed = mass;
        pointed[comma] = '.';
        if (IsMassNumber(pointed))
            return pointed;
    }
    return mass;
}

// Why a formula or an adduct gives no m/z, as a refused line says it.
std::string ChemRefusal(const SIonMass& ion)
{
    return std::string(ion.errorInAdduct ? "adduct" : "formula") + " is not understood at character "
           + std::to_string(ion.error.position) + ": " + ion.error.reason;
}

// The adduct a charge column stands for: [M+H]+, [M+2H]2+, [M-H]-, [M-2H]2- ...; empty for
// no charge (the formula's own ion form), none for a text that is not a charge ("+2", "2+",
// "-1" and "1-" are).
std::optional<std::string> AdductOfCharge(std::string text)
{
    if (text.empty())
        return text;
    int sign = 1;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.erase(0, 1);
    } else if (!text.empty() && (text.back() == '+' || text.back() == '-')) {
        sign = text.back() == '-' ? -1 : 1;
        text.pop_back();
    }
    if (text.empty() || text.size() > 3 || !AllDigits(text))
        return std::nullopt;
    const int z = std::stoi(text);
    if (z == 0)
        return std::string();
    const std::string count = z > 1 ? std::to_string(z) : "";
    return sign > 0 ? "[M+" + count + "H]" + count + "+" : "[M-" + count + "H]" + count + "-";
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

// Where each column stands in a record (-1 when the table has none), and how many fields a
// record may fill.
struct SLayout {
    int at[kCount];
    int width = 0;
    bool massList = false;
};

SLayout EmptyLayout()
{
    SLayout layout{};
    for (int& at : layout.at)
        at = -1;
    return layout;
}

// The layout of a table without a header: one column of masses, or the clipboard's order.
SLayout DataLayout(const std::vector<SDelimitedRow>& rows)
{
    SLayout layout = EmptyLayout();
    bool single = true;
    for (const SDelimitedRow& row : rows)
        single = single && row.fields.size() == 1;
    layout.massList = single;
    if (single) {
        layout.at[table_columns::kMass] = 0;
        layout.width = 1;
        return layout;
    }
    for (int column = table_columns::kName; column <= table_columns::kChecked; ++column)
        layout.at[column] = column - table_columns::kName;
    layout.width = table_columns::kChecked;
    return layout;
}

// The layout a header line gives, and what it named and did not; the width is the
// header's, so that the fields of unknown columns after the known ones are ignored.
SLayout HeaderLayout(const SDelimitedRow& header, STransferTable& table)
{
    SLayout layout = EmptyLayout();
    layout.width = static_cast<int>(header.fields.size());
    for (size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = Trimmed(header.fields[i]);
        const int column = table_columns::Find(name);
        if (column >= 0 && layout.at[column] < 0) {
            layout.at[column] = static_cast<int>(i);
            table.columns.push_back(table_columns::Word(column));
        } else if (!name.empty()) {
            table.ignored.push_back(name);
        }
    }
    return layout;
}

bool NamesAColumn(const SDelimitedRow& row)
{
    for (const std::string& field : row.fields)
        if (table_columns::Find(Trimmed(field)) >= 0)
            return true;
    return false;
}

// The fields of one record by column, and the group fields the table reader keeps.
class CRowConverter {
public:
    CRowConverter(const SLayout& layout, const STransferRules& rules) : m_layout(layout), m_rules(rules) {}

    // Fills row from record; the reason when the record gives no chromatogram.
    std::optional<std::string> Convert(const SDelimitedRow& record, STransferRow& row)
    {
        row.line = record.line;
        for (size_t i = static_cast<size_t>(m_layout.width); i < record.fields.size(); ++i)
            if (!Trimmed(record.fields[i]).empty())
                return "more fields than columns";
        for (int column = 0; column < kCount; ++column) {
            m_field[column].clear();
            const int at = m_layout.at[column];
            if (at < 0 || static_cast<size_t>(at) >= record.fields.size())
                continue;
            if (!Narrow(record.fields[static_cast<size_t>(at)], m_field[column]))
                return table_columns::Word(column) + " has characters the code page cannot hold";
        }
        if (m_layout.massList)
            return MassListRow(Trimmed(m_field[table_columns::kMass]), row);
        return TableRow(row);
    }

    // A field of the record last converted, as the code page holds it.
    const std::string& Field(int column) const { return m_field[column]; }

private:
    bool Narrow(const std::string& text, std::string& narrow) const
    {
        if (!m_rules.toCodePage) {
            narrow = text;
            return true;
        }
        return m_rules.toCodePage(text, narrow);
    }

    // A cell of a single column: a mass, or a formula with its adduct ("C6H12O6 [M-H]-").
    std::optional<std::string> MassListRow(const std::string& cell, STransferRow& row) const
    {
        row.chro.m_nType = kTypeMass;
        const std::string mass = WithDecimalPoint(cell);
        if (IsMassNumber(mass)) {
            row.chro.m_strName = mass;
            row.chro.m_strMass = mass;
            return Finish("1", row);
        }
        if (cell.empty() || IsDigit(cell[0]) || cell[0] == '.' || cell[0] == ',')
            return "mass is not a number";
        const SIonMass ion = CIonMass::ReadCell(cell);
        if (!ion.ok)
            return ChemRefusal(ion);
        row.chro.m_strName = ion.name;
        row.chro.m_strMass = CIonMass::FormatMz(ion.mz);
        return Finish("1", row);
    }

    std::optional<std::string> TableRow(STransferRow& row) const
    {
        using namespace table_columns;
        row.group = m_field[kGroup];
        bool empty = true;
        for (int column = kName; column < kCount; ++column)
            if (column < kGroupNumber || column > kGroupRange)
                empty = empty && Trimmed(m_field[column]).empty();
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
        const std::optional<int> type = ParseType(Trimmed(m_field[kType]));
        if (!type)
            return "type is not TIC, BPI, MASS or ANALOG";
        row.chro.m_nType = *type;
        std::string function = Trimmed(m_field[kFunction]);
        if (function.empty())
            function = "1";
        const std::optional<int> functionValue =
            AllDigits(function) ? SmallNumber(function, kFunctionMax) : std::nullopt;
        if (!functionValue)
            return "function is not a number from 0 to 512";
        row.chro.m_nFunction = *functionValue;
        row.chro.m_strMass = Trimmed(m_field[kMass]);
        row.chro.m_strName = m_field[kName];
        if (*type == kTypeMass) {
            row.chro.m_strMass = WithDecimalPoint(row.chro.m_strMass);
            if (std::optional<std::string> reason = MassOfRow(row))
                return reason;
        }
        std::string channel = Trimmed(m_field[kChannel]);
        if (channel.empty())
            channel = "1";
        const std::optional<int> channelValue = AllDigits(channel) ? SmallNumber(channel, kChannelMax) : std::nullopt;
        if (*type == kTypeAnalogue && (!channelValue || *channelValue < kChannelMin))
            return "channel is not 1, 2, 3 or 4";
        row.chro.m_nAnalogue = channelValue ? *channelValue : 1;
        const std::optional<bool> checked = ParseChecked(Trimmed(m_field[kChecked]));
        if (!checked)
            return "checked is not 1 or 0";
        row.chro.m_bChecked = *checked;
        if (row.chro.m_strName.empty() && *type == kTypeMass)
            row.chro.m_strName = row.chro.m_strMass;
        return Finish(function, row);
    }

    // A MASS line's mass: the one it gives, else the m/z of its formula in its adduct (or
    // the ion form its charge says, else [M+H]+), which also names a line without a name.
    std::optional<std::string> MassOfRow(STransferRow& row) const
    {
        using namespace table_columns;
        const std::string formula = Trimmed(m_field[kFormula]);
        if (!row.chro.m_strMass.empty() || formula.empty()) {
            if (row.chro.m_strMass.empty())
                return "mass is empty";
            if (!IsMassNumber(row.chro.m_strMass))
                return "mass is not a number";
            return std::nullopt;
        }
        std::optional<std::string> adduct = Trimmed(m_field[kAdduct]);
        if (adduct->empty())
            adduct = AdductOfCharge(Trimmed(m_field[kCharge]));
        if (!adduct)
            return "charge is not a number";
        const SIonMass ion = CIonMass::Compute(formula, *adduct);
        if (!ion.ok)
            return ChemRefusal(ion);
        row.chro.m_strMass = CIonMass::FormatMz(ion.mz);
        if (row.chro.m_strName.empty())
            row.chro.m_strName = ion.name;
        return std::nullopt;
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
    std::string m_field[kCount];
};

// A first line is a header when a field names a column and the line, read as data, gives
// no chromatogram: "MASS" in the Type position, or a chromatogram named "Mass", is data.
bool IsHeader(const std::vector<SDelimitedRow>& rows)
{
    if (rows.empty() || !NamesAColumn(rows.front()))
        return false;
    const SLayout layout = DataLayout(rows);
    const STransferRules asWritten;
    CRowConverter converter(layout, asWritten);
    STransferRow row;
    return converter.Convert(rows.front(), row).has_value() || row.groupOnly;
}

int RangeMode(const std::string& text, std::string& range)
{
    const std::string word = table_columns::Lower(Trimmed(text));
    range.clear();
    if (word.empty() || word == "keep")
        return 0;
    if (word == "default")
        return 1;
    range = text;
    return 2;
}
}   // namespace

STransferTable CChroTableReader::Read(std::string_view text, const STransferRules& rules)
{
    if (const std::optional<std::string> utf8 = text_encoding::Utf16ToUtf8(text))
        return Convert(CDelimitedReader::Read(*utf8), rules);
    return Convert(CDelimitedReader::Read(text), rules);
}

STransferTable CChroTableReader::Convert(const std::vector<SDelimitedRow>& rows, const STransferRules& rules)
{
    using namespace table_columns;
    STransferTable table;
    const bool header = IsHeader(rows);
    const SLayout layout = header ? HeaderLayout(rows.front(), table) : DataLayout(rows);
    table.hasGroupColumn = layout.at[kGroup] >= 0;
    table.hasGroupNumbers = table.hasGroupColumn && layout.at[kGroupNumber] >= 0;
    CRowConverter converter(layout, rules);
    std::map<std::pair<std::string, std::string>, int> groupByKey;
    for (size_t i = header ? 1 : 0; i < rows.size(); ++i) {
        STransferRow row;
        if (const std::optional<std::string> reason = converter.Convert(rows[i], row)) {
            table.refused.push_back({rows[i].line, *reason});
            continue;
        }
        if (row.groupOnly && row.group.empty())
            continue;
        if (!row.group.empty()) {
            const std::string number = table.hasGroupNumbers ? Trimmed(converter.Field(kGroupNumber)) : "";
            const auto [at, isNew] = groupByKey.emplace(std::make_pair(number, row.group), table.groups.size());
            if (isNew) {
                STableGroup group;
                group.name = row.group;
                group.comment = converter.Field(kGroupComment);
                group.rangeMode = RangeMode(converter.Field(kGroupRange), group.range);
                table.groups.push_back(std::move(group));
            }
            row.groupIndex = at->second;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string RefusalText(const SRefusedLine& refused)
{
    return "line " + std::to_string(refused.line) + ": " + refused.reason;
}
