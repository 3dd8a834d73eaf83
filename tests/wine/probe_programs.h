#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Helpers of the Wine tests that start other processes: where the probe programs are, running a
// program to its end, and files that another process writes. Folders of their own for a test are
// ui::TestFolder.

// A probe program built beside the tests (tests/support/probes), by its file name.
std::filesystem::path ProbeProgram(const std::string& fileName);

// A name no other test run uses at the same time: prefix, this process's id and a counter.
std::string UniqueName(const std::string& prefix);

// Runs the command line with the given current folder and waits for its end. The exit code, or
// nothing when it could not start or did not end within the time-out (it is then ended).
std::optional<DWORD> RunToEnd(const std::string& commandLine,
                              const std::filesystem::path& currentFolder, DWORD timeoutMs);

// The text in double quotes. (Built by appending: GCC 12 warns wrongly about a literal put in
// front of a temporary string.)
std::string Quoted(const std::string& text);

// The command line text for a program and one argument, both quoted.
std::string QuotedCommand(const std::filesystem::path& program, const std::string& argument);

// Waits until the file exists, checking every 50 ms; false after the time-out.
bool WaitForFile(const std::filesystem::path& file, DWORD timeoutMs);

// The whole content of a file, empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file);
