#include "system/installed_programs.h"

#include <tlhelp32.h>

#include <array>

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "support/ui/test_process.h"
#include "support/ui/ui_helper.h"

namespace {

using namespace std::chrono_literals;

constexpr std::array<const char*, 3> Programs = {ManagerFileName, TrayFileName, ConsoleFileName};

std::wstring WideOf(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// The full path of the process's program file, empty when it cannot be asked.
std::filesystem::path ProgramFileOf(DWORD processId) {
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t path[MAX_PATH] = L"";
    DWORD size = MAX_PATH;
    if (!process || !QueryFullProcessImageNameW(process.get(), 0, path, &size)) {
        return {};
    }
    return path;
}

// Ends the program; a tray program is asked to close first, so that its icon goes with it.
void End(DWORD processId, bool isTray) {
    ui::TestProcess program;
    if (program.Attach(processId) && isTray) {
        for (const HWND window : ui::TopLevelWindows(processId)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        program.WaitForExit(5s);
    }
    // One that still runs is ended as `program` goes.
}

}  // namespace

InstalledPrograms::InstalledPrograms() {
    for (const char* program : Programs) {
        complete_ = complete_ && folder_.Copy(program);
    }
}

InstalledPrograms::~InstalledPrograms() {
    EndAll();
}

std::vector<DWORD> InstalledPrograms::RunningIds(const std::string& fileName) const {
    std::vector<DWORD> ids;
    const HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE) {
        return ids;
    }
    const UniqueHandle snapshot(taken);
    const std::wstring wideName = WideOf(fileName);
    const std::wstring widePath = PathOf(fileName).wstring();
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, wideName.c_str()) == 0 &&
            lstrcmpiW(ProgramFileOf(entry.th32ProcessID).c_str(), widePath.c_str()) == 0) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    return ids;
}

void InstalledPrograms::EndAll() const {
    // An ending Manager or Console may just have started a tray program: look again until a round
    // finds nothing.
    for (int round = 0; round < 10; ++round) {
        bool found = false;
        for (const char* program : Programs) {
            for (const DWORD id : RunningIds(program)) {
                found = true;
                End(id, std::string(program) == TrayFileName);
            }
        }
        if (!found) {
            return;
        }
    }
}
