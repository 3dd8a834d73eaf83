// Test helper: starts the program named by its one argument the way the programs start each other,
// and exits with the process id that the start gave (0 when it failed).
#include "common/platform/win32/processes_win32.h"
#include "common/services/process_helpers.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        return 0;
    }
    Win32Processes processes;
    return static_cast<int>(StartProgram(processes, argv[1]));
}
