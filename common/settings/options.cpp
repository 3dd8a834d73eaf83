#include "common/settings/options.h"

#include <algorithm>

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

// Only 'n' and 'o' upper-case to "NO" in any ANSI code page, so ASCII upper-casing answers the
// comparison as the system's would.
std::string UpperCaseAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

}  // namespace

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
