#pragma once

#include <string>
#include <string_view>

// Conversions between the tool's code page (the system's ANSI code page, in which every
// text of the tool is held) and the UTF-8 and UTF-16 that files and the clipboard carry.
namespace code_page {
// The UTF-8 text in the code page; false when a character has no place in it (nothing is
// ever replaced by a stand-in character).
bool FromUtf8(const std::string& utf8, std::string& narrow);
std::string ToUtf8(const std::string& narrow);
// UTF-16 for the clipboard, both ways.
std::wstring ToWide(const std::string& narrow);
std::string WideToUtf8(const std::wstring& wide);
// True when every byte is below 128: the same text in the code page and in UTF-8.
bool IsAscii(std::string_view text);
// True when the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);
}   // namespace code_page
