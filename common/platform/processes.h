#pragma once

#include <cstdint>
#include <string>

// What a caller chooses of CreateProcessW's arguments.
struct ProcessStart {
    std::string commandLine;  // ANSI; it becomes UTF-16 at the Windows edge
    bool inheritHandles = false;
    std::uint32_t creationFlags = 0;
    std::uint32_t startupFlags = 0;  // STARTUPINFO's dwFlags
    std::uint16_t showWindow = 0;    // STARTUPINFO's wShowWindow
};

constexpr std::uint32_t SemFailCriticalErrors = 0x0001;
constexpr std::uint32_t SemNoOpenFileErrorBox = 0x8000;
constexpr std::uint32_t NormalPriorityClass = 0x20;
constexpr std::uint32_t StartfUseShowWindow = 0x1;
constexpr std::uint16_t SwShowNormal = 1;
constexpr std::uint32_t WaitObject0 = 0;
constexpr std::uint32_t WaitAbandoned = 0x80;
constexpr std::uint32_t WaitTimeout = 0x102;
constexpr std::uint32_t WaitFailed = 0xFFFFFFFF;

// Starting processes, opening documents with the shell, and named mutexes.
class Processes {
public:
    virtual ~Processes() = default;

    // SetErrorMode: sets the process error mode and returns the previous one.
    virtual std::uint32_t SetErrorMode(std::uint32_t mode) = 0;

    // CreateProcessW with no application name, process and thread attributes that are not
    // inheritable, the caller's environment and current directory. Nobody waits for a started
    // program, so its process and thread handles are closed at once; processId receives its id.
    virtual bool CreateProcessW(const ProcessStart& start, std::uint32_t& processId) = 0;

    // ShellExecuteA with no owner window; returns its result (above 32 on success).
    virtual std::intptr_t ShellExecuteA(const std::string& operation, const std::string& file,
                                        const std::string& parameters, const std::string& directory,
                                        int showCommand) = 0;

    // CreateMutexA (default security, not initially owned) followed by WaitForSingleObject on
    // it; returns the wait's result. The mutex handle stays open until ReleaseMutex or the end of
    // the process, which is what releases it to the next instance.
    virtual std::uint32_t CreateMutexAndWait(const std::string& name,
                                             std::uint32_t timeoutMilliseconds) = 0;

    // ReleaseMutex and CloseHandle on a mutex that CreateMutexAndWait gave this process, so that
    // the next instance may start while this one is still ending. Nothing for another name.
    virtual void ReleaseMutex(const std::string& name) = 0;
};
