#include "manager/manager_cycle.h"

#include <string>

#include "common/network/name_lists.h"
#include "common/services/process_helpers.h"
#include "common/services/program_names.h"
#include "common/services/update_check_schedule.h"
#include "common/settings/mapping_table.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/settings/windows_version.h"
#include "manager/manager_identity.h"

namespace {

// The Manager gives the session a moment to settle after logon before it goes to the network.
constexpr std::uint32_t kSettlePause = 2500;
// Pauses after each default-printer change and after each entry keep the spooler from being
// hurried through a long table.
constexpr std::uint32_t kPrinterChangePause = 2000;
constexpr std::uint32_t kEntryPause = 250;

UpdateCheckProgram ManagerUpdateCheckProgram() {
    return {ManagerProgramTitle(), ManagerProgramVersion, UpdateCheckForm::Manager};
}

// Polls without limit: the Manager has nothing to do until some network is connected.
void WaitForConnectedNetwork(ManagerPlatform& platform) {
    while (ConnectedNetworkList(platform.networks).empty()) {
        platform.clock.Sleep(NetworkPollPause);
    }
}

void ApplyMappingTable(ManagerPlatform& platform) {
    const int count = ReadMappingCount(platform.registry);
    if (!IsLegacyDefaultPrinterMode(platform.registry)) {
        return;
    }
    for (int n = 1; n <= count; ++n) {
        const std::string entryPath = MappingKeyPath(n);
        // A missing entry would read as an empty network name, which matches every network.
        if (!RegistryKeyExists(platform.registry, entryPath)) {
            continue;
        }
        const std::string network =
            ReadRegistryText(platform.registry, entryPath, NetworkNameValueName);
        if (IsNetworkConnected(platform.networks, network)) {
            const std::string printer =
                ReadRegistryText(platform.registry, entryPath, PrinterNameValueName);
            platform.spooler.SetDefaultPrinterA(printer.substr(0, kMaxPrinterNameLength));
            platform.clock.Sleep(kPrinterChangePause);
        }
        platform.clock.Sleep(kEntryPause);
    }
}

}  // namespace

void ManagerCycle(ManagerPlatform& platform) {
    if (!IsWindows8OrLater(platform.versions)) {
        return;
    }
    if (CheckSingleInstance(platform.processes, ManagerMutexName)) {
        return;
    }
    platform.clock.Sleep(kSettlePause);
    // The tray program restarts the Manager about once a minute, so the check runs only when the
    // last automatic one is a day old.
    if (IsOptionEnabled(platform.registry, CheckForUpdatesValueName) &&
        ClaimAutomaticUpdateCheck(platform.registry, platform.clock.CurrentUtcTime())) {
        platform.startUpdateCheck(ManagerUpdateCheckProgram());
    }
    WaitForConnectedNetwork(platform);
    ApplyMappingTable(platform);
    StartTrayProgram(platform.registry, platform.processes);
}
