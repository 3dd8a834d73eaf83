// "Lumivo Manager.exe": no window, no command line; one cycle per start, exit code 0 always.
// An update check started by the cycle is waited for after it, so that its question stays up
// until the user answers; by then the Manager has let go of its single-instance name.
#include <windows.h>

#include "common/platform/win32/adapters_win32.h"
#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/end_request_win32.h"
#include "common/platform/win32/network_list_win32.h"
#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/spooler_win32.h"
#include "common/platform/win32/system_metrics_win32.h"
#include "common/platform/win32/version_queries_win32.h"
#include "common/services/program_names.h"
#include "common/services/update_check_thread.h"
#include "manager/manager_cycle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Win32VersionQueries versions;
    Win32Processes processes;
    Win32Registry registry;
    Win32NetworkList networks;
    Win32Adapters adapters;
    Win32SystemMetrics metrics;
    Win32Spooler spooler;
    Win32Clock clock;
    Win32EndRequest endRequest(ManagerEndEventName);
    UniqueHandle updateCheck;
    const auto startUpdateCheck = [&updateCheck](const UpdateCheckProgram& program) {
        updateCheck = StartUpdateCheckThread(program);
    };
    ManagerPlatform platform{versions, processes, registry, networks,   adapters,
                             metrics,  spooler,   clock,    endRequest, startUpdateCheck};
    ManagerCycle(platform);
    if (updateCheck) {
        WaitForSingleObject(updateCheck.get(), INFINITE);
    }
    return 0;
}
