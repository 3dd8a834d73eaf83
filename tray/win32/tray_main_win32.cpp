#include <windows.h>

#include "common/platform/win32/adapters_win32.h"
#include "common/platform/win32/network_list_win32.h"
#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/resource_texts_win32.h"
#include "common/platform/win32/spooler_win32.h"
#include "common/platform/win32/system_metrics_win32.h"
#include "common/services/process_helpers.h"
#include "common/services/program_names.h"
#include "common/text/texts.h"
#include "tray/tray_resources.h"
#include "tray/tray_start.h"
#include "tray/win32/tray_host_win32.h"

// LMVTray.exe: the notification-area program. Its whole life is the hidden host dialog.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    UseTextSource(ProgramTexts());
    const TrayStart start = TrayStartFromCommandLine(commandLine);
    Win32Processes processes;
    if (CheckSingleInstance(processes, TrayMutexName, start.SingleInstancePatience())) {
        return 0;
    }
    Win32Registry registry;
    Win32NetworkList network;
    Win32Spooler spooler;
    Win32Adapters adapters;
    Win32SystemMetrics metrics;
    TrayHost host{instance, start, registry, network, processes, spooler, adapters, metrics};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TRAY_HOST), nullptr, TrayHostProc,
                    reinterpret_cast<LPARAM>(&host));
    return 0;
}
