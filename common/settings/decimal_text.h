#pragma once

#include <cstdint>
#include <string>

// Numbers are stored as decimal text. Reading takes the number at the start of the text: blanks
// skipped, an optional sign, digits and an optional fraction, which rounds to the nearest whole
// number (halves away from zero). A text without a number reads as 0, and a number beyond the
// 32-bit range reads as the nearest end of that range.
std::int32_t LeadingDecimalNumber(const std::string& text);

// The decimal text of a number: "-" before a negative value, no plus sign, no spaces, no leading
// zeros.
std::string DecimalText(std::int64_t number);
