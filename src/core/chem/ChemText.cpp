#include "ChemText.h"

#include <climits>
#include <cstdlib>

namespace chem_text {
bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

size_t SkipSpaces(std::string_view text, size_t pos)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    return pos;
}

std::string_view Trim(std::string_view text)
{
    const size_t first = SkipSpaces(text, 0);
    size_t last = text.size();
    while (last > first && IsSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool Fail(SChemError& error, size_t index, std::string reason)
{
    if (error.reason.empty()) {
        error.reason = std::move(reason);
        error.position = index >= static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(index) + 1;
    }
    return false;
}

bool ReadCount(std::string_view text, size_t& pos, int64_t limit, int64_t& value, SChemError& error)
{
    if (pos >= text.size() || !IsDigit(text[pos]))
        return true;
    const size_t start = pos;
    if (text[pos] == '0')
        return Fail(error, start, "a count cannot start with 0");
    int64_t number = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        if (number <= limit)
            number = number * 10 + (text[pos] - '0');
    if (number > limit)
        return Fail(error, start,
                    "number " + std::string(text.substr(start, pos - start).substr(0, 12))
                        + (pos - start > 12 ? "..." : "") + " is too large");
    value = number;
    return true;
}

std::string ChargeText(int charge, bool numberFirst)
{
    const std::string sign = charge < 0 ? "-" : "+";
    const int size = std::abs(charge);
    if (size <= 1)
        return sign;
    return numberFirst ? std::to_string(size) + sign : sign + std::to_string(size);
}
}   // namespace chem_text
