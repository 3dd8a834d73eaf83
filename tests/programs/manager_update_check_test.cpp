// The Manager's automatic update check outlives the Manager's own work: its question stays up
// until the user answers, while the tray program is back and another Manager may already run; an
// installer's request to end takes it away with the Manager.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <fstream>

#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "programs/local_http_server.h"
#include "programs/program_desktop.h"
#include "programs/program_folder.h"
#include "support/ui/test_process.h"
#include "support/ui/ui_helper.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

TEST(ManagerUpdateCheck, QuestionStaysAfterTheRunWhileTheNameIsFreeUntilAskedToEnd) {
    ui::VirtualDesktop& desktop = ProgramDesktop();
    ASSERT_TRUE(desktop.IsReady());
    ProgramFolder folder("ManagerUpdateCheck");
    ASSERT_TRUE(folder.Copy("lumivo_manager_local_updates.exe", ManagerFileName));
    ASSERT_TRUE(folder.AddStandIn(TrayFileName));
    LocalHttpServer server(LUMIVO_TEST_UPDATE_PORT, "9.99");
    ASSERT_TRUE(server.IsListening()) << "port " << LUMIVO_TEST_UPDATE_PORT << " is taken";
    const std::string networks = folder.PathOf("networks.txt").string();
    std::ofstream(networks, std::ios::binary) << "network\nname = Office\nconnected = yes\n";
    SetEnvironmentVariableA("LUMIVO_TEST_NETWORKS", networks.c_str());
    Win32Registry registry;
    WriteRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName, OptionYesText);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", LastUpdateCheckValueName);

    ui::TestProcess manager;
    ASSERT_TRUE(manager.Start(folder.PathOf(ManagerFileName).string(), {}, folder.Path().string(),
                              desktop.Name()));
    EXPECT_THAT(folder.WaitForStarts(1), ElementsAre(TrayFileName));
    const HWND prompt =
        ui::WaitForTopLevelWindow(manager.Id(), ui::DialogClass, "Lumivo Manager - v1.19", 20s);
    ASSERT_NE(prompt, nullptr) << "no update question, or it went with the Manager's run";
    Sleep(2000);
    EXPECT_TRUE(IsWindow(prompt)) << "the question went before the user answered";
    EXPECT_FALSE(UniqueHandle(OpenMutexA(SYNCHRONIZE, FALSE, ManagerMutexName)))
        << "the Manager still holds its single-instance name";

    const UniqueHandle endRequest(CreateEventA(nullptr, TRUE, FALSE, ManagerEndEventName));
    SetEvent(endRequest.get());
    EXPECT_TRUE(manager.WaitForExit(10s)) << "the Manager did not end on request";
    EXPECT_FALSE(IsWindow(prompt));
    for (const char* value : {CheckForUpdatesValueName, LastUpdateCheckValueName, LastRunValueName,
                              AppliedNetworksValueName}) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Lumivo Mapper", value);
    }
    SetEnvironmentVariableA("LUMIVO_TEST_NETWORKS", nullptr);
}

}  // namespace
