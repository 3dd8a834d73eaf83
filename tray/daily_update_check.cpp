#include "tray/daily_update_check.h"

#include "common/services/update_check_schedule.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

bool IsDailyUpdateCheckWanted(const std::string& checkForUpdates) {
    return UpperCaseAscii(TrimSpaces(checkForUpdates)) == "YES";
}

bool IsDailyUpdateCheckWanted(Registry& registry) {
    return OptionPolicy(registry, CheckForUpdatesValueName)
        .value_or(IsDailyUpdateCheckWanted(
            ReadRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName)));
}

bool ClaimDailyUpdateCheck(Registry& registry, const std::string& connectedNetworks,
                           std::chrono::sys_seconds now) {
    return IsDailyUpdateCheckWanted(registry) && !connectedNetworks.empty() &&
           ClaimAutomaticUpdateCheck(registry, now);
}
