#include "TextEncoding.h"

namespace {
void AppendUtf8(std::string& out, unsigned long code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}
}   // namespace

std::optional<std::string> text_encoding::Utf16ToUtf8(std::string_view bytes)
{
    if (bytes.size() < 2)
        return std::nullopt;
    const unsigned char first = static_cast<unsigned char>(bytes[0]);
    const unsigned char second = static_cast<unsigned char>(bytes[1]);
    const bool little = first == 0xFF && second == 0xFE;
    if (!little && !(first == 0xFE && second == 0xFF))
        return std::nullopt;
    const unsigned long kReplacement = 0xFFFD;
    auto unit = [&](size_t at) {
        const unsigned long a = static_cast<unsigned char>(bytes[at]);
        const unsigned long b = static_cast<unsigned char>(bytes[at + 1]);
        return little ? a | (b << 8) : (a << 8) | b;
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    size_t at = 2;
    for (; at + 1 < bytes.size(); at += 2) {
        const unsigned long code = unit(at);
        if (code >= 0xD800 && code < 0xDC00 && at + 3 < bytes.size()) {
            const unsigned long low = unit(at + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(out, code >= 0xD800 && code < 0xE000 ? kReplacement : code);
    }
    if (at < bytes.size())
        AppendUtf8(out, kReplacement);
    return out;
}
