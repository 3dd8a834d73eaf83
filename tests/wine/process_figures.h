#pragma once

#include <windows.h>

// What a leak would show in a process: its open handles and its private (committed) bytes.
struct ProcessFigures {
    unsigned long handles = 0;
    SIZE_T privateBytes = 0;
};

// The figures of a process opened with at least PROCESS_QUERY_INFORMATION | PROCESS_VM_READ.
ProcessFigures MeasureProcess(HANDLE process);
