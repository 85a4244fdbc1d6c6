#include "ListFileText.h"

#include <cstring>

namespace {
// For each byte, the letter that follows the backslash when it is escaped, or 0 when the
// byte is written as it is.
struct SEscapes {
    unsigned char letter[256] = {};
    constexpr SEscapes()
    {
        letter[static_cast<unsigned char>('\\')] = '\\';
        letter[static_cast<unsigned char>('\t')] = 't';
        letter[static_cast<unsigned char>('\n')] = 'n';
        letter[static_cast<unsigned char>('\r')] = 'r';
        letter[0] = '0';
    }
};
constexpr SEscapes kEscapes;
}   // namespace

size_t listfile::EscapedSize(std::string_view text)
{
    size_t size = text.size();
    for (const char c : text)
        if (kEscapes.letter[static_cast<unsigned char>(c)])
            ++size;
    return size;
}

char* listfile::Escape(char* out, std::string_view text)
{
    for (const char c : text) {
        const unsigned char letter = kEscapes.letter[static_cast<unsigned char>(c)];
        if (!letter) {
            *out++ = c;
        } else {
            *out++ = '\\';
            *out++ = static_cast<char>(letter);
        }
    }
    return out;
}

bool listfile::Unescape(std::string_view field, std::string& out)
{
    const char* begin = field.data();
    const char* const end = begin + field.size();
    const char* slash = static_cast<const char*>(std::memchr(begin, '\\', field.size()));
    if (!slash) {
        out.assign(begin, end);
        return true;
    }
    out.clear();
    out.reserve(field.size());
    while (slash) {
        out.append(begin, slash);
        if (slash + 1 == end)
            return false;
        switch (slash[1]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '0':
            out += '\0';
            break;
        default:
            return false;
        }
        begin = slash + 2;
        slash = static_cast<const char*>(std::memchr(begin, '\\', end - begin));
    }
    out.append(begin, end);
    return true;
}
