// A small command-line probe that tests and the demo run under Wine to look at the spooler and
// at the programs' single-instance mutexes from outside.
//
//   probe default-printer        prints the default printer's name (GetDefaultPrinterA)
//   probe keep-spooler           loads the spooler, then sleeps until it is ended; while it runs,
//                                Wine does not reset the default printer when a program starts
//   probe mutex NAME             prints "held" or "free" for a named mutex
//   probe processes FILE         prints the full path of each running process of that file name
//   probe hold-event NAME        keeps the named event open until it is ended, as a program that
//                                waits on it does
//   probe tray-lookalike         shows a dialog captioned as the tray program's host window until
//                                it is cancelled
#include <windows.h>
#include <tlhelp32.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int PrintDefaultPrinter() {
    char name[512];
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) {
        std::puts("(none)");
        return 1;
    }
    std::puts(name);
    return 0;
}

int KeepSpooler() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::puts("spooler loaded");
    std::fflush(stdout);
    for (;;) {
        Sleep(60'000);
    }
}

int PrintMutexState(const char* name) {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name);
    std::puts(mutex != nullptr ? "held" : "free");
    if (mutex != nullptr) {
        CloseHandle(mutex);
    }
    return 0;
}

int PrintProcesses(const char* fileName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, fileName) == 0) {
            const HANDLE process =
                OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
            char path[MAX_PATH] = "?";
            DWORD size = sizeof path;
            QueryFullProcessImageNameA(process, 0, path, &size);
            std::puts(path);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return 0;
}

int HoldEvent(const char* name) {
    const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, name);
    std::puts(event != nullptr ? "holding" : "no event");
    std::fflush(stdout);
    for (;;) {
        Sleep(60'000);
    }
}

INT_PTR CALLBACK LookalikeProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog, "Select Icon");
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

int ShowTrayLookalike() {
    // A template without controls: menu, class and caption words all zero.
    struct alignas(4) {
        DLGTEMPLATE dialog;
        WORD none[3];
    } source{{WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 0, 100, 40}, {}};
    return static_cast<int>(
        DialogBoxIndirectParamA(nullptr, &source.dialog, nullptr, LookalikeProcedure, 0));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "default-printer") {
        return PrintDefaultPrinter();
    }
    if (command == "keep-spooler") {
        return KeepSpooler();
    }
    if (command == "mutex" && argc > 2) {
        return PrintMutexState(argv[2]);
    }
    if (command == "processes" && argc > 2) {
        return PrintProcesses(argv[2]);
    }
    if (command == "hold-event" && argc > 2) {
        return HoldEvent(argv[2]);
    }
    if (command == "tray-lookalike") {
        return ShowTrayLookalike();
    }
    std::fputs(
        "usage: probe default-printer | keep-spooler | mutex NAME | processes FILE | "
        "hold-event NAME | tray-lookalike\n",
        stderr);
    return 2;
}
