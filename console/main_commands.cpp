#include "console/main_commands.h"

#include "common/settings/options.h"
#include "common/settings/organization_places.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

std::string ManagementOptionMessage(bool lumivoManages) {
    // The second text lacks the space in "back onafter"; it is shown as it always has been.
    return lumivoManages
               ? "Your selection will not become effective until next time you log on after you "
                 "hit OK. If you want it to become effective now, please log off and then back "
                 "onafter you hit OK."
               : "Your selection will not become effective until next time you log on after you "
                 "hit OK. If you want it to become effective now, please log off and then back on "
                 "after you hit OK.";
}

const std::string UpdateCheckNotice =
    "LMV will contact the server to get the latest version number. If it finds there is a more "
    "up-to-date version, it will let you know.";
const std::string TrayIconNotice = "The Icon will remain in the System Tray until you log off.";

const std::string HelpFileName = "Lumivo.chm";
const std::string OnlineHelpUrl =
    std::string("https://") + LUMIVO_SITE_HOST + "/Software/LMV/Help/Introduction.html";
const std::string SupportPageUrl =
    std::string("http://") + LUMIVO_SITE_HOST + "/Software/LMV/LMVPP.htm";

const std::string ManagedByOrganizationText = "Some settings are managed by your organization.";

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
