#include "console/console_texts.h"

#include "common/settings/registry_access.h"

const std::string ConsoleCaption = "Lumivo Console";
const std::string ConsoleDisplayVersion = "v1.19";
const std::string ConsoleVersion = "1.19";

std::string MainCaption(const std::string& windowsName) {
    return TrimSpaces(ConsoleTitle() + " - " + windowsName);
}

std::string ConsoleTitle() {
    return ConsoleCaption + " - " + ConsoleDisplayVersion;
}
