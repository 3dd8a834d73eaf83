#include "console/last_run_view.h"

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/texts.h"

std::vector<std::string> LastRunLines(Registry& registry) {
    std::vector<std::string> lines =
        ShownTexts(ReadRegistryLines(registry, SettingsKeyPath, LastRunValueName));
    if (lines.empty()) {
        lines.push_back(Text(IDS_LAST_RUN_NONE));
    }
    return lines;
}
