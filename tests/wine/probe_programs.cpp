#include "wine/probe_programs.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "common/platform/win32/unique_handle_win32.h"
#include "support/ui/test_folder.h"
#include "support/ui/ui_helper.h"

std::filesystem::path ProbeProgram(const std::string& fileName) {
    return ui::BuildFolder() / "probes" / fileName;
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
    if (WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 99);
        WaitForSingleObject(process.Get(), 5000);
        return std::nullopt;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
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
    return ui::WaitUntil([&] { return std::filesystem::exists(file); },
                         std::chrono::milliseconds(timeoutMs));
}

std::string ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
