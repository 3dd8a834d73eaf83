#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/network/address_range.h"
#include "common/services/program_names.h"
#include "common/services/printer_notices.h"
#include "common/settings/applied_networks.h"
#include "common/settings/mapping_table.h"
#include "common/settings/options.h"
#include "common/settings/policy_keys.h"
#include "common/settings/registry_access.h"
#include "common/settings/remote_sessions.h"
#include "common/settings/settings_keys.h"
#include "manager/manager_cycle.h"
#include "manager/manager_start.h"
#include "manager/run_record.h"
#include "tests/support/fakes/fake_spooler.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/recording_processes.h"
#include "tests/support/fakes/scripted_adapters.h"
#include "tests/support/fakes/scripted_end_request.h"
#include "tests/support/fakes/scripted_network_list.h"
#include "tests/support/fakes/scripted_system_metrics.h"
#include "tests/support/fakes/scripted_version_queries.h"
#include "tests/support/fakes/virtual_clock.h"
#include "common/text/texts.h"

namespace {

using Lines = std::vector<std::string>;

// A virtual clock that lets the test change the world once virtual time reaches a moment.
class TimelineClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override {
        clock_.Sleep(milliseconds);
        if (action_ && clock_.Now() >= actionAt_) {
            std::exchange(action_, nullptr)();
        }
    }
    void At(std::uint64_t moment, std::function<void()> action) {
        actionAt_ = moment;
        action_ = std::move(action);
    }
    std::chrono::sys_seconds CurrentUtcTime() override { return clock_.CurrentUtcTime(); }
    std::chrono::local_seconds CurrentLocalTime() override { return clock_.CurrentLocalTime(); }
    std::uint64_t TickCount() override { return clock_.TickCount(); }
    void AdvanceUtcTime(std::chrono::seconds by) { clock_.AdvanceUtcTime(by); }
    std::uint64_t Now() const { return clock_.Now(); }
    const std::vector<std::uint32_t>& Pauses() const { return clock_.Pauses(); }

private:
    VirtualClock clock_;
    std::uint64_t actionAt_ = 0;
    std::function<void()> action_;
};

// The spooler's default-printer changes with the virtual time of each.
struct PrinterChange {
    std::uint64_t at;
    std::string printer;
    friend bool operator==(const PrinterChange&, const PrinterChange&) = default;
};

class ManagerCycleTest : public ::testing::Test {
protected:
    ManagerCycleTest() {
        CreateRegistryKey(registry, SettingsKeyPath);
        CreateRegistryKey(registry, WindowsPrinterKeyPath);
        SetLegacyDefaultPrinterMode(registry, 1);
    }

    void Connect(const std::u16string& name) {
        ScriptedNetwork network;
        network.name = name;
        network.connected = true;
        networks.Scenario().networks.push_back(network);
    }

    void Run() { ManagerCycle(platform); }

    // An adapter, up or down, of a type, with addresses written as "ADDRESS/32" or "ADDRESS/128".
    void AddAdapter(const std::vector<std::string>& addresses, std::uint32_t status = OperStatusUp,
                    std::uint32_t ifType = 6) {
        adapters.adapters.push_back({ifType, status, {}});
        for (const std::string& address : addresses) {
            adapters.adapters.back().unicastAddresses.push_back({ParseAddressRange(address)->base});
        }
    }

    // The printers handed to the spooler, in order.
    const std::vector<std::string>& PrintersSet() const { return spooler.setDefaultCalls; }

    // The Manager's record of its run, as it stands in the settings key.
    std::vector<std::string> Record() {
        return ReadRegistryLines(registry, SettingsKeyPath, LastRunValueName);
    }

    std::vector<std::string> ProgramsStarted() const {
        std::vector<std::string> started;
        for (const auto& start : processes.starts) {
            started.push_back(start.start.commandLine);
        }
        return started;
    }

    ScriptedVersionQueries versions =
        ScriptedVersionQueries::Reporting(PlatformWindowsNt, 6, 2, 9200, NtWorkstation);
    RecordingProcesses processes;
    InMemoryRegistry registry;
    ScriptedNetworkList networks;
    ScriptedAdapters adapters;
    ScriptedSystemMetrics metrics;
    FakeSpooler spooler{{"Home Printer", "Office Printer", "Cafe Printer"}, "Home Printer"};
    TimelineClock clock;
    ScriptedEndRequest endRequest{clock};
    std::vector<UpdateCheckProgram> updateChecks;
    std::vector<std::uint64_t> updateCheckTimes;
    ManagerPlatform platform{versions,
                             processes,
                             registry,
                             networks,
                             adapters,
                             metrics,
                             spooler,
                             clock,
                             endRequest,
                             [this](const UpdateCheckProgram& program) {
                                 updateChecks.push_back(program);
                                 updateCheckTimes.push_back(clock.Now());
                             }};
};

// The bytes that lines take in a list value, without the list's closing NUL.
std::size_t StoredSize(const Lines& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 1;
    }
    return size;
}

const std::string QuotedTray = std::string("\"") + TrayFileName + "\" " + TrayHandOverSwitch;

TEST_F(ManagerCycleTest, WholeRunWaitsForTheNetworkAppliesTheMatchAndStartsTheTray) {
    AddMapping(registry, "Home", "Home Printer");
    AddMapping(registry, "Office", "Office Printer");
    AddMapping(registry, "Cafe", "Cafe Printer");
    std::vector<std::string> recordWhileWaiting;
    clock.At(2500 + 3 * 1500, [this, &recordWhileWaiting] {
        recordWhileWaiting = Record();
        Connect(u"Office");
    });

    Run();

    ASSERT_EQ(updateChecks.size(), 1u);
    EXPECT_EQ(updateCheckTimes[0], 2500u);
    EXPECT_EQ(updateChecks[0].title, "Lumivo Manager - v1.19");
    EXPECT_EQ(updateChecks[0].ownVersion, "1.19");
    EXPECT_EQ(updateChecks[0].form, UpdateCheckForm::Manager);
    // Settle, three polls, then the pause after entry 2's printer; the others cost none.
    EXPECT_EQ(clock.Pauses(), (std::vector<std::uint32_t>{2500, 1500, 1500, 1500, 2000}));
    EXPECT_EQ(PrintersSet(), std::vector<std::string>{"Office Printer"});
    EXPECT_EQ(spooler.defaultPrinter, "Office Printer");
    EXPECT_EQ(ProgramsStarted(), std::vector<std::string>{QuotedTray});
    EXPECT_EQ(processes.mutexWaits.at(0).name, ManagerMutexName);
    // The tray program learns what was applied, and the Manager it may start at once finds the
    // name free.
    EXPECT_EQ(ReadAppliedNetworks(registry), "Office");
    EXPECT_EQ(ReadAppliedEntry(registry), (MappingEntry{"Office", "Office Printer"}));
    EXPECT_EQ(TakePrinterNotice(registry),
              (PrinterNotice{"Default printer changed",
                             "Office Printer is now your default printer (network Office)."}));
    EXPECT_EQ(TakePrinterNotice(registry), std::nullopt) << "shown once";
    EXPECT_EQ(processes.mutexesReleased.back(), ManagerMutexName);
    EXPECT_EQ(processes.starts.at(0).mutexesReleased, processes.mutexesReleased.size());

    EXPECT_EQ(recordWhileWaiting,
              (Lines{"Started on 2026-12-07 at 10:00:00.", "Waiting for a network to connect."}));
    EXPECT_EQ(Record(),
              (Lines{"Started on 2026-12-07 at 10:00:00.", "Waited 4 seconds for a network.",
                     "Connected networks: Office", "Lumivo manages the default printer.",
                     "Entry 1: network \"Home\", printer \"Home Printer\": not connected.",
                     "Entry 2: network \"Office\", printer \"Office Printer\": matched by name.",
                     "Printer \"Office Printer\" is now the default printer.",
                     "Entry 3: network \"Cafe\", printer \"Cafe Printer\": not connected.",
                     "Started the tray program."}));
}

TEST_F(ManagerCycleTest, EveryMatchIsAppliedInTableOrderSoTheLastWins) {
    Connect(u"Office");
    Connect(u"Home 2");
    AddMapping(registry, "Office", "Office Printer");
    AddMapping(registry, "Home", "Home Printer");  // Home is inside "Office, Home 2"
    Run();
    EXPECT_EQ(PrintersSet(), (std::vector<std::string>{"Office Printer", "Home Printer"}));
    EXPECT_EQ(spooler.defaultPrinter, "Home Printer");
    const Lines record = Record();
    ASSERT_GE(record.size(), 9u);
    EXPECT_EQ(record[2], "Connected networks: Office, Home 2");
    EXPECT_EQ(Lines(record.end() - 6, record.end()),
              (Lines{"Entry 1: network \"Office\", printer \"Office Printer\": matched by name.",
                     "Printer \"Office Printer\" is now the default printer.",
                     "Entry 2: network \"Home\", printer \"Home Printer\": matched by name.",
                     "Printer \"Home Printer\" is now the default printer.",
                     "The last match wins: \"Home Printer\" is the default printer.",
                     "Started the tray program."}));
}

// The organization's places apply before the user's rows, so a user's row that matches wins;
// of two matching names the organization listed, the first wins. UserPlaces 0 keeps the user's
// rows from applying. The record tells which is whose.
TEST_F(ManagerCycleTest, OrganizationsPlacesApplyFirstAndAUsersMatchingRowWins) {
    const std::string places = std::string(PoliciesKeyPath) + "\\" + PolicyPlacesSubKey;
    WriteRegistryText(registry, places, "Office", "Office Printer");
    WriteRegistryText(registry, places, "Home", "Home Printer");
    WriteRegistryDword(registry, places, "Cafe", 1);
    Connect(u"Office");
    Connect(u"Home");
    AddMapping(registry, "Home", "Cafe Printer");
    Run();
    EXPECT_EQ(PrintersSet(), (Lines{"Home Printer", "Office Printer", "Cafe Printer"}));
    const Lines record = Record();
    ASSERT_GE(record.size(), 11u);
    EXPECT_EQ(record[4],
              "Left out your organization's place \"Cafe\": its printer is not stored "
              "as text.");
    EXPECT_EQ(record[5],
              "Your organization sets 2 places; your own entries apply after them, so "
              "yours win.");
    EXPECT_EQ(record[8].substr(0, 45), "Your organization's place 2: network \"Office\"");
    EXPECT_EQ(record[10].substr(0, 23), "Entry 1: network \"Home\"");

    WriteRegistryDword(registry, PoliciesKeyPath, UserPlacesValueName, 0);
    Run();
    EXPECT_EQ(spooler.defaultPrinter, "Office Printer");
    EXPECT_EQ(Record()[5],
              "Your organization does not let your own entries apply: only its "
              "places were applied.");
}

// Offices that share a network name are told apart by range; loopback adapters and adapters that
// are down do not count. The tray program compares the matching ranges beside the names.
TEST_F(ManagerCycleTest, TwoOfficesWithOneNetworkNameAreTwoPlacesByRange) {
    Connect(u"corp.example.com");
    AddMapping(registry, "corp.example.com", "Home Printer");
    AddMapping(registry, "10.20.0.0/16", "Office Printer");
    AddMapping(registry, "2001:db8:5::/48", "Cafe Printer");
    AddAdapter({"10.20.0.1/32", "2001:db8:5::1/128"}, OperStatusUp, IfTypeSoftwareLoopback);
    AddAdapter({"2001:db8:5::2/128"}, 2);
    AddAdapter({"10.20.1.5/32"});
    Run();
    EXPECT_EQ(PrintersSet(), (std::vector<std::string>{"Home Printer", "Office Printer"}));
    EXPECT_EQ(ReadAppliedNetworks(registry), "corp.example.com\n10.20.0.0/16");
    EXPECT_EQ(Record().at(6),
              "Entry 2: range \"10.20.0.0/16\", printer \"Office Printer\": matched by range, "
              "address 10.20.1.5.");
    EXPECT_EQ(Record().at(8),
              "Entry 3: range \"2001:db8:5::/48\", printer \"Cafe Printer\": no "
              "adapter that is up has an address in it.");

    adapters.adapters.back().unicastAddresses = {{ParseAddressRange("2001:db8:5::9/128")->base}};
    spooler.setDefaultCalls.clear();
    Run();
    EXPECT_EQ(PrintersSet(), (std::vector<std::string>{"Home Printer", "Cafe Printer"}));
    EXPECT_EQ(ReadAppliedNetworks(registry), "corp.example.com\n2001:db8:5::/48");
}

TEST_F(ManagerCycleTest, InARemoteSessionOnlyThePolicyLetsItSetPrinters) {
    Connect(u"Office");
    AddMapping(registry, "Office", "Office Printer");
    metrics.remoteSession = 1;
    Run();
    EXPECT_TRUE(PrintersSet().empty());
    EXPECT_EQ(ReadAppliedNetworks(registry), "") << "a later local session applies at once";
    EXPECT_EQ(Record().end()[-2],
              "Lumivo changed nothing: this is a remote session, whose default printer the remote "
              "client chooses (the policy ApplyInRemoteSessions turns Lumivo on there).");
    EXPECT_EQ(Record().back(), "Started the tray program.");

    CreateRegistryKey(registry, PoliciesKeyPath);
    WriteRegistryDword(registry, PoliciesKeyPath, ApplyInRemoteSessionsValueName, 1);
    Run();
    EXPECT_EQ(PrintersSet(), std::vector<std::string>{"Office Printer"});
}

// Entries that match nothing cost neither a pause nor a look at the networks.
TEST_F(ManagerCycleTest, AThousandEntriesThatMatchNothingCostNoMoreThanOne) {
    Connect(u"Office");
    AddMapping(registry, "Site 0", "Cafe Printer");
    Run();
    const std::size_t oneRowCalls = networks.Calls().size();
    for (int n = 1; n < 1000; ++n) {
        AddMapping(registry, n % 2 ? "Site " + std::to_string(n) : "10.0.0.0/8",
                   "Printer " + std::to_string(n));
    }
    networks.ClearCalls();
    Run();
    EXPECT_EQ(clock.Pauses(), (std::vector<std::uint32_t>{2500, 2500}));
    EXPECT_EQ(networks.Calls().size(), oneRowCalls);
}

TEST_F(ManagerCycleTest, NamesMatchWhateverTheirCaseAndSurroundingSpaces) {
    Connect(u"Office");
    AddMapping(registry, "  oFFICE ", "Office Printer");
    Run();
    EXPECT_EQ(spooler.defaultPrinter, "Office Printer");
}

// Every list of connected networks holds the empty name, so such an entry would win everywhere.
TEST_F(ManagerCycleTest, EntriesWithoutANetworkNameOrSubkeyMatchNothing) {
    Connect(u"Cafe");
    AddMapping(registry, "Cafe", "Cafe Printer");
    AddMapping(registry, "", "Everywhere Printer");
    WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, "99999999999");
    Run();
    EXPECT_EQ(PrintersSet(), std::vector<std::string>{"Cafe Printer"});
    EXPECT_EQ(clock.Pauses(), (std::vector<std::uint32_t>{2500, 2000}));
    const Lines record = Record();
    EXPECT_NE(std::find(record.begin(), record.end(),
                        "Entry 2: no network name, so it matches no network."),
              record.end());
}

TEST_F(ManagerCycleTest, WithoutLegacyModeNoPrinterChangesButTheTrayStarts) {
    SetLegacyDefaultPrinterMode(registry, 0);
    Connect(u"Office");
    AddMapping(registry, "Office", "Office Printer");
    Run();
    EXPECT_TRUE(PrintersSet().empty());
    EXPECT_EQ(ProgramsStarted(), std::vector<std::string>{QuotedTray});
    EXPECT_EQ(clock.Pauses(), std::vector<std::uint32_t>{2500});
    const Lines record = Record();
    EXPECT_EQ(Lines(record.begin() + 1, record.end()),
              (Lines{"Waited less than a second for a network.", "Connected networks: Office",
                     "Windows manages the default printer, so Lumivo changed nothing.",
                     "Started the tray program."}));
}

TEST_F(ManagerCycleTest, MissingLegacyModeValueCountsAsOff) {
    registry.DeleteKey(RootKey::CurrentUser,
                       "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows");
    Connect(u"Office");
    AddMapping(registry, "Office", "Office Printer");
    Run();
    EXPECT_TRUE(PrintersSet().empty());
}

TEST_F(ManagerCycleTest, PrinterNamesAreCutTo255Characters) {
    const std::string longName(300, 'P');
    Connect(u"Office");
    AddMapping(registry, "Office", longName);
    Run();
    ASSERT_EQ(PrintersSet().size(), 1u);
    EXPECT_EQ(PrintersSet()[0], longName.substr(0, 255));
}

// The tray program retries at its minute tick only when the printer meant to stay the default
// could not be set.
TEST_F(ManagerCycleTest, AMissingPrinterIsIgnoredAndTheRunGoesOn) {
    Connect(u"Office");
    AddMapping(registry, "Office", "Office Printer");
    AddMapping(registry, "Office", "Gone Printer");
    Run();

    SetMappingPrinter(registry, 1, "Gone Printer");
    SetMappingPrinter(registry, 2, "Office Printer");
    spooler.setDefaultCalls.clear();
    processes.starts.clear();
    Run();
    EXPECT_EQ(ReadAppliedNetworks(registry), "Office");
    EXPECT_EQ(PrintersSet(), (std::vector<std::string>{"Gone Printer", "Office Printer"}));
    EXPECT_EQ(spooler.defaultPrinter, "Office Printer");
    EXPECT_EQ(ProgramsStarted(), std::vector<std::string>{QuotedTray});
    const Lines record = Record();
    ASSERT_GE(record.size(), 6u);
    EXPECT_EQ(record[5],
              "Printer \"Gone Printer\" was not set: no printer of that name is "
              "installed (error 1801).");
}

// A retry applies only the failed matches after the last printer set, quietly, until the last is
// set, the user picks a printer or the networks change. Printers are named before they are set.
TEST_F(ManagerCycleTest, ARetryAppliesOnlyTheFailedMatchesUntilSetOrTheUserPicksAPrinter) {
    Connect(u"Office");
    Connect(u"VPN");
    AddMapping(registry, "Office", "Gone Printer");
    AddMapping(registry, "Office", "Office Printer");
    AddMapping(registry, "VPN", "Late Printer");
    spooler.beforeSetDefault = [this](const std::string& printer) {
        const Lines named = ReadRunPrinters(registry);
        EXPECT_NE(std::find(named.begin(), named.end(), printer), named.end()) << printer;
    };
    const PrinterRetry pending{"Office Printer", {{"VPN", "Late Printer"}}};
    const auto retry = [this] {
        spooler.setDefaultCalls.clear();
        ManagerCycle(platform, ManagerStartFromCommandLine(" /RETRY"));
    };
    Run();
    EXPECT_EQ(ReadPrinterRetry(registry), pending);
    EXPECT_EQ(TakePrinterNotice(registry)->title, "Default printer not changed");
    retry();
    EXPECT_EQ(PrintersSet(), Lines{"Late Printer"});
    EXPECT_EQ(ReadPrinterRetry(registry), pending);
    EXPECT_EQ(TakePrinterNotice(registry), std::nullopt) << "told once";
    EXPECT_EQ(Record().at(3), "Tried again the entries whose printers could not be set.");

    spooler.printers.push_back("Late Printer");
    retry();
    EXPECT_EQ(spooler.defaultPrinter, "Late Printer");
    EXPECT_EQ(TakePrinterNotice(registry)->title, "Default printer changed");
    EXPECT_EQ(ReadPrinterRetry(registry), PrinterRetry{});

    spooler.printers.pop_back();
    Run();
    spooler.defaultPrinter = "Cafe Printer";  // picked by hand
    retry();
    EXPECT_TRUE(PrintersSet().empty());
    EXPECT_EQ(ReadPrinterRetry(registry), PrinterRetry{});
    EXPECT_EQ(Record().end()[-2].substr(0, 73),
              "The default printer is now \"Cafe Printer\", not \"Office Printer\" as Lumivo");

    Run();
    Connect(u"Cafe");
    retry();
    EXPECT_EQ(PrintersSet().size(), 3u) << "the networks changed: a whole run";
}

// The notice left for the tray program: none when the printer was the default already, the
// spooler's reason when it refused, the printer Windows kept, and long names cut to fit.
TEST_F(ManagerCycleTest, TheNoticeOfARunSaysWhatBecameOfTheDefaultPrinter) {
    Connect(u"Home");
    AddMapping(registry, "Home", "Home Printer");
    Run();
    EXPECT_EQ(TakePrinterNotice(registry), std::nullopt);

    SetMappingPrinter(registry, 1, "Gone Printer");
    Run();
    EXPECT_EQ(TakePrinterNotice(registry)->text,
              "Lumivo could not make Gone Printer your default printer: no printer of that name "
              "is installed.");

    SetMappingPrinter(registry, 1, "Office Printer");
    spooler.keptDefault = "Cafe Printer";
    Run();
    EXPECT_EQ(TakePrinterNotice(registry),
              (PrinterNotice{"Default printer not changed",
                             "Lumivo made Office Printer your default printer, but Windows reports "
                             "Cafe Printer instead."}));
    EXPECT_EQ(Record().at(6), "Windows reports \"Cafe Printer\" as the default printer instead.");

    const PrinterNotice longNames =
        PrinterChangedNotice(std::string(300, 'P'), std::string(90, 'N'));
    EXPECT_EQ(longNames.text.size(), MaxNoticeTextLength);
    EXPECT_EQ(longNames.text.substr(0, 3), "PPP");
    EXPECT_NE(longNames.text.find("P... is now your default printer (network " +
                                  std::string(90, 'N') + ")."),
              std::string::npos);
    EXPECT_EQ(PrinterNotSetNotice(std::string(300, 'P'), 5).text.size(), MaxNoticeTextLength);

    // Names are stored in the ANSI code page; a notice shows them as they read and counts their
    // characters, and goes back to ANSI in the settings key.
    const PrinterNotice accented = PrinterChangedNotice(std::string(300, '\xE9'), "Caf\xE9");
    EXPECT_EQ(TextLength(accented.text), MaxNoticeTextLength);
    EXPECT_EQ(accented.text.substr(0, 4), "\xC3\xA9\xC3\xA9");
    EXPECT_NE(accented.text.find("(network Caf\xC3\xA9)."), std::string::npos);
    WritePrinterNotice(registry, accented);
    EXPECT_EQ(ReadRegistryLines(registry, SettingsKeyPath, PrinterNoticeValueName)[1].size(),
              MaxNoticeTextLength);
    EXPECT_EQ(TakePrinterNotice(registry), accented);
}

TEST_F(ManagerCycleTest, WithNoEntryConnectedTheRecordSaysWhyNothingChanged) {
    Connect(u"Cafe");
    AddMapping(registry, "Office", "Gone Printer");
    WriteRegistryText(registry, SettingsKeyPath, SystemTrayValueName, "NO");
    Run();
    EXPECT_TRUE(PrintersSet().empty());
    const Lines record = Record();
    EXPECT_EQ(Lines(record.end() - 3, record.end()),
              (Lines{"Entry 1: network \"Office\", printer \"Gone Printer\": not connected.",
                     "No entry's network was connected, so the default printer was not changed.",
                     "Did not start the tray program: \"Display Icon in System Tray\" is off."}));

    Connect(u"Office");
    Run();
    EXPECT_EQ(Record().end()[-2], "The default printer was not changed.");
}

TEST_F(ManagerCycleTest, ALongTableKeepsTheRecordWithin8KiBAndItsEnds) {
    Connect(u"Office");
    for (int n = 0; n < 100; ++n) {
        AddMapping(registry, std::string(100, 'N') + std::to_string(n), "Office Printer");
    }
    AddMapping(registry, "Office", "Office Printer");
    Run();
    const Lines record = Record();
    const std::size_t size = StoredSize(record) + 1;
    EXPECT_LE(size, 8192u);
    EXPECT_GT(size, 7000u);
    ASSERT_GE(record.size(), 4u);
    EXPECT_EQ(record[0], "Started on 2026-12-07 at 10:00:00.");
    EXPECT_TRUE(std::any_of(record.begin(), record.end(), [](const std::string& line) {
        return line.find(" lines left out ...") != std::string::npos;
    }));
    EXPECT_EQ(record[record.size() - 2], "Printer \"Office Printer\" is now the default printer.");
    EXPECT_EQ(record.back(), "Started the tray program.");

    // Lines that take exactly the value's room, with the list's closing NUL, are kept whole.
    RunRecord exact(registry, clock);
    const auto left = [&exact] { return MaxLinesValueSize - 1 - StoredSize(exact.Lines()); };
    RunRecord probe(registry, clock);
    for (int n = 1; left() > 0; ++n) {
        // The probe's line with a one-letter name and its NUL: the room without the name.
        probe.Entry(n, {"N", ""}, {});
        const std::size_t room = left() - probe.Lines().back().size();
        // The last two entries share what is left, so neither is left too little for its words.
        exact.Entry(n, {std::string(room > 200 ? 100 : room, 'N'), ""}, {});
    }
    exact.Save();
    EXPECT_EQ(Record(), exact.Lines());
}

TEST_F(ManagerCycleTest, CountsThatAreNotPositiveVisitNoEntry) {
    Connect(u"Office");
    for (const char* count : {"0", "-3", "many", ""}) {
        WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, count);
        spooler.setDefaultCalls.clear();
        processes.starts.clear();
        ManagerCycle(platform);
        EXPECT_TRUE(PrintersSet().empty()) << "count " << count;
        EXPECT_EQ(ProgramsStarted(), std::vector<std::string>{QuotedTray}) << "count " << count;
    }
}

TEST_F(ManagerCycleTest, CheckForUpdatesOffOnlyForNo) {
    Connect(u"Office");
    for (const char* text : {"no", " No ", "NO"}) {
        WriteRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName, text);
        updateChecks.clear();
        ManagerCycle(platform);
        EXPECT_TRUE(updateChecks.empty()) << text;
    }
    for (const char* text : {"N", "OFF", "YES", ""}) {
        WriteRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName, text);
        clock.AdvanceUtcTime(std::chrono::hours(24));
        updateChecks.clear();
        ManagerCycle(platform);
        EXPECT_EQ(updateChecks.size(), 1u) << text;
    }
}

TEST_F(ManagerCycleTest, AutomaticUpdateCheckRunsAtMostOnceADay) {
    Connect(u"Office");
    const auto lastCheck = [this] {
        return ReadRegistryText(registry, SettingsKeyPath, LastUpdateCheckValueName);
    };
    Run();
    EXPECT_EQ(lastCheck(), "2026-12-07 09:00:02");
    // With the second run's settling pause, 3 seconds short of a day after the first check.
    clock.AdvanceUtcTime(std::chrono::hours(24) - std::chrono::seconds(6));
    Run();
    EXPECT_EQ(updateChecks.size(), 1u);
    EXPECT_EQ(lastCheck(), "2026-12-07 09:00:02");

    clock.AdvanceUtcTime(std::chrono::seconds(1));  // 24 hours after the first check started
    Run();
    EXPECT_EQ(updateChecks.size(), 2u);
    EXPECT_EQ(lastCheck(), "2026-12-08 09:00:02");

    // A record that is unreadable or lies in the future counts as old.
    for (const char* record : {"2099-01-01 00:00:00", "2026-12-08 09:00", "2026-02-30 00:00:00",
                               "2026-12-07 24:00:00"}) {
        WriteRegistryText(registry, SettingsKeyPath, LastUpdateCheckValueName, record);
        Run();
        EXPECT_NE(lastCheck(), record);
    }
    EXPECT_EQ(updateChecks.size(), 6u);
}

// The organization's SystemTray policy wins over the user's value either way.
TEST_F(ManagerCycleTest, SystemTrayNoLeavesTheTrayStopped) {
    Connect(u"Office");
    WriteRegistryText(registry, SettingsKeyPath, SystemTrayValueName, " no ");
    Run();
    EXPECT_TRUE(ProgramsStarted().empty());

    WriteRegistryText(registry, SettingsKeyPath, SystemTrayValueName, "YES");
    WriteRegistryText(registry, PoliciesKeyPath, SystemTrayValueName, "NO");
    Run();
    EXPECT_TRUE(ProgramsStarted().empty());
    EXPECT_EQ(Record().back(),
              "Did not start the tray program: \"Display Icon in System Tray\" is off, as your "
              "organization set it.");
}

// An installer asks a Manager to end, while it waits for a network or later in its run: it ends
// with its record and starts no tray program from the files about to be replaced.
TEST_F(ManagerCycleTest, AskedToEndItStopsWaitingRecordsItAndStartsNoTray) {
    clock.At(2500 + 2 * 1500, [this] { endRequest.asked = true; });
    Run();
    EXPECT_EQ(clock.Pauses(), (std::vector<std::uint32_t>{2500, 1500, 1500}));
    const std::string ended =
        "Ended on request, as Lumivo is being installed or removed; did not start the tray "
        "program.";
    EXPECT_EQ(Record(), (Lines{"Started on 2026-12-07 at 10:00:00.", ended}));

    Connect(u"Office");
    AddMapping(registry, "Office", "Office Printer");
    endRequest.asked = false;
    clock.At(clock.Now() + 2500 + 2000, [this] { endRequest.asked = true; });
    Run();
    EXPECT_EQ(PrintersSet(), std::vector<std::string>{"Office Printer"});
    EXPECT_EQ(Record().back(), ended);
    EXPECT_TRUE(ProgramsStarted().empty());
}

TEST_F(ManagerCycleTest, SecondInstanceEndsBeforeReadingAnything) {
    processes.waitResults[ManagerMutexName] = WaitTimeout;
    Connect(u"Office");
    AddMapping(registry, "Office", "Office Printer");
    WriteRegistryLines(registry, SettingsKeyPath, LastRunValueName, {"The running Manager's"});
    Run();
    EXPECT_EQ(Record(), Lines{"The running Manager's"});
    EXPECT_TRUE(clock.Pauses().empty());
    EXPECT_TRUE(updateChecks.empty());
    EXPECT_TRUE(PrintersSet().empty());
    EXPECT_TRUE(ProgramsStarted().empty());
    EXPECT_EQ(networks.Calls().size(), 0u);
    // The Console's Manager for a changed table waits a while for the name; others do not.
    ManagerCycle(platform, ManagerStartFromCommandLine("/TableChanged"));
    ASSERT_EQ(processes.mutexWaits.size(), 2u);
    EXPECT_EQ(processes.mutexWaits[0].timeout, 0u);
    EXPECT_EQ(processes.mutexWaits[1].timeout, 10000u);
    EXPECT_TRUE(PrintersSet().empty());
}

TEST_F(ManagerCycleTest, BeforeWindows8NothingHappens) {
    versions = ScriptedVersionQueries::Reporting(PlatformWindowsNt, 6, 1, 7601, NtWorkstation);
    Connect(u"Office");
    Run();
    EXPECT_TRUE(processes.mutexWaits.empty());
    EXPECT_TRUE(clock.Pauses().empty());
    EXPECT_TRUE(ProgramsStarted().empty());
}

}  // namespace
