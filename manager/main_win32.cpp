// "Lumivo Manager.exe": no window; one cycle per start, exit code 0 always. Its switches say how
// it was started (ManagerStartFromCommandLine). An update check started by the cycle is waited
// for after it, so that its question stays up until the user answers or an installer asks the
// Manager to end; by then the Manager has let go of its single-instance name.
#include <windows.h>

#include "common/platform/win32/adapters_win32.h"
#include "common/platform/win32/clock_win32.h"
#include "common/platform/win32/end_request_win32.h"
#include "common/platform/win32/network_list_win32.h"
#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/platform/win32/spooler_win32.h"
#include "common/platform/win32/system_metrics_win32.h"
#include "common/platform/win32/version_queries_win32.h"
#include "common/services/program_names.h"
#include "common/services/update_check_thread.h"
#include "common/text/texts.h"
#include "manager/manager_cycle.h"
#include "manager/manager_start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    UseTextSource(ProgramTexts());
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
    ManagerCycle(platform, ManagerStartFromCommandLine(commandLine));
    // Asked to end, the Manager does not wait for the answer: its question goes with the process.
    if (updateCheck) {
        endRequest.WaitForObjectOrEndRequest(updateCheck.get());
    }
    return 0;
}
