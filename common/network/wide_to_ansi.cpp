#include "common/network/wide_to_ansi.h"

#include <climits>

std::string WideToAnsi(NetworkList& networks, const char16_t* text) {
    const std::size_t units = std::char_traits<char16_t>::length(text);  // lstrlenW
    if (units == 0 || units > INT_MAX) {
        return std::string();
    }
    const int length = static_cast<int>(units);
    const int needed = networks.WideCharToMultiByte(text, length, nullptr, 0);
    if (needed <= 0) {
        return std::string();
    }
    std::string ansi(static_cast<std::size_t>(needed), '\0');
    const int written = networks.WideCharToMultiByte(text, length, ansi.data(), needed);
    if (written <= 0) {
        return std::string();
    }
    ansi.resize(static_cast<std::size_t>(written));
    return ansi;
}
