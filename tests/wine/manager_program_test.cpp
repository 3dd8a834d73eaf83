// The real "Lumivo Manager.exe" under Wine, with scripted networks, CUPS printers and a stand-in
// tray program that leaves a mark when it is started.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <chrono>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <string>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "support/ui/test_process.h"
#include "common/services/update_check_schedule.h"
#include "common/settings/mapping_table.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/resources/text_ids.h"
#include "support/ui/program_language.h"
#include "support/ui/test_folder.h"
#include "support/ui/test_process.h"
#include "wine/probe_programs.h"
#include "wine/process_figures.h"

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

constexpr char PrinterA[] = "Lumivo_Test_A";
constexpr char PrinterB[] = "Lumivo_Test_B";

std::string DefaultPrinter() {
    char name[512] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

class ManagerProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSettings();
        CreateRegistryKey(registry_, SettingsKeyPath);
        WriteRegistryText(registry_, SettingsKeyPath, CheckForUpdatesValueName, OptionNoText);
        CreateRegistryKey(registry_, WindowsPrinterKeyPath);
        SetLegacyDefaultPrinterMode(registry_, 1);

        ASSERT_TRUE(install_.Copy("Lumivo Manager.exe"));
        std::filesystem::copy_file(ProbeProgram("marker_probe.exe"),
                                   install_.PathOf("LMVTray.exe"));
        SetEnvironmentVariableA("LUMIVO_TEST_NETWORKS", Scenario().string().c_str());
        ASSERT_TRUE(SetDefaultPrinterA(PrinterA));
        ASSERT_EQ(DefaultPrinter(), PrinterA);
    }

    void TearDown() override {
        SetEnvironmentVariableA("LUMIVO_TEST_NETWORKS", nullptr);
        RemoveSettings();
    }

    void RemoveSettings() {
        const int count = ReadMappingCount(registry_);
        for (int n = 1; n <= count; ++n) {
            DeleteRegistryKey(registry_, MappingKeyPath(n));
        }
        DeleteRegistryKey(registry_, SettingsKeyPath);
    }

    Lines Record() { return ReadRegistryLines(registry_, SettingsKeyPath, LastRunValueName); }

    std::filesystem::path Manager() const { return install_.Path() / "Lumivo Manager.exe"; }
    std::filesystem::path Scenario() const { return install_.Path() / "networks.txt"; }
    std::filesystem::path TrayMark() const { return install_.Path() / "LMVTray.exe.ran"; }

    void ConnectNetwork(const std::string& name) {
        std::ofstream(Scenario(), std::ios::binary)
            << "network\nname = " << name << "\nconnected = yes\nconnectivity = 0x40\n";
    }

    void DisconnectAll() {
        std::ofstream(Scenario(), std::ios::binary) << "network\nname = Office\nconnected = no\n";
    }

    // Runs the Manager to its end; false when it does not end within the time-out.
    bool RunManager() {
        const std::optional<DWORD> exitCode =
            RunToEnd(Quoted(Manager().string()), install_.Path(), 30'000);
        return exitCode && *exitCode == 0;
    }

    Win32Registry registry_;
    ui::TestFolder install_{"manager"};
};

TEST_F(ManagerProgramTest, MakesTheMappedPrinterTheDefaultAndStartsTheTray) {
    AddMapping(registry_, "Home", PrinterA);
    AddMapping(registry_, "Office", PrinterB);
    ConnectNetwork("Office");

    ASSERT_TRUE(RunManager());

    EXPECT_EQ(DefaultPrinter(), PrinterB);
    EXPECT_TRUE(WaitForFile(TrayMark(), 10'000));
    const Lines record = Record();
    ASSERT_EQ(record.size(), 8u);
    EXPECT_EQ(record[0].substr(0, 11), "Started on ");
    EXPECT_EQ(Lines(record.begin() + 2, record.end()),
              (Lines{"Connected networks: Office", "Lumivo manages the default printer.",
                     "Entry 1: network \"Home\", printer \"Lumivo_Test_A\": not connected.",
                     "Entry 2: network \"Office\", printer \"Lumivo_Test_B\": matched by name.",
                     "Printer \"Lumivo_Test_B\" is now the default printer.",
                     "Started the tray program."}));
}

// In the language of the test run (tests/support/in-languages), the record and the notice for the
// tray program are that language's, as the program file holds them, stored in the ANSI code page.
TEST_F(ManagerProgramTest, RecordAndNoticeAreInTheUsersLanguage) {
    const ui::ProgramResources texts(Manager(), ui::TestLanguage());
    const auto ansi = [&texts](unsigned id) { return WideToAnsiText(texts.Text(id).c_str()); };
    AddMapping(registry_, "Office", PrinterB);
    ConnectNetwork("Office");

    ASSERT_TRUE(RunManager());

    EXPECT_EQ(DefaultPrinter(), PrinterB);
    const Lines record = Record();
    ASSERT_EQ(record.size(), 7u);
    EXPECT_EQ(record[3], ansi(IDS_RECORD_LUMIVO_MANAGES));
    EXPECT_EQ(record[6], ansi(IDS_RECORD_TRAY_STARTED));
    const Lines notice = ReadRegistryLines(registry_, SettingsKeyPath, PrinterNoticeValueName);
    ASSERT_EQ(notice.size(), 2u);
    EXPECT_EQ(notice[0], ansi(IDS_NOTICE_CHANGED_TITLE));
}

// An entry with a printer but no network name would match every network and win.
TEST_F(ManagerProgramTest, AnEndlessCountAndAnEntryWithoutANetworkKeepTheMappedPrinter) {
    AddMapping(registry_, "Office", PrinterB);
    SetMappingPrinter(registry_, 2, PrinterA);
    WriteRegistryText(registry_, SettingsKeyPath, NumberofNetworksValueName, "99999999999");
    ConnectNetwork("Office");

    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(RunManager());
    EXPECT_LT(std::chrono::steady_clock::now() - started, 15s);
    EXPECT_EQ(DefaultPrinter(), PrinterB);
}

TEST_F(ManagerProgramTest, AThousandRowsThatMatchNothingCostAtMostASecondMoreThanOne) {
    ConnectNetwork("Office");
    double seconds[2];
    for (const int rows : {1, 1000}) {
        while (ReadMappingCount(registry_) < rows) {
            AddMapping(registry_, "Site " + std::to_string(ReadMappingCount(registry_)), PrinterB);
        }
        const auto started = std::chrono::steady_clock::now();
        ASSERT_TRUE(RunManager());
        seconds[rows > 1] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    std::printf(
        "Measured: a Manager run with 1 row that matches nothing takes %.2f s, with 1000 "
        "%.2f s\n",
        seconds[0], seconds[1]);
    EXPECT_LE(seconds[1] - seconds[0], 1.0);
    EXPECT_EQ(DefaultPrinter(), PrinterA);
}

TEST_F(ManagerProgramTest, SecondRunWithinTheDayStartsNoUpdateCheck) {
    WriteRegistryText(registry_, SettingsKeyPath, CheckForUpdatesValueName, OptionYesText);
    ConnectNetwork("Office");

    ASSERT_TRUE(RunManager());
    const std::string firstRecord =
        ReadRegistryText(registry_, SettingsKeyPath, LastUpdateCheckValueName);
    const auto firstCheck = ParseUtcTimeText(firstRecord);
    ASSERT_TRUE(firstCheck) << '"' << firstRecord << '"';
    EXPECT_LT(Win32Clock().CurrentUtcTime() - *firstCheck, 60s);

    ASSERT_TRUE(RunManager());
    EXPECT_EQ(ReadRegistryText(registry_, SettingsKeyPath, LastUpdateCheckValueName), firstRecord);
}

TEST_F(ManagerProgramTest, PrinterThatDoesNotExistLeavesTheDefault) {
    AddMapping(registry_, "Office", "Lumivo_No_Such_Printer");
    ConnectNetwork("Office");

    ASSERT_TRUE(RunManager());

    EXPECT_EQ(DefaultPrinter(), PrinterA);
    EXPECT_TRUE(WaitForFile(TrayMark(), 10'000));
    const Lines record = Record();
    ASSERT_EQ(record.size(), 8u);
    EXPECT_EQ(record[5],
              "Printer \"Lumivo_No_Such_Printer\" was not set: no printer of that name is "
              "installed (error 1801).");
}

TEST_F(ManagerProgramTest, WindowsChoosingTheDefaultLeavesItAlone) {
    SetLegacyDefaultPrinterMode(registry_, 0);
    AddMapping(registry_, "Office", PrinterB);
    ConnectNetwork("Office");

    ASSERT_TRUE(RunManager());

    EXPECT_EQ(DefaultPrinter(), PrinterA);
    EXPECT_TRUE(WaitForFile(TrayMark(), 10'000));
}

TEST_F(ManagerProgramTest, SystemTrayOffStartsNoTray) {
    WriteRegistryText(registry_, SettingsKeyPath, SystemTrayValueName, OptionNoText);
    AddMapping(registry_, "Office", PrinterB);
    ConnectNetwork("Office");

    ASSERT_TRUE(RunManager());

    EXPECT_EQ(DefaultPrinter(), PrinterB);
    EXPECT_FALSE(WaitForFile(TrayMark(), 3'000));
}

TEST_F(ManagerProgramTest, PollsUntilANetworkConnectsWhileASecondManagerEndsAtOnce) {
    AddMapping(registry_, "Office", PrinterB);
    DisconnectAll();

    ui::TestProcess first;
    ASSERT_TRUE(first.Start(Manager().string(), {}, install_.Path().string()));
    EXPECT_FALSE(first.WaitForExit(10s));

    ui::TestProcess second;
    ASSERT_TRUE(second.Start(Manager().string(), {}, install_.Path().string()));
    EXPECT_TRUE(second.WaitForExit(5s));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(std::filesystem::exists(TrayMark()));
    EXPECT_EQ(DefaultPrinter(), PrinterA);

    ConnectNetwork("Office");
    EXPECT_TRUE(first.WaitForExit(10s));
    EXPECT_EQ(first.ExitCode(), 0u);
    EXPECT_EQ(DefaultPrinter(), PrinterB);
    EXPECT_TRUE(WaitForFile(TrayMark(), 10'000));
}

// Leaves a Manager polling for a network and compares its figures after a warm-up of its settle
// pause and some polls with those after many more polls; a walk that leaked would show in both.
void ExpectPollingLeavesNothingBehind(const ui::TestProcess& manager,
                                      std::chrono::milliseconds warmUp,
                                      std::chrono::milliseconds polling) {
    const UniqueHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, manager.Id()));
    ASSERT_TRUE(process);
    ASSERT_FALSE(manager.WaitForExit(warmUp));
    const ProcessFigures before = SettledFigures(process.get());
    ASSERT_FALSE(manager.WaitForExit(polling));
    const ProcessFigures after = SettledFigures(process.get());
    std::printf("Manager polling: handles %lu -> %lu, private bytes %zu -> %zu over %lld ms\n",
                before.handles, after.handles, static_cast<size_t>(before.privateBytes),
                static_cast<size_t>(after.privateBytes), static_cast<long long>(polling.count()));
    ASSERT_GT(before.handles, 0u);
    EXPECT_EQ(after.handles, before.handles);
    // Room for the heap to settle, far below what a walk that leaks strings or objects shows.
    EXPECT_LT(after.privateBytes, before.privateBytes + 256 * 1024);
}

// The settle pause before the Manager's first look for a network.
constexpr auto SettlePause = 2500ms;

// A test build of the Manager that polls every LUMIVO_TEST_NETWORK_POLL_MS: the warm-up covers
// far more than the 40 polls of a minute of the real Manager, and gives Wine's own start-up
// threads time to end on a busy machine; the measured run covers 400 polls.
TEST_F(ManagerProgramTest, PollingManyTimesLeavesNothingBehind) {
    constexpr std::chrono::milliseconds PollPause{LUMIVO_TEST_NETWORK_POLL_MS};
    ASSERT_TRUE(install_.Copy("lumivo_manager_quick_poll.exe", "Lumivo Manager.exe"));
    DisconnectAll();
    ui::TestProcess manager;
    ASSERT_TRUE(manager.Start(Manager().string(), {}, install_.Path().string()));
    ExpectPollingLeavesNothingBehind(manager, SettlePause + 10s, 400 * PollPause);
}

// The five-minute run of the real Manager, for a measurement by hand:
// --gtest_also_run_disabled_tests.
TEST_F(ManagerProgramTest, DISABLED_PollingForFiveMinutesLeavesNothingBehind) {
    DisconnectAll();
    ui::TestProcess manager;
    ASSERT_TRUE(manager.Start(Manager().string(), {}, install_.Path().string()));
    ExpectPollingLeavesNothingBehind(manager, 60s, 300s);
}

}  // namespace
