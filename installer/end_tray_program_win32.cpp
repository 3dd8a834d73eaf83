#include "installer/end_tray_program_win32.h"

#include <windows.h>

#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/program_names.h"
#include "tray/tray_resources.h"

namespace {

constexpr const char* TrayHostClass = "#32770";
constexpr const char* TrayHostCaption = "Select Icon";
constexpr UINT CommandTimeoutMs = 5000;
constexpr DWORD ExitTimeoutMs = 10000;
// A tray program that has just taken its mutex puts up its host window a moment later.
constexpr DWORD WindowTimeoutMs = 5000;
constexpr DWORD WindowPollMs = 100;

bool IsTrayProgramRunning() {
    return UniqueHandle(OpenMutexA(SYNCHRONIZE, FALSE, TrayMutexName)) ? true : false;
}

// The tray program's hidden host window ("Select Icon"), trusted only while the tray's mutex is
// held.
HWND TrayHostWindow() {
    for (DWORD waited = 0; IsTrayProgramRunning(); waited += WindowPollMs) {
        if (HWND host = FindWindowA(TrayHostClass, TrayHostCaption)) {
            return host;
        }
        if (waited >= WindowTimeoutMs) {
            break;
        }
        Sleep(WindowPollMs);
    }
    return nullptr;
}

}  // namespace

bool EndTrayProgram() {
    const HWND host = TrayHostWindow();
    if (host == nullptr) {
        return false;
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
    return true;
}
