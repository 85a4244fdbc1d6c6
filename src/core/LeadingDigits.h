#pragma once

#include <string>

// The number a text starts with: its leading decimal digits ("12.75" is 12, "" and "x" are
// 0). Texts come from edit boxes that take any number of digits, so nothing here overflows.

// The leading number as an int; a number past the int range gives the largest int.
int LeadingNumber(const std::string& text);

// Compares the leading numbers of two texts exactly, however many digits they have:
// negative, zero or positive as a's is less than, equal to or greater than b's.
int CompareLeadingNumbers(const std::string& a, const std::string& b);
