// LMVTray.exe driven from outside, as the shell and the user drive it, on a virtual desktop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "common/services/printer_notices.h"
#include "common/settings/applied_networks.h"
#include "common/settings/mapping_table.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "programs/local_http_server.h"
#include "programs/program_desktop.h"
#include "programs/program_folder.h"
#include "support/ui/dialog_template.h"
#include "support/ui/program_language.h"
#include "support/ui/test_process.h"
#include "support/ui/ui_helper.h"
#include "support/ui/virtual_desktop.h"
#include "wine/process_figures.h"
#include "tray/tray_resources.h"
#include "tray/win32/tray_host_win32.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TrayProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(desktop_->IsReady()) << "no virtual desktop (is there an X display?)";
        folder_ = std::make_unique<ProgramFolder>(
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(folder_->Copy("LMVTray.exe"));
        ASSERT_TRUE(folder_->AddStandIn("Lumivo Console.exe"));
        ASSERT_TRUE(folder_->AddStandIn("Lumivo Manager.exe"));
        SetConnectedNetworks("");
    }

    void TearDown() override {
        for (const char* value :
             {AppliedNetworksValueName, AppliedEntryValueName, PrinterNoticeValueName,
              NumberofNetworksValueName, PrinterRetryValueName}) {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", value);
        }
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper\\1");
    }

    // Starts a tray program from the test's folder, with the arguments after its name. Its current
    // folder is another one, without programs, so it has to find the programs it starts beside
    // its own file.
    bool StartTray(ui::TestProcess& tray, const std::string& arguments = "") {
        const std::filesystem::path elsewhere = folder_->PathOf("elsewhere");
        std::filesystem::create_directory(elsewhere);
        return tray.Start(folder_->PathOf("LMVTray.exe").string(), "LMVTray.exe " + arguments,
                          elsewhere.string(), desktop_->Name());
    }

    // Starts the tray program and waits for its host window.
    void StartTray(const std::string& arguments = "") {
        ASSERT_TRUE(StartTray(tray_, arguments));
        host_ = ui::WaitForTopLevelWindow(tray_.Id(), ui::DialogClass, "Select Icon");
        ASSERT_NE(host_, nullptr) << "the host window did not appear";
        iconId_ = static_cast<UINT>(tray_.ImageBase());
        ASSERT_TRUE(ui::WaitUntil([&] { return ui::HasNotificationIcon(host_, iconId_); }))
            << "no notification icon with the host window and the instance handle as its id";
    }

    // Waits until the tray program has handled everything posted to it so far.
    void Settle() {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(host_, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    }

    void PostIconMouse(UINT mouseMessage) {
        PostMessageA(host_, NotifyIcon::CallbackMessage, iconId_, mouseMessage);
    }
    void PostTimer(UINT_PTR timer) { PostMessageA(host_, WM_TIMER, timer, 0); }

    // Ends with exit code 0, and its icon goes with it.
    void ExpectEnded() {
        ASSERT_TRUE(tray_.WaitForExit(10s)) << "the tray program is still running";
        EXPECT_EQ(tray_.ExitCode(), 0u);
        EXPECT_FALSE(ui::HasNotificationIcon(host_, iconId_));
    }

    // Still there a while after everything posted to it: a hand-over would have ended it.
    void ExpectStillRunningAndHidden() {
        Settle();
        EXPECT_FALSE(tray_.WaitForExit(500ms)) << "the tray program ended";
        EXPECT_TRUE(IsWindow(host_));
        EXPECT_FALSE(IsWindowVisible(host_));
        EXPECT_TRUE(ui::HasNotificationIcon(host_, iconId_));
    }

    std::vector<HWND> AboutBoxes() const {
        return ui::TopLevelWindows(tray_.Id(), ui::DialogClass, "About");
    }

    HWND OpenMenu() const {
        HWND menu = nullptr;
        ui::WaitUntil([&] {
            menu = ui::FindTopLevelWindow(tray_.Id(), ui::MenuClass);
            return menu != nullptr && IsWindowVisible(menu);
        });
        return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
    }

    // The icon's place at the right end of the taskbar.
    POINT IconPoint() const {
        RECT taskbar{};
        GetWindowRect(desktop_->Taskbar(), &taskbar);
        return {taskbar.right - 12, (taskbar.top + taskbar.bottom) / 2};
    }

    // What the scripted Network List Manager of the test prefix shows the tray program: one
    // remembered network, and a connected one when a name is given. The server reports the
    // change to an advised sink; `serverOptions` go before the networks.
    void SetConnectedNetworks(const std::string& connectedName,
                              const std::string& serverOptions = "") {
        std::string scenario = serverOptions + "network\nname = Garage\nconnected = no\n";
        if (!connectedName.empty()) {
            scenario += "network\nname = " + connectedName + "\nconnected = yes\n";
        }
        WriteScenario(scenario);
    }

    // Written aside and moved in place, so that the server never reads half a file.
    void WriteScenario(const std::string& scenario) {
        const std::string path = folder_->PathOf("networks.txt").string();
        const std::string draft = folder_->PathOf("networks.new").string();
        std::ofstream(draft, std::ios::binary) << scenario;
        // The server may be reading the file just then.
        ASSERT_TRUE(ui::WaitUntil(
            [&] { return MoveFileExA(draft.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING); }));
        SetEnvironmentVariableA("LUMIVO_TEST_NETWORKS", path.c_str());
    }

    // The hand-over to the Manager that a network event brings, within 3 seconds of the change.
    void ExpectPromptHandOver() {
        EXPECT_TRUE(tray_.WaitForExit(3s)) << "no hand-over within 3 seconds of the change";
        ExpectEnded();
        EXPECT_THAT(folder_->WaitForStarts(1), ElementsAre("Lumivo Manager.exe"));
    }

    static void SaveScreenshot(const std::string& name) {
        const std::string folder = (ui::BuildFolder() / "screenshots").string();
        CreateDirectoryA(folder.c_str(), nullptr);
        EXPECT_TRUE(ui::SaveScreenshot(ui::UnixPathOf(folder) + "/" + name)) << name;
    }

    ui::VirtualDesktop* desktop_ = &ProgramDesktop();
    std::unique_ptr<ProgramFolder> folder_;
    ui::TestProcess tray_;
    HWND host_ = nullptr;
    UINT iconId_ = 0;
};

TEST_F(TrayProgram, ShowsItsIconAndKeepsItsHostWindowHidden) {
    StartTray();
    // The dialog manager shows a modal dialog once its queue runs dry; give it the chance.
    Sleep(500);
    ExpectStillRunningAndHidden();
    EXPECT_FALSE(IsIconic(host_));
}

TEST_F(TrayProgram, SecondStartEndsAtOnceWhileTheFirstRunsButAHandOverWaitsForIt) {
    StartTray();
    ui::TestProcess second;
    ASSERT_TRUE(StartTray(second));
    ASSERT_TRUE(second.WaitForExit(5s)) << "the second tray program did not end";
    EXPECT_EQ(second.ExitCode(), 0u);

    ExpectStillRunningAndHidden();
    EXPECT_EQ(ui::TopLevelWindows(tray_.Id(), ui::DialogClass, "Select Icon").size(), 1u);
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());

    ui::TestProcess handedOver;
    ASSERT_TRUE(StartTray(handedOver, TrayHandOverSwitch));
    EXPECT_FALSE(handedOver.WaitForExit(2s)) << "a hand-over ended beside the running program";
    PostMessageA(host_, WM_CLOSE, 0, 0);
    ExpectEnded();
    HWND takenOver = ui::WaitForTopLevelWindow(handedOver.Id(), ui::DialogClass, "Select Icon");
    EXPECT_NE(takenOver, nullptr) << "the hand-over did not take over";
    PostMessageA(takenOver, WM_CLOSE, 0, 0);
    EXPECT_TRUE(handedOver.WaitForExit(10s));
}

TEST_F(TrayProgram, LeftClickOnTheIconStartsTheConsoleAndEnds) {
    StartTray();
    const POINT icon = IconPoint();
    ui::ClickAt(icon.x, icon.y);
    ExpectEnded();
    EXPECT_THAT(folder_->WaitForStarts(1), ElementsAre("Lumivo Console.exe"));
}

TEST_F(TrayProgram, EndsSilentlyWhenTheConsoleCannotBeStarted) {
    ASSERT_TRUE(DeleteFileW(folder_->PathOf("Lumivo Console.exe").c_str()));
    StartTray();
    PostIconMouse(WM_LBUTTONDOWN);
    // A message box would keep it from ending.
    ExpectEnded();
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
}

TEST_F(TrayProgram, OtherMouseMessagesOnTheIconDoNothing) {
    StartTray();
    for (UINT mouse : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                       WM_MBUTTONDOWN}) {
        PostIconMouse(mouse);
    }
    ExpectStillRunningAndHidden();
    EXPECT_EQ(ui::FindTopLevelWindow(tray_.Id(), ui::MenuClass), nullptr);
    EXPECT_THAT(AboutBoxes(), IsEmpty());
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
}

TEST_F(TrayProgram, RightClickOpensTheMenuAtTheCursorAndAClickElsewhereClosesIt) {
    StartTray();
    // Just above and left of the icon, so that the menu leaves the icon in sight.
    ui::MoveCursorTo(870, 690);
    PostIconMouse(WM_RBUTTONDOWN);
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr) << "no popup menu";
    RECT place{};
    GetWindowRect(menu, &place);
    EXPECT_EQ(place.left, 870);
    EXPECT_EQ(place.top, 690);
    SaveScreenshot("tray-menu.png");

    ui::ClickAt(200, 150);
    EXPECT_TRUE(ui::WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stays open";
    ExpectStillRunningAndHidden();
    EXPECT_THAT(AboutBoxes(), IsEmpty());
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
}

TEST_F(TrayProgram, MenuChosenByKeyboardOpensAboutAndExits) {
    StartTray();
    const POINT icon = IconPoint();

    ui::ClickAt(icon.x, icon.y, true);
    ASSERT_NE(OpenMenu(), nullptr);
    ui::PressKey('A');  // "&About"
    HWND about = ui::WaitForTopLevelWindow(tray_.Id(), ui::DialogClass, "About");
    ASSERT_NE(about, nullptr);
    ui::PressButton(about, IDOK);
    ASSERT_TRUE(ui::WaitUntil([&] { return AboutBoxes().empty(); }));

    // Apart by more than the double-click time, or the shell reports a double click.
    Sleep(GetDoubleClickTime() + 100);
    ui::ClickAt(icon.x, icon.y, true);
    ASSERT_NE(OpenMenu(), nullptr);
    ui::PressKey(VK_DOWN);  // the first item, "Exit Lumivo Tray"
    ui::PressKey(VK_RETURN);
    ExpectEnded();
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
}

TEST_F(TrayProgram, AboutTwiceGivesTwoBoxesThatOnlyOkCloses) {
    StartTray();
    ui::PostCommand(host_, IDM_TRAY_ABOUT);
    ui::PostCommand(host_, IDM_TRAY_ABOUT);
    ASSERT_TRUE(ui::WaitUntil([&] { return AboutBoxes().size() == 2; }))
        << AboutBoxes().size() << " About boxes";
    for (HWND about : AboutBoxes()) {
        EXPECT_TRUE(ui::WaitUntil([&] { return IsWindowVisible(about); }));
        // Without an owner, the host stays enabled and goes on handling clicks and timers.
        EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
        EXPECT_THAT(ui::ChildTexts(about), ElementsAre("LMV1", "Lumivo v1.15", "&OK"));
    }
    EXPECT_TRUE(IsWindowEnabled(host_));
    SaveScreenshot("tray-about.png");

    HWND first = AboutBoxes().front();
    SetForegroundWindow(first);
    ui::PressKey(VK_ESCAPE);
    PostMessageA(first, WM_CLOSE, 0, 0);
    ui::PostCommand(first, IDCANCEL);
    Sleep(300);
    EXPECT_EQ(AboutBoxes().size(), 2u) << "Escape or a close request closed an About box";

    ui::PressButton(first, IDOK);
    EXPECT_TRUE(ui::WaitUntil([&] { return AboutBoxes().size() == 1; }));
    EXPECT_FALSE(IsWindow(first));
    ExpectStillRunningAndHidden();
}

TEST_F(TrayProgram, MinimiseAndCloseRequestsOnlyHideAndWmCloseEnds) {
    StartTray();
    PostMessageA(host_, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectStillRunningAndHidden();
    PostMessageA(host_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ExpectStillRunningAndHidden();
    EXPECT_FALSE(IsIconic(host_));

    PostMessageA(host_, WM_CLOSE, 0, 0);
    ExpectEnded();
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
}

TEST_F(TrayProgram, MinuteTickWithoutAConnectedNetworkChangesNothing) {
    StartTray();
    PostTimer(NetworkWatchTimer);
    PostTimer(NetworkWatchTimer);
    ExpectStillRunningAndHidden();
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
}

// The menu and an About box would otherwise keep the program, and its single-instance name, until
// the user closed them, and the tray program that the Manager starts would end beside it.
TEST_F(TrayProgram,
       MinuteTickWithAConnectedNetworkStartsTheManagerAndEndsThoughMenuAndAboutAreOpen) {
    SetConnectedNetworks("Office");
    StartTray();
    ui::PostCommand(host_, IDM_TRAY_ABOUT);
    ASSERT_TRUE(ui::WaitUntil([&] { return AboutBoxes().size() == 1; }));
    ui::MoveCursorTo(870, 690);
    PostIconMouse(WM_RBUTTONDOWN);
    ASSERT_NE(OpenMenu(), nullptr) << "no popup menu";
    PostTimer(NetworkWatchTimer);
    ExpectEnded();
    EXPECT_THAT(folder_->WaitForStarts(1), ElementsAre("Lumivo Manager.exe"));
}

TEST_F(TrayProgram, NetworkSwitchHandsOverToTheManagerWithinSeconds) {
    SetConnectedNetworks("Home");
    StartTray();
    SetConnectedNetworks("Office");
    ExpectPromptHandOver();
}

// Five changes in one second: the watch runs once, after the last, and finds the connected list
// as it was at the start, a disconnected network added. A later connection hands over once.
TEST_F(TrayProgram, BurstOfNetworkEventsRunsTheWatchOnceAfterItsLastEvent) {
    StartTray();
    for (const char* connected : {"Office", "", "Office", ""}) {
        SetConnectedNetworks(connected);
        Sleep(200);
    }
    WriteScenario("network\nname = Garage\nnetwork\nname = Attic\n");
    Sleep(1500);
    ExpectStillRunningAndHidden();
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());

    SetConnectedNetworks("Office");
    ExpectPromptHandOver();
}

// Handed over from the Manager, the program watches from the networks the Manager applied: an
// event that leaves them as they were and the minute tick start nothing, while networks that
// changed before the program was back hand over at once.
TEST_F(TrayProgram, HandOverHandsOverAgainOnlyWhenTheAppliedNetworksChanged) {
    Win32Registry registry;
    WriteAppliedNetworks(registry, "Office");
    SetConnectedNetworks("Office");
    StartTray(TrayHandOverSwitch);
    WriteScenario(
        "network\nname = Garage\nnetwork\nname = Office\nconnected = yes\n"
        "network\nname = Attic\n");
    Sleep(1500);
    PostTimer(NetworkWatchTimer);
    ExpectStillRunningAndHidden();
    EXPECT_THAT(folder_->StartedFileNames(), IsEmpty());
    PostMessageA(host_, WM_CLOSE, 0, 0);
    ExpectEnded();

    WriteAppliedNetworks(registry, "Home");
    ASSERT_TRUE(StartTray(tray_, TrayHandOverSwitch));
    ExpectPromptHandOver();
}

// 500 events, 50 at each change of the scenario, with a watch after each change; the figures of
// the tray program after a first round are compared with those at the end.
TEST_F(TrayProgram, FiveHundredNetworkEventsLeaveNothingBehind) {
    std::string fifty;
    for (int i = 0; i < 50; ++i) {
        fifty += "network\nname = Remembered " + std::to_string(i) + "\n";
    }
    const std::string garage = "network\nname = Garage\n";
    const auto change = [&](int round) {
        WriteScenario(round % 2 == 0 ? garage + fifty : garage);
        Sleep(800);
    };
    StartTray();
    const UniqueHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, tray_.Id()));
    ASSERT_TRUE(process);
    change(0);
    change(1);
    const ProcessFigures before = MeasureProcess(process.get());
    for (int round = 0; round < 10; ++round) {
        change(round);
    }
    const ProcessFigures after = MeasureProcess(process.get());
    std::printf("Tray, 500 network events: handles %lu -> %lu, private bytes %zu -> %zu\n",
                before.handles, after.handles, static_cast<size_t>(before.privateBytes),
                static_cast<size_t>(after.privateBytes));
    ASSERT_GT(before.handles, 0u);
    EXPECT_EQ(after.handles, before.handles);
    // Room for the heap to settle, far below what 500 lost events or ten lost walks show.
    EXPECT_LT(after.privateBytes, before.privateBytes + 256 * 1024);

    // Still subscribed after all of them.
    SetConnectedNetworks("Office");
    ExpectPromptHandOver();
}

// Handed over from a Manager run that changed the printer, the program shows the run's notice once;
// a click on it opens the Console's record of the run.
TEST_F(TrayProgram, NoticeOfTheManagersRunShowsOnceAndItsClickOpensTheRecord) {
    Win32Registry registry;
    WritePrinterNotice(registry, PrinterChangedNotice("Office_Laser", "Office"));
    StartTray(TrayHandOverSwitch);
    EXPECT_TRUE(ui::WaitUntil(ui::IsNoticeShown)) << "no notice beside the icon";
    SaveScreenshot("tray-notice.png");
    EXPECT_EQ(TakePrinterNotice(registry), std::nullopt) << "the notice would show again";

    PostIconMouse(NIN_BALLOONUSERCLICK);
    ExpectEnded();
    ASSERT_THAT(folder_->WaitForStarts(1), ElementsAre("Lumivo Console.exe"));
    EXPECT_EQ(folder_->Starts()[0].commandLine, "\"Lumivo Console.exe\" /lastrun");
}

// The user makes another printer the default while Lumivo manages it: the program offers to
// remember it for the network it applied last, and a click stores it as the Console's "Add".
TEST_F(TrayProgram, APrinterPickedByHandIsOfferedAndAClickRemembersIt) {
    Win32Registry registry;
    CreateRegistryKey(registry, WindowsPrinterKeyPath);
    SetLegacyDefaultPrinterMode(registry, 1);
    ASSERT_TRUE(SetDefaultPrinterA("Lumivo_Test_A"));
    AddMapping(registry, "Office", "Lumivo_Test_A");
    WriteAppliedEntry(registry, MappingEntry{"Office", "Lumivo_Test_A"});
    WriteAppliedNetworks(registry, "Office");
    SetConnectedNetworks("Office");
    StartTray(TrayHandOverSwitch);
    Settle();

    ASSERT_TRUE(SetDefaultPrinterA("Lumivo_Test_B"));
    EXPECT_TRUE(ui::WaitUntil(ui::IsNoticeShown)) << "no offer";
    PostIconMouse(NIN_BALLOONUSERCLICK);
    EXPECT_TRUE(ui::WaitUntil([&] {
        return ReadMapping(registry, 1) == MappingEntry{"Office", "Lumivo_Test_B"};
    })) << "the offer's click did not store the printer";
    EXPECT_EQ(ReadMappingCount(registry), 1);
    ExpectStillRunningAndHidden();
    SetDefaultPrinterA("Lumivo_Test_A");
}

// The daily update check at the minute tick, in a test build of the tray program whose update
// check asks a local server that offers version 9.99. Each start finds no record of a last check.
class TrayDailyTimer : public TrayProgram {
protected:
    void SetUp() override {
        TrayProgram::SetUp();
        ASSERT_TRUE(folder_->Copy("lumivo_tray_local_updates.exe", "LMVTray.exe"));
        server_ = std::make_unique<LocalHttpServer>(LUMIVO_TEST_UPDATE_PORT, "9.99");
        ASSERT_TRUE(server_->IsListening()) << "port " << LUMIVO_TEST_UPDATE_PORT << " is taken";
        keyExisted_ =
            RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &settings_) == ERROR_SUCCESS;
        if (!keyExisted_) {
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0,
                                      KEY_READ | KEY_WRITE, nullptr, &settings_, nullptr),
                      ERROR_SUCCESS);
        } else {
            RegCloseKey(settings_);
            ASSERT_EQ(
                RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ | KEY_WRITE, &settings_),
                ERROR_SUCCESS);
        }
        char text[256] = "";
        DWORD size = sizeof(text);
        if (RegQueryValueExA(settings_, "CheckForUpdates", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS) {
            previous_ = std::string(text);
        }
    }

    void TearDown() override {
        TrayProgram::TearDown();
        tray_.Terminate();
        if (settings_ != nullptr) {
            SetCheckForUpdates(previous_);  // and drops the record of the last check
            RegCloseKey(settings_);
            if (!keyExisted_) {
                RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
            }
        }
    }

    void SetCheckForUpdates(const std::optional<std::string>& text) {
        RegDeleteValueA(settings_, "LastUpdateCheck");
        if (text) {
            RegSetValueExA(settings_, "CheckForUpdates", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(text->c_str()),
                           static_cast<DWORD>(text->size() + 1));
        } else {
            RegDeleteValueA(settings_, "CheckForUpdates");
        }
    }

    HWND UpdatePrompt() const {
        return ui::FindTopLevelWindow(tray_.Id(), ui::DialogClass, "Lumivo Tray - v1.15");
    }

    static constexpr char SettingsKey[] = "Software\\Lumivo Mapper";
    std::unique_ptr<LocalHttpServer> server_;
    HKEY settings_ = nullptr;
    bool keyExisted_ = false;
    std::optional<std::string> previous_;
};

// Handed over with the network that stays connected, so that the tick does not hand over.
TEST_F(TrayDailyTimer, YesInAnyCaseWithSpacesStartsTheCheck) {
    Win32Registry registry;
    WriteAppliedNetworks(registry, "Office");
    SetConnectedNetworks("Office");
    for (const char* yes : {" yes ", "YES"}) {
        SCOPED_TRACE(yes);
        SetCheckForUpdates(yes);
        StartTray(TrayHandOverSwitch);
        PostTimer(NetworkWatchTimer);
        HWND prompt = nullptr;
        ASSERT_TRUE(ui::WaitUntil([&] { return (prompt = UpdatePrompt()) != nullptr; }))
            << "no update prompt titled \"Lumivo Tray - v1.15\"";
        EXPECT_EQ(ui::MessageBoxText(prompt),
                  "Your version of Lumivo is 1.15. There is a new version (9.99) of Lumivo. Do you "
                  "want to get it now?");
        ASSERT_FALSE(server_->RequestedPaths().empty());
        EXPECT_EQ(server_->RequestedPaths().back(), "/Software/LMV/LMVversion.txt");
        ui::PressButton(prompt, IDNO);
        EXPECT_TRUE(ui::WaitUntil([&] { return UpdatePrompt() == nullptr; }));
        PostTimer(NetworkWatchTimer);  // within the day: no second check

        // The check runs on a thread of its own: the program goes on as before.
        ExpectStillRunningAndHidden();
        PostMessageA(host_, WM_CLOSE, 0, 0);
        ExpectEnded();
    }
    EXPECT_EQ(server_->RequestedPaths().size(), 2u);
}

// "YES" without a connected network would only fail, so it waits for a tick with one.
TEST_F(TrayDailyTimer, NoOtherTextOrMissingValueNorATickOfflineStartsNoCheck) {
    for (const std::optional<std::string>& value :
         {std::optional<std::string>("NO"), std::optional<std::string>("maybe"),
          std::optional<std::string>(), std::optional<std::string>("YES")}) {
        SCOPED_TRACE(value.value_or("(missing)"));
        SetCheckForUpdates(value);
        StartTray();
        PostTimer(NetworkWatchTimer);
        Settle();
        Sleep(1000);
        EXPECT_THAT(server_->RequestedPaths(), IsEmpty());
        EXPECT_EQ(UpdatePrompt(), nullptr);
        ExpectStillRunningAndHidden();
        PostMessageA(host_, WM_CLOSE, 0, 0);
        ExpectEnded();
    }
}

// While the printer meant to stay the default is missing, the minute tick has the Manager retry
// it; a printer picked by hand, which is offered, ends that.
TEST_F(TrayProgram, MinuteTickRetriesAMissingPrinterUntilAPrinterIsPickedByHand) {
    Win32Registry registry;
    SetLegacyDefaultPrinterMode(registry, 1);
    ASSERT_TRUE(SetDefaultPrinterA("Lumivo_Test_A"));
    WriteAppliedNetworks(registry, "Office");
    WritePrinterRetry(registry, {"Lumivo_Test_A", {{"Office", "Lumivo_Missing"}}});
    SetConnectedNetworks("Office");
    StartTray(TrayHandOverSwitch);
    PostTimer(NetworkWatchTimer);
    ASSERT_THAT(folder_->WaitForStarts(1), ElementsAre("Lumivo Manager.exe"));
    EXPECT_EQ(folder_->Starts()[0].commandLine, "\"Lumivo Manager.exe\" /retry");

    StartTray(TrayHandOverSwitch);
    ASSERT_TRUE(SetDefaultPrinterA("Lumivo_Test_B"));
    EXPECT_TRUE(ui::WaitUntil(ui::IsNoticeShown)) << "no offer";
    PostTimer(NetworkWatchTimer);
    ExpectStillRunningAndHidden();
}

// The network watch's timer, in a test build of the tray program whose watch ticks every
// LUMIVO_TEST_NETWORK_WATCH_MS instead of every minute, with a Network List Manager that refuses
// the subscription to its events: the program hands over to the Manager one tick after it starts,
// not at the change.
class TrayWatchTimer : public TrayProgram {
protected:
    void SetUp() override {
        TrayProgram::SetUp();
        ASSERT_TRUE(folder_->Copy("lumivo_tray_short_watch.exe", "LMVTray.exe"));
    }

    static constexpr std::chrono::milliseconds Tick{LUMIVO_TEST_NETWORK_WATCH_MS};
};

TEST_F(TrayWatchTimer, WithoutNetworkEventsHandsOverOneTickAfterItStarts) {
    const std::string refuseEvents = "fail = Advise\n";
    SetConnectedNetworks("Home", refuseEvents);
    const auto started = std::chrono::steady_clock::now();
    StartTray();
    SetConnectedNetworks("Office", refuseEvents);
    ASSERT_FALSE(tray_.WaitForExit(Tick * 50 / 60)) << "ended before its first tick";
    // Starting a program takes a while on a busy machine; the tick does not.
    ASSERT_TRUE(tray_.WaitForExit(Tick * 25 / 60 + 15s))
        << "still running well after its first tick";
    const auto ranFor = std::chrono::steady_clock::now() - started;
    EXPECT_GE(ranFor, Tick * 58 / 60);
    EXPECT_LE(ranFor, Tick + 10s);
    ExpectEnded();
    EXPECT_THAT(folder_->WaitForStarts(1), ElementsAre("Lumivo Manager.exe"));
}

// Inside a network namespace of the run's own (wine-run --netns), where Wine sends no address
// notices: the real Manager sets the printer of the office's range, and a move to another office
// of the same network name is seen at the next tick and followed.
using NamespaceTrayWatch = TrayWatchTimer;

TEST_F(NamespaceTrayWatch, AMoveToAnotherOfficesRangeWithTheIconOnMovesThePrinter) {
    const char* moveRequest = std::getenv("LUMIVO_TEST_MOVE_REQUEST");
    ASSERT_NE(moveRequest, nullptr) << "runs inside wine-run --netns";
    ASSERT_TRUE(folder_->Copy("Lumivo Manager.exe"));
    Win32Registry registry;
    SetLegacyDefaultPrinterMode(registry, 1);
    WriteRegistryText(registry, SettingsKeyPath, SystemTrayValueName, OptionNoText);
    AddMapping(registry, "198.51.100.0/24", "Lumivo_Test_A");
    AddMapping(registry, "192.0.2.0/24", "Lumivo_Test_B");
    SetConnectedNetworks("corp.example.com");
    ASSERT_TRUE(SetDefaultPrinterA("Lumivo_Test_B"));
    const auto defaultIs = [](const std::string& printer) {
        char name[512] = {};
        DWORD size = sizeof name;
        return GetDefaultPrinterA(name, &size) && name == printer;
    };
    ui::TestProcess manager;
    ASSERT_TRUE(manager.Start(folder_->PathOf("Lumivo Manager.exe").string()));
    ASSERT_TRUE(manager.WaitForExit(30s));
    ASSERT_TRUE(defaultIs("Lumivo_Test_A"));

    StartTray(TrayHandOverSwitch);
    ExpectStillRunningAndHidden();
    const auto moved = std::chrono::steady_clock::now();
    std::ofstream(std::string("Z:") + moveRequest, std::ios::binary) << "192.0.2.7/24\n";
    ASSERT_TRUE(tray_.WaitForExit(Tick + 10s)) << "no hand-over after the move";
    EXPECT_TRUE(ui::WaitUntil([&] { return defaultIs("Lumivo_Test_B"); }, 30s));
    std::printf(
        "Measured: a move between two ranges of one network name reaches the printer in "
        "%.1f s with a look every 2 s\n",
        std::chrono::duration<double>(std::chrono::steady_clock::now() - moved).count());
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", SystemTrayValueName);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper\\2");
}

}  // namespace

namespace {

// In the language of the test run (tests/support/in-languages): the menu beside the icon and
// the About box are that language's, as the program file holds them. Wine reads no menu of another
// process, so the menu shows its language by its mnemonic: the key of that language's "About".
TEST_F(TrayProgram, MenuAndAboutBoxAreInTheUsersLanguage) {
    const WORD language = ui::TestLanguage();
    const ui::ProgramResources texts(folder_->PathOf("LMVTray.exe"), language);
    const auto about = ui::ReadDialogTemplate(texts.Module(), IDD_TRAY_ABOUT, language);
    ASSERT_TRUE(about.has_value());
    const std::wstring aboutItem = texts.MenuTexts(L"POPUPMENU").back();
    const std::size_t mnemonic = aboutItem.find(L'&');
    ASSERT_NE(mnemonic, std::wstring::npos);
    StartTray();

    const POINT icon = IconPoint();
    ui::ClickAt(icon.x, icon.y, true);
    ASSERT_NE(OpenMenu(), nullptr) << "no popup menu";
    ui::PressKey(static_cast<WORD>(std::towupper(aboutItem[mnemonic + 1])));
    const HWND box = ui::WaitForTopLevelWindow(tray_.Id(), ui::DialogClass, about->caption);
    ASSERT_NE(box, nullptr) << "no About box titled " << about->caption;
    std::vector<std::string> expected;
    for (const ui::DialogControl& control : about->controls) {
        expected.push_back(control.text);
    }
    EXPECT_EQ(ui::ChildTexts(box), expected);
    ui::PressButton(box, IDOK);
}

}  // namespace
