#include "LeadingDigits.h"

#include <climits>

namespace {
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading digits without their leading zeros ("007.5" gives "7", "0" gives "").
std::string SignificantDigits(const std::string& text)
{
    size_t end = 0;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    size_t begin = 0;
    while (begin < end && text[begin] == '0')
        ++begin;
    return text.substr(begin, end - begin);
}
}   // namespace

int LeadingNumber(const std::string& text)
{
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

int CompareLeadingNumbers(const std::string& a, const std::string& b)
{
    const std::string da = SignificantDigits(a);
    const std::string db = SignificantDigits(b);
    if (da.size() != db.size())
        return da.size() < db.size() ? -1 : 1;
    return da.compare(db);
}
