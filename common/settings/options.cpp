#include "common/settings/options.h"

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

bool IsOptionEnabled(Registry& registry, const std::string& valueName) {
    return UpperCaseAscii(ReadRegistryText(registry, SettingsKeyPath, valueName)) != OptionNoText;
}

bool IsLegacyDefaultPrinterMode(Registry& registry) {
    std::uint32_t mode = 0;
    ReadRegistryDword(registry, WindowsPrinterKeyPath, LegacyDefaultPrinterModeValueName, mode);
    return mode != 0;
}

void SetLegacyDefaultPrinterMode(Registry& registry, std::uint32_t mode) {
    WriteRegistryDword(registry, WindowsPrinterKeyPath, LegacyDefaultPrinterModeValueName, mode);
}
