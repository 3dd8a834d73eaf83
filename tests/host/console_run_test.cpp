#include <gtest/gtest.h>

#include <functional>

#include "common/services/update_check.h"
#include "common/settings/mapping_table.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "console/console_run.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/recording_message_boxes.h"
#include "tests/support/fakes/recording_processes.h"
#include "tests/support/fakes/scripted_version_queries.h"
#include "tests/support/fakes/virtual_clock.h"

namespace {

// Records the Windows-only steps in the order the run takes them.
class RecordingConsoleWindows final : public ConsoleWindows {
public:
    std::vector<std::string> steps;
    bool interactiveAtCheck = true;
    // What the user does in the main window, and whether "OK" closes it.
    std::function<void()> whileOpen = [] {};
    bool closedWithOk = false;

    void StartUpdateCheck(const std::string& mainCaption) override {
        interactiveAtCheck = UpdateCheckInteractive;
        steps.push_back("update check: " + mainCaption);
    }
    void InitialiseCommonControls() override { steps.push_back("common controls"); }
    bool RunMainWindow(const std::string& mainCaption, bool showLastRun) override {
        steps.push_back("main window: " + mainCaption + (showLastRun ? ", last run" : ""));
        whileOpen();
        return closedWithOk;
    }
};

class ConsoleRunTest : public ::testing::Test {
protected:
    void SetOption(const char* name, const std::string& text) {
        WriteRegistryText(registry_, SettingsKeyPath, name, text);
    }

    void Run(const std::string& commandLine = "") {
        RunConsole(registry_, versions_, messageBoxes_, processes_, windows_, commandLine);
    }

    InMemoryRegistry registry_;
    // Windows 10 as the plain query reports it to a program without a supported-versions list.
    ScriptedVersionQueries versions_ = [] {
        auto queries = ScriptedVersionQueries::Reporting(PlatformWindowsNt, 6, 2, 9200, 1);
        queries.trueVersion = WindowsVersionRecord{10, 0, 19045, PlatformWindowsNt, 1};
        return queries;
    }();
    RecordingMessageBoxes messageBoxes_;
    RecordingProcesses processes_;
    RecordingConsoleWindows windows_;
    VirtualClock clock_;
};

TEST_F(ConsoleRunTest, RunsCheckControlsWindowThenStartsTheTray) {
    UpdateCheckInteractive = true;
    Run();

    EXPECT_EQ(windows_.steps,
              (std::vector<std::string>{"update check: Lumivo Console - v1.19 - Windows 10",
                                        "common controls",
                                        "main window: Lumivo Console - v1.19 - Windows 10"}));
    EXPECT_FALSE(windows_.interactiveAtCheck);
    ASSERT_EQ(processes_.starts.size(), 1u);
    EXPECT_EQ(processes_.starts[0].start.commandLine, "\"LMVTray.exe\" /handover");
    EXPECT_TRUE(messageBoxes_.shown.empty());
}

// "OK" on a changed table hands over to the Manager, which applies it at once; "Cancel", an
// unchanged table or the icon switched off leave it to the next logon or network change.
TEST_F(ConsoleRunTest, OkOnAChangedTableStartsTheManagerInsteadOfTheTray) {
    AddMapping(registry_, "Home", "A");
    const auto startedAfter = [&](bool ok, std::function<void()> edit) {
        processes_.starts.clear();
        windows_.closedWithOk = ok;
        windows_.whileOpen = std::move(edit);
        Run();
        return processes_.starts.size() == 1 ? processes_.starts[0].start.commandLine : "";
    };
    const auto replace = [&] { SetMappingPrinter(registry_, 1, "B"); };
    const std::string manager = "\"Lumivo Manager.exe\" /tablechanged";
    EXPECT_EQ(startedAfter(true, replace), manager);
    EXPECT_EQ(startedAfter(true, [&] { AddMapping(registry_, "Office", "C"); }), manager);
    EXPECT_EQ(startedAfter(true,
                           [&] { RemoveMapping(registry_, processes_, clock_, {"Office", "C"}); }),
              manager);
    EXPECT_EQ(startedAfter(true, [] {}), "\"LMVTray.exe\" /handover");
    EXPECT_EQ(startedAfter(false, [&] { SetMappingPrinter(registry_, 1, "D"); }),
              "\"LMVTray.exe\" /handover");
    SetOption(SystemTrayValueName, "NO");
    EXPECT_EQ(startedAfter(true, replace), "");
}

// A click on the tray program's notice starts the Console with the switch.
TEST_F(ConsoleRunTest, TheLastRunSwitchAloneOpensTheRecordOverTheWindow) {
    const auto opensRecord = [&](const std::string& commandLine) {
        Run(commandLine);
        return windows_.steps.back() ==
               "main window: Lumivo Console - v1.19 - Windows 10, last run";
    };
    EXPECT_TRUE(opensRecord("/lastrun") && opensRecord("x \t/LastRUN "));
    EXPECT_FALSE(opensRecord("") || opensRecord("/lastrun2 lastrun"));
}

TEST_F(ConsoleRunTest, UpdateCheckIsOffOnlyForNo) {
    for (const std::string off : {"NO", "no", " No  "}) {
        SetOption(CheckForUpdatesValueName, off);
        windows_.steps.clear();
        Run();
        EXPECT_EQ(windows_.steps.front(), "common controls") << off;
    }
    for (const std::string on : {"YES", "", "off", "0"}) {
        SetOption(CheckForUpdatesValueName, on);
        windows_.steps.clear();
        Run();
        EXPECT_EQ(windows_.steps.front().rfind("update check", 0), 0u) << on;
    }
}

TEST_F(ConsoleRunTest, TrayIsStartedAfterTheWindowUnlessSwitchedOff) {
    SetOption(SystemTrayValueName, " no ");
    Run();
    EXPECT_TRUE(processes_.starts.empty());
    EXPECT_EQ(windows_.steps.back().rfind("main window", 0), 0u);
}

TEST_F(ConsoleRunTest, WindowsBefore8IsRefusedWithAMessageAndNothingElse) {
    versions_ = ScriptedVersionQueries::Reporting(PlatformWindowsNt, 6, 1, 7601, 1);
    SetOption(CheckForUpdatesValueName, "YES");
    Run();

    ASSERT_EQ(messageBoxes_.shown.size(), 1u);
    EXPECT_EQ(messageBoxes_.shown[0].text, "This programs runs only in Windows 8 or higher.");
    EXPECT_EQ(messageBoxes_.shown[0].caption, "Lumivo Console - v1.19 - Windows 7");
    EXPECT_EQ(messageBoxes_.shown[0].type, 0x30u);  // OK button, exclamation icon
    EXPECT_TRUE(windows_.steps.empty());
    EXPECT_TRUE(processes_.starts.empty());
}

}  // namespace
