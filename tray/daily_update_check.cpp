#include "tray/daily_update_check.h"

#include <algorithm>

#include "common/services/update_check_schedule.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

std::string TrimmedOfSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Only "YES" matters, and no byte outside ASCII upper-cases to an ASCII letter in any ANSI code
// page, so ASCII upper-casing decides exactly as the system's would.
std::string UpperCasedAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

}  // namespace

bool IsDailyUpdateCheckWanted(const std::string& checkForUpdates) {
    return UpperCasedAscii(TrimmedOfSpaces(checkForUpdates)) == "YES";
}

bool IsDailyUpdateCheckWanted(Registry& registry) {
    return IsDailyUpdateCheckWanted(
        ReadRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName));
}

bool ClaimDailyUpdateCheck(Registry& registry, std::chrono::sys_seconds now) {
    return IsDailyUpdateCheckWanted(registry) && ClaimAutomaticUpdateCheck(registry, now);
}
