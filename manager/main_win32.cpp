// "Lumivo Manager.exe": no window, no command line; one cycle per start, exit code 0 always.
#include <windows.h>

#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/end_request_win32.h"
#include "common/platform/win32/network_list_win32.h"
#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/spooler_win32.h"
#include "common/platform/win32/version_queries_win32.h"
#include "common/services/program_names.h"
#include "common/services/update_check_thread.h"
#include "manager/manager_cycle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Win32VersionQueries versions;
    Win32Processes processes;
    Win32Registry registry;
    Win32NetworkList networks;
    Win32Spooler spooler;
    Win32Clock clock;
    Win32EndRequest endRequest(ManagerEndEventName);
    ManagerPlatform platform{versions, processes, registry,   networks,
                             spooler,  clock,     endRequest, StartUpdateCheck};
    ManagerCycle(platform);
    return 0;
}
