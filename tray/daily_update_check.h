#pragma once

#include <chrono>
#include <string>

#include "common/platform/registry.h"

// The tray program's daily update check runs only when CheckForUpdates reads "YES" once trimmed
// of spaces and upper-cased. Unlike the Console and the Manager, it counts a missing value or any
// other text as off.
bool IsDailyUpdateCheckWanted(const std::string& checkForUpdates);

// The organization's CheckForUpdates policy when it sets one; otherwise the settings key's value
// with the rule above.
bool IsDailyUpdateCheckWanted(Registry& registry);

// At a minute tick: true when the check is wanted, a network is connected (without one the check
// could only fail) and the last automatic update check is a day old (or unknown); the record of
// the last check then becomes `now`.
bool ClaimDailyUpdateCheck(Registry& registry, const std::string& connectedNetworks,
                           std::chrono::sys_seconds now);
