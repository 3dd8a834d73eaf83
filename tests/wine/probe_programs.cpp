#include "wine/probe_programs.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "support/ui/test_folder.h"
#include "support/ui/test_process.h"
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
    // A program that does not end in time is ended when `program` goes.
    ui::TestProcess program;
    if (!program.Start({}, commandLine, currentFolder.string()) ||
        !program.WaitForExit(std::chrono::milliseconds(timeoutMs))) {
        return std::nullopt;
    }
    return program.ExitCode();
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
