#include "wine/probe_programs.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "common/platform/win32/unique_handles_win32.h"

std::filesystem::path TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path ProbeProgram(const std::string& fileName) {
    return TestProgramFolder() / "probes" / fileName;
}

std::string UniqueName(const std::string& prefix) {
    static int counter = 0;
    return prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

std::optional<DWORD> RunToEnd(const std::string& commandLine,
                              const std::filesystem::path& currentFolder, DWORD timeoutMs) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    const std::string folder = currentFolder.string();
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &started)) {
        return std::nullopt;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 99);
        WaitForSingleObject(process.get(), 5000);
        return std::nullopt;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

std::string Quoted(const std::string& text) {
    std::string quoted;
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string QuotedCommand(const std::filesystem::path& program, const std::string& argument) {
    return Quoted(program.string()) + " " + Quoted(argument);
}

bool WaitForFile(const std::filesystem::path& file, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!std::filesystem::exists(file)) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

std::string ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

ScratchFolder::ScratchFolder(const std::string& prefix)
    : path_(TestProgramFolder() / UniqueName(prefix)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
