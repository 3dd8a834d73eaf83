#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/platform/registry.h"

// A yes/no option ("CheckForUpdates", "SystemTray", "ShowNotices") as the organization sets it
// in the policy key, under the same name: a text "YES" or "NO" (trimmed, in any letter case) or
// the number 1 or 0. Nothing when the policy key does not set it in one of those forms.
std::optional<bool> OptionPolicy(Registry& registry, const std::string& valueName);

// A yes/no option is what its policy says. Without one, the option of the settings key is on
// unless its text, trimmed and upper-cased, is "NO": missing, empty and any other text count as
// on.
bool IsOptionEnabled(Registry& registry, const std::string& valueName);

// True when Windows' "LegacyDefaultPrinterMode" is nonzero, so this system may choose the default
// printer; stored as a number or as text, it counts as its number, and a missing value or one of
// another type counts as 0.
bool IsLegacyDefaultPrinterMode(Registry& registry);

// Stores 1 (this system chooses the default printer) or 0 (Windows does). Nothing is written when
// the Windows key is missing.
void SetLegacyDefaultPrinterMode(Registry& registry, std::uint32_t mode);
