// "EndPrograms.dll": run by the MSI package as a custom action, and by the NSIS installer and
// uninstaller, before they replace or remove the programs. It asks a running Manager to end (one
// that waits for a network may wait for hours) and ends a running tray program, so that no file
// of the old installation is in use, and nothing of it starts again, while the files change.
#include <windows.h>
#include <msi.h>

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "installer/end_manager_win32.h"
#include "installer/end_tray_program_win32.h"

namespace {

// A Manager that applies its table when asked ends after it (2 s for each printer it sets); the
// installation goes on after this, whatever is still running.
constexpr std::uint64_t EndTimeoutMs = 30000;

void EndPrograms() {
    // The request stays set while this runs: a Manager that the tray program starts meanwhile
    // ends at its first look, and a finishing Manager starts no tray program.
    const UniqueHandle endRequest(CreateEventA(nullptr, TRUE, FALSE, ManagerEndEventName));
    if (endRequest) {
        SetEvent(endRequest.get());
    }
    const std::uint64_t deadline = GetTickCount64() + EndTimeoutMs;
    // Each can start the other as it ends, so look again until neither was running.
    for (bool found = true; found && GetTickCount64() < deadline;) {
        const bool managers = WaitForManagersToEnd(deadline);
        const bool tray = EndTrayProgram();
        found = managers || tray;
    }
}

}  // namespace

// The MSI package and the NSIS scripts name this entry point; the installation goes on whatever
// happens here.
extern "C" __declspec(dllexport) UINT WINAPI EndProgramsAction(MSIHANDLE) {
    EndPrograms();
    return ERROR_SUCCESS;
}
