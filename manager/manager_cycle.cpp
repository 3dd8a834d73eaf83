#include "manager/manager_cycle.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/network/adapter_snapshot.h"
#include "common/network/name_lists.h"
#include "common/network/place_match.h"
#include "common/services/process_helpers.h"
#include "common/services/printer_notices.h"
#include "common/services/places_to_apply.h"
#include "common/services/program_names.h"
#include "common/services/update_check_schedule.h"
#include "common/settings/applied_networks.h"
#include "common/settings/mapping_table.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/remote_sessions.h"
#include "common/settings/settings_keys.h"
#include "common/settings/windows_version.h"
#include "manager/manager_identity.h"
#include "manager/printer_run.h"
#include "manager/run_outcome.h"
#include "manager/run_record.h"

namespace {

// The Manager gives the session a moment to settle after logon before it goes to the network.
constexpr std::uint32_t SettlePause = 2500;
// The pause after each default-printer change keeps the spooler from being hurried through a
// long table; entries that change nothing cost no pause.
constexpr std::uint32_t PrinterChangePause = 2000;

UpdateCheckProgram ManagerUpdateCheckProgram() {
    return {ManagerProgramTitle(), ManagerProgramVersion, UpdateCheckForm::Manager};
}

// Polls until some network is connected or the Manager is asked to end: it has nothing to do
// before. Returns the connected networks' name list, nothing when asked to end.
std::optional<std::string> WaitForConnectedNetwork(ManagerPlatform& platform) {
    for (;;) {
        std::string connected = ConnectedNetworkList(platform.networks);
        if (!connected.empty()) {
            return connected;
        }
        if (platform.endRequest.WaitForEndRequest(NetworkPollPause)) {
            return std::nullopt;
        }
    }
}

// Windows may keep another printer as the default although the spooler took the name, so the
// Manager asks once the change has had its pause.
LastMatch SetMappedPrinter(ManagerPlatform& platform, RunRecord& record, PrinterRun& run,
                           const MappingEntry& entry) {
    LastMatch match;
    match.entry = {entry.networkName, entry.printerName.substr(0, MaxPrinterNameLength)};
    run.BeforeChange(platform.registry, match.entry.printerName);
    match.status = platform.spooler.SetDefaultPrinterA(match.entry.printerName);
    record.PrinterSet(match.entry.printerName, match.status);
    platform.clock.Sleep(PrinterChangePause);
    if (match.status == SpoolerSuccess) {
        match.reported = platform.spooler.PresentDefaultPrinter();
        if (match.reported != match.entry.printerName) {
            record.OtherDefaultReported(match.reported);
        }
    }
    run.AfterChange(match);
    return match;
}

// What the run's entries are matched against: looked at once, however long the table.
struct RunPlaces {
    std::string connected;
    AdapterSnapshot snapshot;
    PlacesToApply table;
};

// Makes the printer of each entry (the organization's places, then the user's rows) whose place
// is here the default and returns the outcome for the last one, whose printer is meant to stay
// the default; nothing when no entry matches.
std::optional<LastMatch> ApplyMappingTable(ManagerPlatform& platform, RunRecord& record,
                                           PrinterRun& run, const RunPlaces& places) {
    const std::vector<MappingEntry>& table = places.table.entries;
    const int count = static_cast<int>(table.size());
    const bool lumivoManages = IsLegacyDefaultPrinterMode(platform.registry);
    record.Management(lumivoManages, count);
    record.Places(places.table);
    if (!lumivoManages) {
        return std::nullopt;
    }
    // Asked only where the Manager may change the printer, as the question loads the spooler.
    const std::string defaultBefore = platform.spooler.PresentDefaultPrinter();
    std::optional<LastMatch> last;
    for (int n = 1; n <= count; ++n) {
        const MappingEntry& entry = table[static_cast<std::size_t>(n - 1)];
        if (!run.Applies(entry)) {
            continue;
        }
        const PlaceMatch match =
            MatchPlace(platform.networks, places.connected, places.snapshot, entry.networkName);
        record.Entry(n, entry, match);
        if (match.matched) {
            last = SetMappedPrinter(platform, record, run, entry);
            last->defaultBefore = defaultBefore;
        }
    }
    record.TableApplied();
    return last;
}

// What the tray program and the next runs learn of this one; `places` is what the tray program
// compares with.
void HandOverOutcome(Registry& registry, const std::string& places, const PrinterRun& run,
                     const std::optional<LastMatch>& last) {
    WriteAppliedNetworks(registry, places);
    WriteAppliedEntry(registry, last ? std::optional<MappingEntry>(last->entry) : std::nullopt);
    WritePrinterRetry(registry, run.NextRetry(last));
    WritePrinterNotice(registry, run.Notice(last));
}

// Applies the table, or on a retry the entries to retry; a retry that finds the user picked
// another printer since changes nothing and retries no more.
void ApplyPrinters(ManagerPlatform& platform, RunRecord& record, const ManagerStart& start,
                   const std::string& connected) {
    const RunPlaces places{connected, TakeAdapterSnapshot(platform.adapters),
                           ReadPlacesToApply(platform.registry, platform.processes)};
    const std::string placesText =
        PlacesText(places.connected, places.snapshot, places.table.entries);
    PrinterRun run(platform.registry, platform.spooler, start, placesText);
    if (run.kind() == PrinterRun::Kind::UsersChoice) {
        record.UsersChoiceKept(run.PresentDefault(), run.Pending().leftDefault);
        WritePrinterRetry(platform.registry, {});
        return;
    }
    if (run.kind() == PrinterRun::Kind::Retry) {
        record.Retrying();
    }
    HandOverOutcome(platform.registry, placesText, run,
                    ApplyMappingTable(platform, record, run, places));
}

}  // namespace

void ManagerCycle(ManagerPlatform& platform, const ManagerStart& start) {
    if (!IsWindows8OrLater(platform.versions)) {
        return;
    }
    const std::uint64_t started = platform.clock.TickCount();
    if (CheckSingleInstance(platform.processes, ManagerMutexName, start.patience)) {
        return;
    }
    RunRecord record(platform.registry, platform.clock);
    // The time spent waiting for another Manager's name has let the session settle too.
    const std::uint64_t waited = platform.clock.TickCount() - started;
    platform.clock.Sleep(SettlePause -
                         static_cast<std::uint32_t>(std::min<std::uint64_t>(waited, SettlePause)));
    // The tray program starts the Manager at each change of networks, so the check runs only when
    // the last automatic one is a day old.
    if (IsOptionEnabled(platform.registry, CheckForUpdatesValueName) &&
        ClaimAutomaticUpdateCheck(platform.registry, platform.clock.CurrentUtcTime())) {
        platform.startUpdateCheck(ManagerUpdateCheckProgram());
    }
    record.WaitingForNetwork();
    const std::optional<std::string> connected = WaitForConnectedNetwork(platform);
    if (connected) {
        record.NetworkConnected(*connected);
        if (AppliesInThisSession(platform.metrics, platform.registry)) {
            ApplyPrinters(platform, record, start, *connected);
        } else {
            // Nothing applied: a tray program in a later local session follows at its first look.
            record.RemoteSession();
            WriteAppliedNetworks(platform.registry, std::string());
            WriteAppliedEntry(platform.registry, std::nullopt);
            WritePrinterRetry(platform.registry, {});
            WritePrinterNotice(platform.registry, std::nullopt);
        }
    }
    // The tray program it starts may hand over at once, when the networks changed during this
    // run; the Manager it starts then must find the name free.
    ReleaseSingleInstance(platform.processes, ManagerMutexName);
    // Asked to end, the programs' files are about to be replaced: no tray program from them.
    if (!connected || platform.endRequest.WaitForEndRequest(0)) {
        record.EndedOnRequest();
    } else {
        record.TrayProgram(StartTrayProgram(platform.registry, platform.processes));
    }
    record.Save();
}
