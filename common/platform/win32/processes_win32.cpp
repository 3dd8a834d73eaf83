#include "common/platform/win32/processes_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <vector>

#include "common/platform/win32/ansi_text_win32.h"
#include "common/platform/win32/unique_handles_win32.h"

namespace {

// The single-instance mutexes of this process, by name. Their handles stay open until the
// program lets go of them or ends: an open, owned mutex is what tells a second instance that this
// one runs.
std::multimap<std::string, UniqueHandle>& HeldMutexes() {
    static std::multimap<std::string, UniqueHandle> mutexes;
    return mutexes;
}

}  // namespace

std::uint32_t Win32Processes::SetErrorMode(std::uint32_t mode) {
    return ::SetErrorMode(mode);
}

bool Win32Processes::CreateProcessW(const ProcessStart& start, std::uint32_t& processId) {
    // CreateProcessW may write into its command line, so it gets a buffer of its own.
    const std::wstring wide = AnsiToWide(start.commandLine);
    std::vector<wchar_t> commandLine(wide.begin(), wide.end());
    commandLine.push_back(L'\0');

    SECURITY_ATTRIBUTES processAttributes{sizeof(processAttributes), nullptr, FALSE};
    SECURITY_ATTRIBUTES threadAttributes{sizeof(threadAttributes), nullptr, FALSE};
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = start.startupFlags;
    startup.wShowWindow = start.showWindow;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), &processAttributes, &threadAttributes,
                          start.inheritHandles ? TRUE : FALSE, start.creationFlags, nullptr,
                          nullptr, &startup, &started)) {
        return false;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    processId = started.dwProcessId;
    return true;
}

std::intptr_t Win32Processes::ShellExecuteA(const std::string& operation, const std::string& file,
                                            const std::string& parameters,
                                            const std::string& directory, int showCommand) {
    return reinterpret_cast<std::intptr_t>(::ShellExecuteA(nullptr, operation.c_str(), file.c_str(),
                                                           parameters.c_str(), directory.c_str(),
                                                           showCommand));
}

std::uint32_t Win32Processes::CreateMutexAndWait(const std::string& name,
                                                 std::uint32_t timeoutMilliseconds) {
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        return WaitFailed;
    }
    HeldMutexes().emplace(name, mutex);
    return ::WaitForSingleObject(mutex, timeoutMilliseconds);
}

void Win32Processes::ReleaseMutex(const std::string& name) {
    const auto [first, last] = HeldMutexes().equal_range(name);
    for (auto held = first; held != last; ++held) {
        // Fails harmlessly on a handle whose wait timed out, which this thread does not own.
        ::ReleaseMutex(held->second.get());
    }
    HeldMutexes().erase(first, last);
}
