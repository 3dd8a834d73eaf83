#include "console/main_commands.h"

#include "common/settings/options.h"
#include "common/settings/organization_places.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/languages.h"
#include "common/text/texts.h"

std::string ManagementOptionMessage(bool lumivoManages) {
    // The English text for Lumivo lacks the space in "back onafter"; it is shown as it always
    // has been.
    return Text(lumivoManages ? IDS_SELECTION_LOG_ON_LUMIVO : IDS_SELECTION_LOG_ON_WINDOWS);
}

std::string HelpFileName(std::uint16_t language) {
    return std::string("Lumivo") + HelpFileSuffix(language) + ".chm";
}
const std::string OnlineHelpUrl =
    std::string("https://") + LUMIVO_SITE_HOST + "/Software/LMV/Help/Introduction.html";
const std::string SupportPageUrl =
    std::string("http://") + LUMIVO_SITE_HOST + "/Software/LMV/LMVPP.htm";

bool HasOrganizationSettings(Registry& registry) {
    for (const char* option :
         {CheckForUpdatesValueName, SystemTrayValueName, ShowNoticesValueName}) {
        if (OptionPolicy(registry, option)) {
            return true;
        }
    }
    return !UsersKeepTheirRows(registry) || !ReadOrganizationPlaces(registry).places.empty();
}

bool ToggleOption(Registry& registry, const std::string& valueName, bool checked) {
    if (const std::optional<bool> policy = OptionPolicy(registry, valueName)) {
        return *policy;
    }
    WriteRegistryText(registry, SettingsKeyPath, valueName, checked ? OptionNoText : OptionYesText);
    return !checked;
}
