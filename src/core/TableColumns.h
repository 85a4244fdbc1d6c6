#pragma once

#include <string>

// The columns of a chromatogram table, in the order the tool writes them.
namespace table_columns {
enum { kGroup, kName, kType, kFunction, kMass, kChannel, kChecked, kCount };

// The header name of a column ("Group", "Name", ...).
const char* Name(int column);
// The column a header name stands for, whatever its letter case; -1 for none.
int Find(const std::string& header);
// The text with ASCII letters in lower case.
std::string Lower(std::string text);
// The type names the tool writes, by type code; nullptr outside 0 to 3.
const char* TypeName(int type);
}   // namespace table_columns
