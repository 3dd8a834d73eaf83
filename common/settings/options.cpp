#include "common/settings/options.h"

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

bool IsOptionEnabled(Registry& registry, const std::string& valueName) {
    return UpperCaseAscii(ReadRegistryText(registry, SettingsKeyPath, valueName)) != OptionNoText;
}

bool IsLegacyDefaultPrinterMode(Registry& registry) {
    // Deployment tools also store it as text: "0" is Windows managing, as 0 is.
    return ReadRegistryNumber(registry, WindowsPrinterKeyPath, LegacyDefaultPrinterModeValueName)
               .value_or(0) != 0;
}

void SetLegacyDefaultPrinterMode(Registry& registry, std::uint32_t mode) {
    WriteRegistryDword(registry, WindowsPrinterKeyPath, LegacyDefaultPrinterModeValueName, mode);
}
