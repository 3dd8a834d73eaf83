// Test helper: one process that asks for a single-instance mutex.
//
//   instance_probe check NAME          exits with 1 when another process holds NAME, else 0
//   instance_probe hold NAME EVENTS    the same, then sets the event EVENTS-ready and stays until
//                                      the event EVENTS-quit is set (or it is killed)
#include <windows.h>

#include <string>

#include "common/platform/win32/processes_win32.h"
#include "common/platform/win32/unique_handles_win32.h"
#include "common/services/process_helpers.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    const std::string mode = argv[1];
    Win32Processes processes;
    const int anotherInstance = CheckSingleInstance(processes, argv[2]) ? 1 : 0;
    if (mode != "hold" || argc < 4) {
        return anotherInstance;
    }
    const std::string events = argv[3];
    const UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, (events + "-ready").c_str()));
    const UniqueHandle quit(OpenEventA(SYNCHRONIZE, FALSE, (events + "-quit").c_str()));
    if (!ready || !quit) {
        return 3;
    }
    SetEvent(ready.get());
    WaitForSingleObject(quit.get(), INFINITE);
    return anotherInstance;
}
