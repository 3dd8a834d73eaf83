// The process helpers between real processes: the single-instance mutex, starting programs by
// bare name, and the shell handing a target to its handler.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/process_helpers.h"
#include "support/ui/test_folder.h"
#include "wine/probe_programs.h"

namespace fs = std::filesystem;

namespace {

// Generous: a process start can take many seconds on a busy machine under Wine.
constexpr DWORD TimeoutMs = 60000;

// The exit code of "instance_probe check NAME": 1 when another process holds the mutex.
std::optional<DWORD> CheckInAnotherProcess(const std::string& mutexName) {
    return RunToEnd(Quoted(ProbeProgram("instance_probe.exe").string()) + " check " + mutexName,
                    ui::BuildFolder(), TimeoutMs);
}

// A process that has asked for the mutex and stays until told to go or killed. Its events have
// names of their own, so a holder is never taken as ready because an earlier one was.
class InstanceHolder {
public:
    explicit InstanceHolder(const std::string& mutexName)
        : events_(UniqueName(mutexName + "-events")),
          ready_(CreateEventA(nullptr, TRUE, FALSE, (events_ + "-ready").c_str())),
          quit_(CreateEventA(nullptr, TRUE, FALSE, (events_ + "-quit").c_str())) {
        std::string commandLine = Quoted(ProbeProgram("instance_probe.exe").string()) + " hold " +
                                  mutexName + " " + events_;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &started)) {
            process_ = UniqueHandle(started.hProcess);
            CloseHandle(started.hThread);
        }
    }

    ~InstanceHolder() {
        if (process_) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), TimeoutMs);
        }
    }

    // True once the holder has asked for the mutex.
    bool Ready() const {
        if (!process_) {
            return false;
        }
        HANDLE waits[] = {ready_.get(), process_.get()};
        return WaitForMultipleObjects(2, waits, FALSE, TimeoutMs) == WAIT_OBJECT_0;
    }

    // Ends the holder normally; its exit code is 1 when it found another instance.
    std::optional<DWORD> Quit() {
        SetEvent(quit_.get());
        return WaitForEnd();
    }

    void Kill() {
        TerminateProcess(process_.get(), 9);
        WaitForEnd();
    }

private:
    std::optional<DWORD> WaitForEnd() {
        if (WaitForSingleObject(process_.get(), TimeoutMs) != WAIT_OBJECT_0) {
            return std::nullopt;
        }
        DWORD exitCode = 0;
        GetExitCodeProcess(process_.get(), &exitCode);
        process_ = UniqueHandle();
        return exitCode;
    }

    std::string events_;
    UniqueHandle ready_;
    UniqueHandle quit_;
    UniqueHandle process_;
};

TEST(CheckSingleInstanceAcrossProcesses, SecondProcessSeesTheFirst) {
    const std::string mutexName = UniqueName("LMV-Test");
    InstanceHolder first(mutexName);
    ASSERT_TRUE(first.Ready());
    EXPECT_EQ(CheckInAnotherProcess(mutexName), 1u);
    EXPECT_EQ(CheckInAnotherProcess(mutexName), 1u);
    EXPECT_EQ(first.Quit(), 0u);

    EXPECT_EQ(CheckInAnotherProcess(mutexName), 0u);
}

TEST(CheckSingleInstanceAcrossProcesses, KilledHolderLeavesTheMutexToTheNext) {
    const std::string mutexName = UniqueName("LMV-Test");
    InstanceHolder first(mutexName);
    ASSERT_TRUE(first.Ready());
    // An open handle here keeps the mutex alive, so the next process finds it abandoned.
    const UniqueHandle keepAlive(OpenMutexA(SYNCHRONIZE, FALSE, mutexName.c_str()));
    ASSERT_TRUE(keepAlive);
    first.Kill();

    InstanceHolder next(mutexName);
    ASSERT_TRUE(next.Ready());
    EXPECT_EQ(CheckInAnotherProcess(mutexName), 1u);
    EXPECT_EQ(next.Quit(), 0u);
}

TEST(CheckSingleInstanceAcrossProcesses, KilledLastHolderLeavesNothingBehind) {
    const std::string mutexName = UniqueName("LMV-Test");
    InstanceHolder first(mutexName);
    ASSERT_TRUE(first.Ready());
    first.Kill();
    EXPECT_EQ(CheckInAnotherProcess(mutexName), 0u);
}

TEST(CheckSingleInstanceAcrossProcesses, NameOfAnotherKindOfObjectCountsAsAnotherInstance) {
    const std::string name = UniqueName("LMV-Test");
    const UniqueHandle event(CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
    ASSERT_TRUE(event);
    EXPECT_EQ(CheckInAnotherProcess(name), 1u);
}

// A starter program alone in its folder, run from another current folder.
class StartProgramFromTheStartersFolder : public ::testing::Test {
protected:
    StartProgramFromTheStartersFolder()
        : scratch_("start-test"),
          starterFolder_(scratch_.Path() / "starter"),
          otherFolder_(scratch_.Path() / "elsewhere") {
        fs::create_directories(starterFolder_);
        fs::create_directories(otherFolder_);
        fs::copy_file(ProbeProgram("start_probe.exe"), starterFolder_ / "starter.exe");
    }

    // Puts a program that leaves a mark beside the starter, under the given name.
    fs::path Plant(const std::string& fileName) {
        const fs::path planted = starterFolder_ / fileName;
        fs::copy_file(ProbeProgram("marker_probe.exe"), planted);
        return planted;
    }

    // The process id that StartProgram gave in the starter.
    std::optional<DWORD> Start(const std::string& fileName) {
        return RunToEnd(QuotedCommand(starterFolder_ / "starter.exe", fileName), otherFolder_,
                        TimeoutMs);
    }

    static fs::path MarkOf(const fs::path& program) { return program.string() + ".ran"; }

    // The process id in a program's mark.
    static std::string MarkedProcessId(const fs::path& program) {
        const std::string mark = ReadWholeFile(MarkOf(program));
        return mark.substr(0, mark.find('\n'));
    }

    ui::TestFolder scratch_;
    fs::path starterFolder_;
    fs::path otherFolder_;
};

TEST_F(StartProgramFromTheStartersFolder, StartsTheProgramAndGivesItsProcessId) {
    const fs::path target = Plant("Lumivo Console.exe");
    const std::optional<DWORD> processId = Start("Lumivo Console.exe");
    ASSERT_TRUE(processId.has_value());
    EXPECT_NE(*processId, 0u);
    ASSERT_TRUE(WaitForFile(MarkOf(target), TimeoutMs));
    EXPECT_EQ(MarkedProcessId(target), std::to_string(*processId));
}

TEST_F(StartProgramFromTheStartersFolder, PlantedProgramNamedByTheFirstWordIsNotRun) {
    const fs::path manager = Plant("Lumivo Manager.exe");
    const fs::path planted = Plant("Lumivo.exe");
    const std::optional<DWORD> processId = Start("Lumivo Manager.exe");
    ASSERT_TRUE(processId.has_value());
    EXPECT_NE(*processId, 0u);
    ASSERT_TRUE(WaitForFile(MarkOf(manager), TimeoutMs));
    EXPECT_EQ(MarkedProcessId(manager), std::to_string(*processId));
    EXPECT_FALSE(fs::exists(MarkOf(planted)));
}

TEST_F(StartProgramFromTheStartersFolder, MissingProgramGivesZeroAndNoErrorBox) {
    // An error box would hold the starter until the time-out.
    EXPECT_EQ(Start("Missing Program.exe"), 0u);
    EXPECT_EQ(Start("LMVTray.exe"), 0u);
}

// A URL scheme whose handler is the mark-leaving probe, registered for one test.
class ProbeUrlScheme {
public:
    ProbeUrlScheme(const std::string& scheme, const fs::path& handler)
        : keyPath_("Software\\Classes\\" + scheme) {
        const std::string command = QuotedCommand(handler, "%1");
        SetText(keyPath_, "", "URL:Lumivo test probe");
        SetText(keyPath_, "URL Protocol", "");
        SetText(keyPath_ + "\\shell\\open\\command", "", command);
    }
    ~ProbeUrlScheme() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath_.c_str()); }
    ProbeUrlScheme(const ProbeUrlScheme&) = delete;
    ProbeUrlScheme& operator=(const ProbeUrlScheme&) = delete;

private:
    static void SetText(const std::string& path, const char* name, const std::string& text) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
            RegCloseKey(key);
        }
    }

    std::string keyPath_;
};

TEST(OpenWithShellUnderWine, HandlerReceivesTheFirst254Characters) {
    const ui::TestFolder scratch("shell-test");
    const fs::path handler = scratch.Path() / "handler.exe";
    fs::copy_file(ProbeProgram("marker_probe.exe"), handler);
    const std::string scheme = "lumivo-probe-" + std::to_string(GetCurrentProcessId());
    const ProbeUrlScheme registration(scheme, handler);

    std::string target = scheme + ":";
    for (int i = 0; target.size() < 300; ++i) {
        target += std::to_string(i % 10);
    }
    Win32Processes processes;
    OpenWithShell(processes, target);

    const fs::path mark = handler.string() + ".ran";
    ASSERT_TRUE(WaitForFile(mark, TimeoutMs));
    const std::string commandLine = ReadWholeFile(mark).substr(ReadWholeFile(mark).find('\n') + 1);
    EXPECT_NE(commandLine.find(Quoted(target.substr(0, 254))), std::string::npos) << commandLine;
}

}  // namespace
