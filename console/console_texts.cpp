#include "console/console_texts.h"

#include "common/text/text_helpers.h"
#include "lumivo_version.h"

const std::string ConsoleCaption = "Lumivo Console";
const std::string ConsoleDisplayVersion = "v" LUMIVO_VERSION;
const std::string ConsoleVersion = LUMIVO_VERSION;

std::string MainCaption(const std::string& windowsName) {
    return TrimSpaces(ConsoleTitle() + " - " + windowsName);
}

std::string ConsoleTitle() {
    return ConsoleCaption + " - " + ConsoleDisplayVersion;
}
