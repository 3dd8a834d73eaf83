// The registry contract against Windows' own registry. The tests work in the key reserved for
// them, in the settings key and in LegacyDefaultPrinterMode; a settings key and a mode that were
// there before are put aside for each test and brought back afterwards.
#include <windows.h>

#include "common/platform/win32/registry_win32.h"
#include "support/registry_contract.h"
#include "support/settings_store_contract.h"

namespace registry_contract {

namespace {

const char BackupSubKey[] = "Software\\Lumivo Tests Backup";

HKEY Native(const RegistryKey& key) {
    return reinterpret_cast<HKEY>(static_cast<RegistryHandle>(key.get()));
}

}  // namespace

class Win32Backend {
public:
    Win32Backend() {
        PutSettingsAside();
        PutLegacyModeAside();
        RemoveTestTraces();
    }

    ~Win32Backend() {
        RemoveTestTraces();
        BringSettingsBack();
        BringLegacyModeBack();
    }

    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    Registry& registry() { return registry_; }
    void Verify() {}

private:
    void RemoveTestTraces() {
        RegDeleteTreeA(HKEY_CURRENT_USER, TestSubKey.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsSubKey.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, PoliciesSubKey.c_str());
        RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, RootValueName.c_str());
    }

    void PutSettingsAside() {
        const RegistryKey settings = Open(registry_, SettingsSubKey, KeyRead);
        if (!settings) {
            return;
        }
        ASSERT_FALSE(Exists(registry_, BackupSubKey)) << "a backup of the settings key is left";
        const RegistryKey backup = Create(registry_, BackupSubKey);
        ASSERT_EQ(RegCopyTreeA(Native(settings), nullptr, Native(backup)), ERROR_SUCCESS);
        settingsPutAside_ = true;
        ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, SettingsSubKey.c_str()), ERROR_SUCCESS);
    }

    void BringSettingsBack() {
        if (!settingsPutAside_) {
            return;
        }
        const RegistryKey backup = Open(registry_, BackupSubKey, KeyRead);
        const RegistryKey settings = Create(registry_, SettingsSubKey);
        if (RegCopyTreeA(Native(backup), nullptr, Native(settings)) == ERROR_SUCCESS) {
            RegDeleteTreeA(HKEY_CURRENT_USER, BackupSubKey);
        } else {
            ADD_FAILURE() << "the settings key could not be brought back from its backup";
        }
    }

    void PutLegacyModeAside() {
        DWORD size = sizeof legacyMode_;
        legacyModePresent_ =
            RegGetValueA(HKEY_CURRENT_USER, WindowsSubKey.c_str(), "LegacyDefaultPrinterMode",
                         RRF_RT_ANY, &legacyModeType_, legacyMode_, &size) == ERROR_SUCCESS;
        legacyModeSize_ = size;
        RegDeleteKeyValueA(HKEY_CURRENT_USER, WindowsSubKey.c_str(), "LegacyDefaultPrinterMode");
    }

    void BringLegacyModeBack() {
        if (legacyModePresent_) {
            RegSetKeyValueA(HKEY_CURRENT_USER, WindowsSubKey.c_str(), "LegacyDefaultPrinterMode",
                            legacyModeType_, legacyMode_, legacyModeSize_);
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, WindowsSubKey.c_str(),
                               "LegacyDefaultPrinterMode");
        }
    }

    Win32Registry registry_;
    bool settingsPutAside_ = false;
    bool legacyModePresent_ = false;
    DWORD legacyModeType_ = 0;
    BYTE legacyMode_[64] = {};
    DWORD legacyModeSize_ = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistrySeamContract, Win32Backend);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryAccessContract, Win32Backend);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SettingsStoreContract, Win32Backend);

}  // namespace registry_contract
