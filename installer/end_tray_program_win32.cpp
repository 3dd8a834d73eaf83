#include "installer/end_tray_program_win32.h"

#include "common/services/program_names.h"
#include "installer/session_processes_win32.h"
#include "tray/tray_resources.h"

namespace {

constexpr const char* TrayHostClass = "#32770";
constexpr const char* TrayHostCaption = "Select Icon";
constexpr UINT CommandTimeoutMs = 5000;
constexpr DWORD ExitTimeoutMs = 10000;
// A tray program that has just started puts up its host window a moment later.
constexpr DWORD WindowTimeoutMs = 5000;
constexpr DWORD WindowPollMs = 100;

struct HostSearch {
    DWORD processId;
    HWND host;
};

BOOL CALLBACK FindHostWindow(HWND window, LPARAM parameter) {
    HostSearch& search = *reinterpret_cast<HostSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    char caption[16] = {};
    if (processId == search.processId && GetClassNameA(window, className, sizeof className) &&
        lstrcmpA(className, TrayHostClass) == 0 &&
        GetWindowTextA(window, caption, sizeof caption) &&
        lstrcmpA(caption, TrayHostCaption) == 0) {
        search.host = window;
        return FALSE;
    }
    return TRUE;
}

// The hidden host window ("Select Icon") of this tray program's process: only a window of the
// process that runs LMVTray.exe is taken, whatever other programs show under that caption.
HWND HostWindowOf(const SessionProcess& tray) {
    for (DWORD waited = 0;; waited += WindowPollMs) {
        HostSearch search{tray.id, nullptr};
        EnumWindows(FindHostWindow, reinterpret_cast<LPARAM>(&search));
        if (search.host != nullptr || waited >= WindowTimeoutMs ||
            WaitForSingleObject(tray.process.get(), WindowPollMs) == WAIT_OBJECT_0) {
            return search.host;
        }
    }
}

}  // namespace

bool EndTrayProgram() {
    const std::vector<SessionProcess> trays = SessionProcesses(TrayFileName);
    for (const SessionProcess& tray : trays) {
        if (const HWND host = HostWindowOf(tray)) {
            DWORD_PTR answer = 0;
            SendMessageTimeoutA(host, WM_COMMAND, IDM_TRAY_EXIT, 0, SMTO_ABORTIFHUNG,
                                CommandTimeoutMs, &answer);
        }
        WaitForSingleObject(tray.process.get(), ExitTimeoutMs);
    }
    return !trays.empty();
}
