#include "common/settings/options.h"

#include "common/settings/policy_keys.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

std::optional<bool> OptionPolicy(Registry& registry, const std::string& valueName) {
    if (const auto text = ReadRegistryStoredText(registry, PoliciesKeyPath, valueName)) {
        const std::string upper = UpperCaseAscii(*text);
        if (upper == OptionYesText || upper == OptionNoText) {
            return upper == OptionYesText;
        }
        return std::nullopt;
    }
    const std::optional<std::int32_t> number =
        ReadRegistryNumber(registry, PoliciesKeyPath, valueName);
    if (number == 0 || number == 1) {
        return number == 1;
    }
    return std::nullopt;
}

bool IsOptionEnabled(Registry& registry, const std::string& valueName) {
    return OptionPolicy(registry, valueName)
        .value_or(UpperCaseAscii(ReadRegistryText(registry, SettingsKeyPath, valueName)) !=
                  OptionNoText);
}

bool IsLegacyDefaultPrinterMode(Registry& registry) {
    // Deployment tools also store it as text: "0" is Windows managing, as 0 is.
    return ReadRegistryNumber(registry, WindowsPrinterKeyPath, LegacyDefaultPrinterModeValueName)
               .value_or(0) != 0;
}

void SetLegacyDefaultPrinterMode(Registry& registry, std::uint32_t mode) {
    WriteRegistryDword(registry, WindowsPrinterKeyPath, LegacyDefaultPrinterModeValueName, mode);
}
