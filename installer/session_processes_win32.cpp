#include "installer/session_processes_win32.h"

#include <tlhelp32.h>

namespace {

DWORD CurrentSessionId() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return session;
}

}  // namespace

std::vector<SessionProcess> SessionProcesses(const char* fileName) {
    std::vector<SessionProcess> found;
    const HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE) {
        return found;
    }
    const UniqueHandle snapshot(taken);
    const DWORD session = CurrentSessionId();
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        DWORD processSession = 0;
        if (lstrcmpiA(entry.szExeFile, fileName) != 0 ||
            !ProcessIdToSessionId(entry.th32ProcessID, &processSession) ||
            processSession != session) {
            continue;
        }
        if (UniqueHandle process{OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)}) {
            found.push_back({entry.th32ProcessID, std::move(process)});
        }
    }
    return found;
}
