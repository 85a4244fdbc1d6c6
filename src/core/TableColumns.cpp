#include "TableColumns.h"

namespace {
const char* const kNames[table_columns::kCount] = {"Group", "Name", "Type", "Function", "Mass", "Channel", "Checked"};
const char* const kTypes[] = {"TIC", "BPI", "MASS", "ANALOG"};
}   // namespace

const char* table_columns::Name(int column)
{
    return column >= 0 && column < kCount ? kNames[column] : "";
}

int table_columns::Find(const std::string& header)
{
    const std::string word = Lower(header);
    for (int column = 0; column < kCount; ++column)
        if (word == Lower(kNames[column]))
            return column;
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
