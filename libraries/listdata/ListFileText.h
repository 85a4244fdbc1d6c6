#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts as a list file holds them: a backslash, TAB, LF, CR or NUL is written as a backslash
// and \ t n r 0; every other byte as it is.
namespace listfile {
// The bytes text takes once escaped.
size_t EscapedSize(std::string_view text);
// Writes text escaped at out; the end of what was written.
char* Escape(char* out, std::string_view text);
// The text an escaped field stands for; false (out unspecified) on a backslash that is not
// one of the five escapes.
bool Unescape(std::string_view field, std::string& out);
}   // namespace listfile
