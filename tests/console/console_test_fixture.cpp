#include "console/console_test_fixture.h"

#include <windows.h>

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

constexpr char SettingsSubkey[] = "Software\\Lumivo Mapper";
constexpr char PoliciesSubkey[] = "Software\\Policies\\Lumivo Mapper";
constexpr char WindowsSubkey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

void DeleteSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsSubkey);
    RegDeleteKeyA(HKEY_CURRENT_USER, SettingsSubkey);
    RegDeleteTreeA(HKEY_CURRENT_USER, PoliciesSubkey);
}

}  // namespace

void ConsoleTest::SetUp() {
    DeleteSettingsKey();
    SetSetting(CheckForUpdatesValueName, "NO");
    SetSetting(SystemTrayValueName, "NO");
    DWORD size = sizeof legacyMode_;
    hadLegacyMode_ =
        RegGetValueA(HKEY_CURRENT_USER, WindowsSubkey, LegacyDefaultPrinterModeValueName,
                     RRF_RT_REG_DWORD, nullptr, &legacyMode_, &size) == ERROR_SUCCESS;
}

void ConsoleTest::TearDown() {
    DeleteSettingsKey();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, WindowsSubkey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        if (hadLegacyMode_) {
            RegSetValueExA(key, LegacyDefaultPrinterModeValueName, 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&legacyMode_), sizeof legacyMode_);
        } else {
            RegDeleteValueA(key, LegacyDefaultPrinterModeValueName);
        }
        RegCloseKey(key);
    }
}

void ConsoleTest::SetSetting(const std::string& valueName, const std::string& text) {
    WriteRegistryText(registry_, SettingsKeyPath, valueName, text);
}

std::string ConsoleTest::Setting(const std::string& valueName) {
    return ReadRegistryText(registry_, SettingsKeyPath, valueName);
}
