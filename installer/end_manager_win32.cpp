#include "installer/end_manager_win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include <vector>

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"

namespace {

DWORD CurrentSessionId() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return session;
}

// The running Managers of this session: another user's Manager is of another installation, and
// the request to end does not reach it.
std::vector<UniqueHandle> RunningManagers() {
    std::vector<UniqueHandle> managers;
    const HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE) {
        return managers;
    }
    const UniqueHandle snapshot(taken);
    const DWORD session = CurrentSessionId();
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        DWORD processSession = 0;
        if (lstrcmpiA(entry.szExeFile, ManagerFileName) != 0 ||
            !ProcessIdToSessionId(entry.th32ProcessID, &processSession) ||
            processSession != session) {
            continue;
        }
        if (UniqueHandle process{OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)}) {
            managers.push_back(std::move(process));
        }
    }
    return managers;
}

}  // namespace

bool WaitForManagersToEnd(std::uint64_t deadline) {
    const std::vector<UniqueHandle> managers = RunningManagers();
    for (const UniqueHandle& manager : managers) {
        const std::uint64_t now = GetTickCount64();
        WaitForSingleObject(manager.get(), static_cast<DWORD>(now < deadline ? deadline - now : 0));
    }
    return !managers.empty();
}
