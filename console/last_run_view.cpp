#include "console/last_run_view.h"

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

const std::string LastRunHeading = "What Lumivo Manager did when it last ran:";

std::vector<std::string> LastRunLines(Registry& registry) {
    std::vector<std::string> lines = ReadRegistryLines(registry, SettingsKeyPath, LastRunValueName);
    if (lines.empty()) {
        lines.push_back("Lumivo Manager has not run since the table was made.");
    }
    return lines;
}
