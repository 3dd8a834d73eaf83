#include "test_process.h"

#include <tlhelp32.h>

namespace ui {

TestProcess::~TestProcess() {
    Terminate();
}

bool TestProcess::Start(const std::string& programPath, const std::string& commandLine,
                        const std::string& currentFolder, const std::string& desktop) {
    Terminate();
    std::string line = commandLine.empty() ? "\"" + programPath + "\"" : commandLine;
    std::string desktopName = desktop;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.lpDesktop = desktopName.empty() ? nullptr : desktopName.data();
    if (!CreateProcessA(programPath.empty() ? nullptr : programPath.c_str(), line.data(), nullptr,
                        nullptr, FALSE, 0, nullptr,
                        currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup,
                        &process_)) {
        process_ = {};
        return false;
    }
    return true;
}

bool TestProcess::Attach(DWORD processId) {
    Terminate();
    process_.hProcess =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (process_.hProcess == nullptr) {
        return false;
    }
    process_.dwProcessId = processId;
    return true;
}

bool TestProcess::IsRunning() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TestProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0;
}

DWORD TestProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess != nullptr) {
        GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
}

std::uintptr_t TestProcess::ImageBase() const {
    // The first module of a process's module list is its executable.
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_.dwProcessId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    MODULEENTRY32 module{};
    module.dwSize = sizeof(module);
    const std::uintptr_t base =
        Module32First(snapshot, &module) ? reinterpret_cast<std::uintptr_t>(module.hModule) : 0;
    CloseHandle(snapshot);
    return base;
}

void TestProcess::Terminate() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (IsRunning()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    // A program taken over comes without its thread.
    if (process_.hThread != nullptr) {
        CloseHandle(process_.hThread);
    }
    process_ = {};
}

}  // namespace ui
