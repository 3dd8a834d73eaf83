#pragma once

#include <string>

#include "common/platform/registry.h"

// The decisions and texts of the main window's Help menu and option buttons.

// What the option buttons say when clicked: the choice takes effect at the next logon.
std::string ManagementOptionMessage(bool lumivoManages);

extern const std::string UpdateCheckNotice;
extern const std::string TrayIconNotice;

// The help file, and the product site's online help and support pages.
extern const std::string HelpFileName;
extern const std::string OnlineHelpUrl;
extern const std::string SupportPageUrl;

// A click on a checked option item stores "NO", on an unchecked one "YES"; the answer is whether
// the item is checked afterwards.
bool ToggleOption(Registry& registry, const std::string& valueName, bool checked);
