#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace ui {

using namespace std::chrono_literals;

// A program started by a test, or one that another program started and the test took over. It is
// ended, if it still runs, when the object goes.
class TestProcess {
public:
    TestProcess() = default;
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    // Starts the program file with the command line (the file's quoted path when empty), in
    // the given current folder, on the named desktop (the caller's when empty). Without a program
    // file the command line's first word names the program.
    bool Start(const std::string& programPath, const std::string& commandLine = {},
               const std::string& currentFolder = {}, const std::string& desktop = {});
    // Takes over a running program that another one started; false when it cannot be opened.
    bool Attach(DWORD processId);

    DWORD Id() const { return process_.dwProcessId; }
    bool IsRunning() const;

    // Waits for the program to end; false when it still runs after the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout = 10s) const;
    // The exit code once it has ended, STILL_ACTIVE before.
    DWORD ExitCode() const;

    // The instance handle of the program: the address at which its executable is loaded.
    std::uintptr_t ImageBase() const;

    void Terminate();

private:
    PROCESS_INFORMATION process_{};
};

}  // namespace ui
