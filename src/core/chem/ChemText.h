#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Why a formula or an adduct is not understood, and the position (from 1) of the first
// character that is not.
struct SChemError {
    std::string reason;
    int position = 0;
};

// Small pieces of reading that the formula and the adduct readers share.
namespace chem_text {
bool IsSpace(char c);
bool IsDigit(char c);
bool IsUpper(char c);
bool IsLower(char c);
// The first position at or after pos that is not a space or a tab.
size_t SkipSpaces(std::string_view text, size_t pos);
// The text without its leading and trailing spaces and tabs.
std::string_view Trim(std::string_view text);
// Records the first failure only: the reason and the position of text index `index`.
// Always returns false.
bool Fail(SChemError& error, size_t index, std::string reason);
// Reads the decimal number at pos, if there is one, into value and moves pos past it;
// with no digit there value is left as it is. A number that starts with 0 or exceeds
// limit is refused (its start is the position).
bool ReadCount(std::string_view text, size_t& pos, int64_t limit, int64_t& value, SChemError& error);
// A charge as an adduct ends ("+", "2-") or as a formula ends ("+", "-2").
std::string ChargeText(int charge, bool numberFirst);
}   // namespace chem_text
