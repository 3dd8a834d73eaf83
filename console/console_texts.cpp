#include "console/console_texts.h"

const std::string ConsoleCaption = "Lumivo Console";
const std::string ConsoleDisplayVersion = "v1.19";
const std::string ConsoleVersion = "1.19";

std::string MainCaption(const std::string& windowsName) {
    return TrimSpaces(ConsoleTitle() + " - " + windowsName);
}

std::string ConsoleTitle() {
    return ConsoleCaption + " - " + ConsoleDisplayVersion;
}

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}
