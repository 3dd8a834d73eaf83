#include "common/text/text_helpers.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

std::string Trimmed(const std::string& text, const char* blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string TrimSpaces(const std::string& text) {
    return Trimmed(text, " ");
}

std::string UpperCaseAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

bool HasSwitch(const std::string& commandLine, const std::string& switchText) {
    std::istringstream words(commandLine);
    std::string word;
    while (words >> word) {
        if (UpperCaseAscii(word) == UpperCaseAscii(switchText)) {
            return true;
        }
    }
    return false;
}

std::string DateTimeText(std::chrono::sys_seconds moment) {
    const auto day = std::chrono::floor<std::chrono::days>(moment);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss time(moment - day);
    char text[32] = {};
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}
