#include "TableColumns.h"

namespace {
const char* const kNames[table_columns::kCount] = {"Group",        "Name",          "Type",        "Function", "Mass",
                                                   "Channel",      "Checked",       "Group Number", "Group Comment",
                                                   "Group Range",  "Formula",       "Adduct",      "Charge"};
const char* const kTypes[] = {"TIC", "BPI", "MASS", "ANALOG"};

// Other names of the columns, as target lists of other tools head them, in the form Find
// compares: lower case, without spaces and underscores.
struct SAlias {
    const char* name;
    int column;
};
const SAlias kAliases[] = {
    {"compound", table_columns::kName},          {"compoundname", table_columns::kName},
    {"precursorname", table_columns::kName},     {"moleculename", table_columns::kName},
    {"molecule", table_columns::kName},          {"m/z", table_columns::kMass},
    {"mz", table_columns::kMass},                {"precursormz", table_columns::kMass},
    {"precursorm/z", table_columns::kMass},      {"sumformula", table_columns::kFormula},
    {"molecularformula", table_columns::kFormula}, {"precursorformula", table_columns::kFormula},
    {"precursoradduct", table_columns::kAdduct}, {"iontype", table_columns::kAdduct},
    {"precursorcharge", table_columns::kCharge}, {"moleculegroup", table_columns::kGroup},
    {"moleculelistname", table_columns::kGroup},
};

std::string Compact(const std::string& text)
{
    std::string out;
    for (char c : table_columns::Lower(text))
        if (c != ' ' && c != '_' && c != '\t')
            out += c;
    return out;
}
}   // namespace

const char* table_columns::Name(int column)
{
    return column >= 0 && column < kCount ? kNames[column] : "";
}

std::string table_columns::Word(int column)
{
    return Lower(Name(column));
}

int table_columns::Find(const std::string& header)
{
    const std::string word = Compact(header);
    if (word.empty())
        return -1;
    for (int column = 0; column < kCount; ++column)
        if (word == Compact(kNames[column]))
            return column;
    for (const SAlias& alias : kAliases)
        if (word == alias.name)
            return alias.column;
    return -1;
}

std::string table_columns::Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

const char* table_columns::TypeName(int type)
{
    return type >= 0 && type < 4 ? kTypes[type] : nullptr;
}
