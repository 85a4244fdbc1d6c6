#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-16 text with a byte-order mark, as a spreadsheet saves "Unicode text", turned into
// the UTF-8 the table reader takes. Plain C++ over bytes.
namespace text_encoding {
// The text in UTF-8 when it starts with a UTF-16 byte-order mark (FF FE little-endian,
// FE FF big-endian), without the mark; none for any other text. A lone surrogate or a
// last odd byte gives U+FFFD, which no code page holds, so its field is refused later.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes);
}   // namespace text_encoding
