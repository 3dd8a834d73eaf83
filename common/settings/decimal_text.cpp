#include "common/settings/decimal_text.h"

#include <algorithm>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::int32_t LeadingDecimalNumber(const std::string& text) {
    constexpr std::int64_t Largest = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t Smallest = std::numeric_limits<std::int32_t>::min();

    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) {
        return 0;
    }
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    // Past the 32-bit range more digits change nothing, so the magnitude stops growing there.
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), Largest + 1);
    }
    if (at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1]) && text[at + 1] >= '5') {
        ++magnitude;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp(number, Smallest, Largest));
}

std::string DecimalText(std::int64_t number) {
    return std::to_string(number);
}
