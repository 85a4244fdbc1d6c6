#pragma once

#include <string>

// The columns of a chromatogram table: the ones the tool writes, in its order, then the
// ones it reads from target lists that other tools write.
namespace table_columns {
enum {
    kGroup, kName, kType, kFunction, kMass, kChannel, kChecked,   // the clipboard's and a group's export
    kGroupNumber, kGroupComment, kGroupRange,                     // a whole list's export adds these
    kFormula, kAdduct, kCharge,                                   // read, never written
    kCount
};

// The header name the tool writes for a column ("Group", "Name", "Group Number", ...).
const char* Name(int column);
// The column's name as the preview lists it ("name", "group number").
std::string Word(int column);
// The column a header stands for, whatever its letter case, spaces and underscores:
// the tool's own names and the names other tools' target lists use ("Compound Name",
// "PrecursorMz", "Sum Formula", "Ion Type", ...); -1 for none.
int Find(const std::string& header);
// The text with ASCII letters in lower case.
std::string Lower(std::string text);
// The type names the tool writes, by type code; nullptr outside 0 to 3.
const char* TypeName(int type);
}   // namespace table_columns
