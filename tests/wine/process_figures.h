#pragma once

#include <windows.h>

// What a leak would show in a process: its open handles and its private (committed) bytes.
struct ProcessFigures {
    unsigned long handles = 0;
    SIZE_T privateBytes = 0;
};

// The figures of a process opened with at least PROCESS_QUERY_INFORMATION | PROCESS_VM_READ.
ProcessFigures MeasureProcess(HANDLE process);

// The figures of a process that is busy in short bursts (a walk of the networks every few
// milliseconds): the lowest of several samples, so that what one burst holds for a moment does
// not count, while anything a burst leaves behind does.
ProcessFigures SettledFigures(HANDLE process);
