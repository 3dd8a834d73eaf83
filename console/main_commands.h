#pragma once

#include <cstdint>
#include <string>

#include "common/platform/registry.h"

// The decisions and texts of the main window's Help menu and option buttons.

// What the option buttons say when clicked: the choice takes effect at the next logon.
std::string ManagementOptionMessage(bool lumivoManages);

// The help file of the language ("Lumivo.chm" in English, "Lumivo.de.chm" in German), and the
// product site's online help and support pages.
std::string HelpFileName(std::uint16_t language);
extern const std::string OnlineHelpUrl;
extern const std::string SupportPageUrl;

// The main window's line, in its status bar, while the organization sets any option, places of
// its own, or keeps the user's rows from applying.
bool HasOrganizationSettings(Registry& registry);

// A click on a checked option item stores "NO", on an unchecked one "YES"; the answer is whether
// the item is checked afterwards. An option the organization sets stays as its policy says.
bool ToggleOption(Registry& registry, const std::string& valueName, bool checked);
