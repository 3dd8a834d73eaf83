#pragma once

#include <cstdint>
#include <string>

#include "common/platform/registry.h"

// A yes/no option of the settings key ("CheckForUpdates", "SystemTray") is on unless its text,
// trimmed and upper-cased, is "NO": missing, empty and any other text count as on.
bool IsOptionEnabled(Registry& registry, const std::string& valueName);

// True when Windows' "LegacyDefaultPrinterMode" is nonzero, so this system may choose the default
// printer; stored as a number or as text, it counts as its number, and a missing value or one of
// another type counts as 0.
bool IsLegacyDefaultPrinterMode(Registry& registry);

// Stores 1 (this system chooses the default printer) or 0 (Windows does). Nothing is written when
// the Windows key is missing.
void SetLegacyDefaultPrinterMode(Registry& registry, std::uint32_t mode);
