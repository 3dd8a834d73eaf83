// "EndTrayProgram.dll": a custom action of the MSI package, run before it replaces or removes the
// programs. It ends a running tray program the way its "Exit Lumivo Tray" command does, so the
// icon leaves the notification area and LMVTray.exe is no longer in use; the NSIS installer takes
// the same steps.
//
// The tray program's hidden host window ("Select Icon") is only trusted while the tray's mutex is
// held; the action returns once that process has ended, or after a bounded wait.
#include <windows.h>
#include <msi.h>

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "tray/tray_resources.h"

namespace {

constexpr const char* TrayHostClass = "#32770";
constexpr const char* TrayHostCaption = "Select Icon";
constexpr UINT CommandTimeoutMs = 5000;
constexpr DWORD ExitTimeoutMs = 10000;

bool IsTrayProgramRunning() {
    return UniqueHandle(OpenMutexA(SYNCHRONIZE, FALSE, TrayMutexName)) ? true : false;
}

void EndTrayProgram() {
    if (!IsTrayProgramRunning()) {
        return;
    }
    HWND host = FindWindowA(TrayHostClass, TrayHostCaption);
    if (host == nullptr) {
        return;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(host, &processId);
    UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(host, WM_COMMAND, IDM_TRAY_EXIT, 0, SMTO_ABORTIFHUNG, CommandTimeoutMs,
                        &answer);
    if (process) {
        WaitForSingleObject(process.get(), ExitTimeoutMs);
    }
}

}  // namespace

// The package names this entry point; the installation goes on whatever happens here.
extern "C" __declspec(dllexport) UINT WINAPI EndTrayProgramAction(MSIHANDLE) {
    EndTrayProgram();
    return ERROR_SUCCESS;
}
