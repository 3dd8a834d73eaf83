// The main window's Help menu, option buttons, "OK" and "Cancel" in the running Console, and the
// network list windows and About box they open.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/platform/win32/version_queries_win32.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/settings/windows_version.h"
#include "console/console_ids.h"
#include "console/console_test_fixture.h"
#include "console/running_console.h"
#include "console/scripted_networks.h"
#include "support/ui/ui_helper.h"

namespace {

constexpr char TrayMessage[] = "The Icon will remain in the System Tray until you log off.";

using Names = std::vector<std::string>;

class HelpMenuTest : public ConsoleTest {
protected:
    bool SettingBecomes(const char* valueName, const std::string& text) {
        return ui::WaitUntil([&] { return Setting(valueName) == text; });
    }

    std::uint32_t LegacyMode() {
        DWORD mode = 0;
        DWORD size = sizeof mode;
        RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows",
                     LegacyDefaultPrinterModeValueName, RRF_RT_REG_DWORD, nullptr, &mode, &size);
        return mode;
    }

    void SetLegacyMode(std::uint32_t mode) { SetLegacyDefaultPrinterMode(registry_, mode); }
};

TEST_F(HelpMenuTest, UpdateCheckAndNoticeItemsStoreNoThenYesSilently) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", CheckForUpdatesValueName);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    // Missing means on, so each item starts checked and the first click switches it off.
    for (const auto& [item, valueName] :
         {std::pair{IDM_AUTOMATIC_UPDATE_CHECK, CheckForUpdatesValueName},
          std::pair{IDM_SHOW_NOTICES, ShowNoticesValueName}}) {
        console.PostCommand(item);
        EXPECT_TRUE(SettingBecomes(valueName, "NO"));
        console.PostCommand(item);
        EXPECT_TRUE(SettingBecomes(valueName, "YES"));
        console.PostCommand(item);
        EXPECT_TRUE(SettingBecomes(valueName, "NO"));
    }
    EXPECT_EQ(console.WaitForDialog(500), nullptr);
}

TEST_F(HelpMenuTest, TrayItemStoredAsLowerCaseNoStartsUncheckedAndTellsWhenSwitchedOn) {
    SetSetting(SystemTrayValueName, " no ");
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    console.PostCommand(IDM_TRAY_ICON);
    EXPECT_TRUE(SettingBecomes(SystemTrayValueName, "YES"));
    const HWND box = console.WaitForDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui::MessageBoxText(box), TrayMessage);
    EXPECT_EQ(ui::WindowText(box), console.Caption());
    ui::PressButton(box, IDOK);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(box); }));

    console.PostCommand(IDM_TRAY_ICON);
    EXPECT_TRUE(SettingBecomes(SystemTrayValueName, "NO"));
    EXPECT_EQ(console.WaitForDialog(500), nullptr);
}

TEST_F(HelpMenuTest, OptionButtonSpeaksOnEveryClickAndOkStoresTheChoice) {
    SetLegacyMode(0);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    EXPECT_EQ(SendMessageA(console.Control(IDC_WINDOWS_MANAGES), BM_GETCHECK, 0, 0), BST_CHECKED);

    for (int click = 0; click < 2; ++click) {
        console.PostClick(IDC_LUMIVO_MANAGES);
        const HWND box = console.WaitForDialog();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ui::MessageBoxText(box),
                  "Your selection will not become effective until next time you log on after "
                  "you hit OK. If you want it to become effective now, please log off and then "
                  "back onafter you hit OK.");
        ui::PressButton(box, IDOK);
        ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_EQ(LegacyMode(), 0u);
    }
    EXPECT_EQ(SendMessageA(console.Control(IDC_LUMIVO_MANAGES), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(console.Control(IDC_WINDOWS_MANAGES), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    console.PostClick(IDC_OK);
    ASSERT_TRUE(console.WaitForExit());
    EXPECT_EQ(LegacyMode(), 1u);
}

TEST_F(HelpMenuTest, WindowsOptionSaysItsOwnTextAndOkStoresZero) {
    SetLegacyMode(1);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    EXPECT_EQ(SendMessageA(console.Control(IDC_LUMIVO_MANAGES), BM_GETCHECK, 0, 0), BST_CHECKED);

    console.PostClick(IDC_WINDOWS_MANAGES);
    const HWND box = console.WaitForDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(ui::MessageBoxText(box).find("back on after you hit OK."), std::string::npos);
    ui::PressButton(box, IDOK);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(box); }));
    console.PostClick(IDC_OK);
    ASSERT_TRUE(console.WaitForExit());
    EXPECT_EQ(LegacyMode(), 0u);
}

TEST_F(HelpMenuTest, EscapeEndsLikeCancelWhileEnterInANameEndsNothing) {
    SetLegacyMode(1);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    SendMessageA(console.Control(IDC_LUMIVO_MANAGES), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(console.Control(IDC_WINDOWS_MANAGES), BM_SETCHECK, BST_CHECKED, 0);

    // The keyboard focus starts in the network box.
    ASSERT_TRUE(console.BringToFront());
    ui::TypeText("home");
    ui::PressKey(VK_RETURN);
    EXPECT_FALSE(console.WaitForExit(1000));
    ui::PressKey(VK_ESCAPE);

    ASSERT_TRUE(console.WaitForExit());
    EXPECT_EQ(LegacyMode(), 1u);
    EXPECT_NE(Setting("WWidth"), "");
}

TEST_F(HelpMenuTest, CancelAfterChoosingTheOtherOptionStoresNothing) {
    SetLegacyMode(1);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    console.PostClick(IDC_WINDOWS_MANAGES);
    const HWND box = console.WaitForDialog();
    ASSERT_NE(box, nullptr);
    ui::PressButton(box, IDOK);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(box); }));
    console.PostClick(IDC_CANCEL);
    ASSERT_TRUE(console.WaitForExit());
    EXPECT_EQ(LegacyMode(), 1u);
}

// The list window that a list command opened, its names, and closing it with "OK" or Escape.
struct ShownList {
    std::string caption;
    std::string heading;
    Names names;
    bool namesEnabled = true;
    bool scrollsDown = false;    // the list's last line can be scrolled into view
    bool scrollsAcross = false;  // and so can the end of its widest line
    DialogRect place;
    std::vector<std::pair<int, DialogRect>> controls;  // in creation order
};

enum class CloseWith { Ok, Escape };

ShownList ShowList(const RunningConsole& console, int command, CloseWith close = CloseWith::Ok) {
    console.PostCommand(command);
    const HWND list = console.WaitForDialog();
    if (list == nullptr) {
        ADD_FAILURE() << "no list window";
        return {};
    }
    ShownList shown;
    shown.caption = ui::WindowText(list);
    shown.heading = ui::WindowText(GetDlgItem(list, IDC_NETWORK_LIST_HEADING));
    const HWND names = GetDlgItem(list, IDC_NETWORK_NAMES);
    shown.names = ui::ListBoxItems(names);
    shown.namesEnabled = IsWindowEnabled(names);
    RECT namesArea{};
    GetClientRect(names, &namesArea);
    shown.scrollsAcross = (GetWindowLongA(names, GWL_STYLE) & WS_HSCROLL) != 0 &&
                          SendMessageA(names, LB_GETHORIZONTALEXTENT, 0, 0) > namesArea.right;
    SendMessageA(names, WM_VSCROLL, SB_BOTTOM, 0);
    shown.scrollsDown = SendMessageA(names, LB_GETTOPINDEX, 0, 0) > 0;
    RECT rect{};
    GetClientRect(list, &rect);
    MapWindowPoints(list, console.Window(), reinterpret_cast<POINT*>(&rect), 2);
    shown.place = DialogFont::MsSansSerif8().Units(rect);
    for (HWND child = GetWindow(list, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&rect), 2);
        shown.controls.emplace_back(GetDlgCtrlID(child), DialogFont::MsSansSerif8().Units(rect));
    }
    EXPECT_FALSE(IsWindowEnabled(console.Window()));

    if (close == CloseWith::Ok) {
        PostMessageA(GetDlgItem(list, IDC_NETWORK_LIST_OK), BM_CLICK, 0, 0);
    } else {
        PostMessageA(names, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    EXPECT_TRUE(ui::WaitUntil([&] { return !IsWindow(list); }));
    EXPECT_TRUE(ui::WaitUntil([&] { return IsWindowEnabled(console.Window()) != FALSE; }));
    return shown;
}

TEST_F(HelpMenuTest, ActiveNetworksListSortedTrimmedAndCutAtCommas) {
    const ScriptedNetworks networks({{"Office Wi-Fi", true},
                                     {"Remembered", false},
                                     {"Cafe,Upstairs", true},
                                     {" Attic ", true}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    ShownList shown = ShowList(console, IDM_ACTIVE_NETWORKS);
    EXPECT_EQ(shown.caption, "Lumivo Console - v1.19");
    EXPECT_EQ(shown.heading, "List of networks active on this machine:");
    EXPECT_EQ(shown.names, (Names{"Attic", "Cafe", "Office Wi-Fi", "Upstairs"}));
    EXPECT_FALSE(shown.namesEnabled);
    EXPECT_FALSE(shown.scrollsAcross);
    // Its client area, placed from the main window's client area.
    EXPECT_EQ(shown.place, (DialogRect{70, 70, 201, 193}));
    // The list box asks for 130 units and is cut to whole lines of names by the system.
    ASSERT_EQ(shown.controls.size(), 3u);
    EXPECT_LE(shown.controls[0].second.height, 130);
    EXPECT_GT(shown.controls[0].second.height, 130 - 10);
    shown.controls[0].second.height = 130;
    const std::vector<std::pair<int, DialogRect>> controls{
        {IDC_NETWORK_NAMES, {25, 25, 150, 130}},
        {IDC_NETWORK_LIST_HEADING, {25, 5, 160, 10}},
        {IDC_NETWORK_LIST_OK, {70, 165, 55, 15}}};
    EXPECT_EQ(shown.controls, controls);
}

TEST_F(HelpMenuTest, KnownNetworksListHoldsConnectedAndRememberedAlike) {
    const ScriptedNetworks networks({{"Office", true}, {"Remembered", false}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    const ShownList shown = ShowList(console, IDM_KNOWN_NETWORKS, CloseWith::Escape);
    EXPECT_EQ(shown.heading, "List of networks known by this machine:");
    EXPECT_EQ(shown.names, (Names{"Office", "Remembered"}));
    // The main window works again afterwards.
    console.SetText(IDC_NETWORK_BOX, "Office");
    console.SetText(IDC_PRINTER_BOX, "Console_Laser");
    console.Click(IDC_ADD);
    EXPECT_EQ(console.Rows().size(), 1u);
}

TEST_F(HelpMenuTest, LastPrinterChangeShowsTheManagersRecordInItsOrderToScrollAndRead) {
    Names record{"Started on 2026-03-14 at 09:30:00.", "Connected networks: Office"};
    for (int n = 1; n <= 20; ++n) {
        record.push_back("Entry " + std::to_string(n) + ": network \"Office\", printer \"" +
                         std::string(60, 'P') + "\": matched by name.");
    }
    WriteRegistryLines(registry_, SettingsKeyPath, LastRunValueName, record);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    const ShownList shown = ShowList(console, IDM_LAST_RUN, CloseWith::Escape);
    EXPECT_EQ(shown.caption, "Lumivo Console - v1.19");
    EXPECT_EQ(shown.heading, "What Lumivo Manager did when it last ran:");
    EXPECT_EQ(shown.names, record);
    EXPECT_TRUE(shown.namesEnabled);
    EXPECT_TRUE(shown.scrollsDown);
    EXPECT_TRUE(shown.scrollsAcross);

    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", LastRunValueName);
    EXPECT_EQ(ShowList(console, IDM_LAST_RUN).names,
              Names{"Lumivo Manager has not run since the table was made."});
}

TEST_F(HelpMenuTest, NoActiveNetworkGivesAnEmptyList) {
    const ScriptedNetworks networks({{"Remembered", false}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    EXPECT_EQ(ShowList(console, IDM_ACTIVE_NETWORKS).names, Names{});
}

TEST_F(HelpMenuTest, AboutTellsTheWindowsThatRunsWithTheRegisteredSign) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    console.PostCommand(IDM_ABOUT);
    const HWND box = console.WaitForDialog();
    ASSERT_NE(box, nullptr);
    Win32VersionQueries versions;
    const std::string expectedStart =
        console.Caption() + "\r\r" + WindowsNameWithBuild(versions, registry_) + "  (64-bit) ";
    const std::string text = ui::MessageBoxText(box);
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    const std::wstring wide = ui::MessageBoxWideText(box);
    EXPECT_NE(wide.find(L"Microsoft\u00AE and Windows\u00AE are either registered trademarks"),
              std::wstring::npos);
    EXPECT_EQ(ui::WindowText(box), console.Caption());
    ui::PressButton(box, IDOK);
}

TEST_F(HelpMenuTest, CheckForUpdatesNowGivesNoticeThenReportsAnUnreachableServer) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    console.PostCommand(IDM_CHECK_FOR_UPDATES_NOW);
    const HWND notice = console.WaitForDialog();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(ui::MessageBoxText(notice),
              "LMV will contact the server to get the latest version number. If it finds there "
              "is a more up-to-date version, it will let you know.");
    ui::PressButton(notice, IDOK);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(notice); }));

    // The update host of a build without settings does not resolve; the check the user asked
    // for says so.
    const HWND answer = console.WaitForDialog(30000);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(ui::MessageBoxText(answer),
              "The Lumivo update website appears to be down right now. Please check again later.");
    EXPECT_EQ(ui::WindowText(answer), console.Caption());
    ui::PressButton(answer, IDOK);
}

}  // namespace
