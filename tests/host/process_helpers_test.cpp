#include <gtest/gtest.h>

#include <string>

#include "common/services/process_helpers.h"
#include "common/services/program_names.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "support/fakes/in_memory_registry.h"
#include "support/fakes/recording_processes.h"

namespace {

TEST(StartProgram, QuotesTheBareNameAndStartsItNormally) {
    RecordingProcesses processes;
    processes.nextProcessId = 1234;
    EXPECT_EQ(StartProgram(processes, "Lumivo Manager.exe"), 1234u);

    ASSERT_EQ(processes.starts.size(), 1u);
    const ProcessStart& start = processes.starts[0].start;
    EXPECT_EQ(start.commandLine, "\"Lumivo Manager.exe\"");
    EXPECT_FALSE(start.inheritHandles);
    EXPECT_EQ(start.creationFlags, 0x20u);
    EXPECT_EQ(start.startupFlags, 0x1u);
    EXPECT_EQ(start.showWindow, 1u);
}

TEST(StartProgram, NoSystemErrorBoxDuringTheStartOnly) {
    RecordingProcesses processes;
    processes.errorMode = 0x4;
    StartProgram(processes, "LMVTray.exe");
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].errorMode, 0x8001u);
    EXPECT_EQ(processes.errorMode, 0x4u);
}

TEST(StartProgram, FailureGivesZeroAndRestoresTheErrorMode) {
    RecordingProcesses processes;
    processes.startSucceeds = false;
    processes.errorMode = 0x2;
    EXPECT_EQ(StartProgram(processes, "Missing.exe"), 0u);
    EXPECT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.errorMode, 0x2u);
}

class StartTrayProgramTest : public ::testing::Test {
protected:
    bool StartsWith(const char* systemTray) {
        if (systemTray != nullptr) {
            WriteRegistryText(registry_, SettingsKeyPath, SystemTrayValueName, systemTray);
        }
        RecordingProcesses processes;
        StartTrayProgram(registry_, processes);
        if (processes.starts.empty()) {
            return false;
        }
        EXPECT_EQ(processes.starts.size(), 1u);
        EXPECT_EQ(processes.starts[0].start.commandLine, "\"LMVTray.exe\" /handover");
        return true;
    }

    InMemoryRegistry registry_;
};

TEST_F(StartTrayProgramTest, OffTextsStartNothing) {
    EXPECT_FALSE(StartsWith("NO"));
    EXPECT_FALSE(StartsWith(" no "));
    EXPECT_FALSE(StartsWith("No"));
    EXPECT_FALSE(StartsWith("  nO"));
}

TEST_F(StartTrayProgramTest, MissingValueStartsTheTray) {
    EXPECT_TRUE(StartsWith(nullptr));
}

TEST_F(StartTrayProgramTest, OtherTextsStartTheTray) {
    EXPECT_TRUE(StartsWith("YES"));
    EXPECT_TRUE(StartsWith(""));
    EXPECT_TRUE(StartsWith("off"));
    EXPECT_TRUE(StartsWith("N O"));
}

TEST(OpenWithShell, DefaultActionWithEmptyParametersAndDirectory) {
    RecordingProcesses processes;
    OpenWithShell(processes, "https://help.example/page.html");
    ASSERT_EQ(processes.shellActions.size(), 1u);
    const auto& action = processes.shellActions[0];
    EXPECT_EQ(action.operation, "");
    EXPECT_EQ(action.file, "https://help.example/page.html");
    EXPECT_EQ(action.parameters, "");
    EXPECT_EQ(action.directory, "");
    EXPECT_EQ(action.showCommand, 1);
}

TEST(OpenWithShell, LongTargetIsCutTo254Characters) {
    RecordingProcesses processes;
    std::string target = "https://example.com/";
    for (int i = 0; target.size() < 300; ++i) {
        target += static_cast<char>('a' + i % 26);
    }
    OpenWithShell(processes, target);
    OpenWithShell(processes, target.substr(0, 254));
    OpenWithShell(processes, target.substr(0, 255));
    ASSERT_EQ(processes.shellActions.size(), 3u);
    for (const auto& action : processes.shellActions) {
        EXPECT_EQ(action.file, target.substr(0, 254));
    }
}

TEST(OpenWithShell, TargetEndsAtItsFirstNul) {
    RecordingProcesses processes;
    OpenWithShell(processes, std::string("first.txt\0second.txt", 20));
    ASSERT_EQ(processes.shellActions.size(), 1u);
    EXPECT_EQ(processes.shellActions[0].file, "first.txt");
}

TEST(CheckSingleInstance, OnlyAnOwnedMutexMeansNoOtherInstance) {
    RecordingProcesses processes;
    processes.waitResults = {{"owned elsewhere", WaitTimeout},
                             {"free", WaitObject0},
                             {"abandoned", WaitAbandoned},
                             {"not a mutex", WaitFailed}};
    EXPECT_TRUE(CheckSingleInstance(processes, "owned elsewhere"));
    EXPECT_FALSE(CheckSingleInstance(processes, "free"));
    EXPECT_FALSE(CheckSingleInstance(processes, "abandoned"));
    EXPECT_TRUE(CheckSingleInstance(processes, "not a mutex"));
}

TEST(CheckSingleInstance, WaitsNotAtAll) {
    RecordingProcesses processes;
    CheckSingleInstance(processes, ManagerMutexName);
    CheckSingleInstance(processes, TrayMutexName);
    ASSERT_EQ(processes.mutexWaits.size(), 2u);
    EXPECT_EQ(processes.mutexWaits[0].name, "LMV-Manager");
    EXPECT_EQ(processes.mutexWaits[0].timeout, 0u);
    EXPECT_EQ(processes.mutexWaits[1].name, "LMV-Tray");
    EXPECT_EQ(processes.mutexWaits[1].timeout, 0u);
}

}  // namespace
