// The Console's run from start to end, with the real program in a folder of its own: it brings
// the tray program back when its window closes, and refuses Windows before 8 (Wine reports the
// version set for the program).
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "console/console_ids.h"
#include "console/console_test_fixture.h"
#include "console/running_console.h"
#include "support/ui/test_folder.h"
#include "support/ui/ui_helper.h"
#include "wine/probe_programs.h"

namespace fs = std::filesystem;

namespace {

// The Console installed in a scratch folder beside a stand-in for the tray program that leaves
// a mark when it runs.
class ConsoleStartTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        fs::copy_file(ConsoleProgram(), folder_.Path() / "Lumivo Console.exe");
        fs::copy_file(ProbeProgram("marker_probe.exe"), folder_.Path() / "LMVTray.exe");
    }

    fs::path Console() const { return folder_.Path() / "Lumivo Console.exe"; }
    fs::path TrayMark() const { return folder_.Path() / "LMVTray.exe.ran"; }

    ui::TestFolder folder_{"console-start"};
};

TEST_F(ConsoleStartTest, ClosingTheWindowStartsTheTrayProgram) {
    for (const char* systemTray : std::initializer_list<const char*>{"YES", nullptr}) {
        if (systemTray != nullptr) {
            SetSetting(SystemTrayValueName, systemTray);
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", SystemTrayValueName);
        }
        fs::remove(TrayMark());
        RunningConsole console(Console());
        ASSERT_NE(console.Window(), nullptr);
        EXPECT_FALSE(fs::exists(TrayMark()));
        ASSERT_TRUE(console.CloseWithCloseBox());
        EXPECT_TRUE(WaitForFile(TrayMark(), 10000)) << (systemTray ? systemTray : "(missing)");
    }
}

TEST_F(ConsoleStartTest, TheTrayOptionSwitchedOffStartsNothing) {
    SetSetting(SystemTrayValueName, " no ");
    RunningConsole console(Console());
    ASSERT_NE(console.Window(), nullptr);
    ASSERT_TRUE(console.CloseWithCloseBox());

    EXPECT_FALSE(WaitForFile(TrayMark(), 2000));
}

// A click on the tray program's notice starts the Console with the switch.
TEST_F(ConsoleStartTest, TheLastRunSwitchOpensTheRecordOverTheMainWindow) {
    const std::vector<std::string> record{"Started on 2026-03-14 at 09:30:00.", "Set Laser."};
    WriteRegistryLines(registry_, SettingsKeyPath, LastRunValueName, record);
    RunningConsole console(Console(), {}, "/LastRun");
    ASSERT_NE(console.Window(), nullptr);
    const HWND shown = console.WaitForDialog();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(ui::ListBoxItems(GetDlgItem(shown, IDC_NETWORK_NAMES)), record);
}

// Wine reports the Windows version set for a program under AppDefaults.
class ReportedWindowsVersion {
public:
    explicit ReportedWindowsVersion(const char* version) {
        RegSetKeyValueA(HKEY_CURRENT_USER, Key, "Version", REG_SZ, version,
                        static_cast<DWORD>(strlen(version) + 1));
    }
    ~ReportedWindowsVersion() { RegDeleteKeyA(HKEY_CURRENT_USER, Key); }

private:
    static constexpr char Key[] = "Software\\Wine\\AppDefaults\\Lumivo Console.exe";
};

TEST_F(ConsoleStartTest, WindowsVistaIsRefusedWithAMessageAndNothingElse) {
    const ReportedWindowsVersion vista("vista");
    RunningConsole console(Console());
    EXPECT_EQ(console.Window(), nullptr);
    const HWND box = console.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui::MessageBoxText(box), "This programs runs only in Windows 8 or higher.");
    EXPECT_EQ(ui::WindowText(box), "Lumivo Console - v1.19 - VISTA");

    ui::PressButton(box, IDOK);
    ASSERT_TRUE(console.WaitForExit());
    EXPECT_FALSE(WaitForFile(TrayMark(), 2000));
    EXPECT_EQ(Setting("WLocX"), "");
}

}  // namespace
