#include "installer/end_manager_win32.h"

#include "common/services/program_names.h"
#include "installer/session_processes_win32.h"

bool WaitForManagersToEnd(std::uint64_t deadline) {
    const std::vector<SessionProcess> managers = SessionProcesses(ManagerFileName);
    for (const SessionProcess& manager : managers) {
        const std::uint64_t now = GetTickCount64();
        WaitForSingleObject(manager.process.get(),
                            static_cast<DWORD>(now < deadline ? deadline - now : 0));
    }
    return !managers.empty();
}
