#include "wine/process_figures.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

namespace {

// One entry of SystemExtendedHandleInformation (64).
struct SystemHandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};

// The process's handles as the system's handle table lists them; 0 when the table is not there.
unsigned long CountHandlesInSystemTable(DWORD processId) {
    using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    constexpr ULONG SystemExtendedHandleInformation = 64;
    constexpr LONG InfoLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<ULONG_PTR> buffer(1 << 16);
    LONG status = 0;
    while ((status = query(SystemExtendedHandleInformation, buffer.data(),
                           static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR)), nullptr)) ==
           InfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) {
        return 0;
    }
    const ULONG_PTR count = buffer[0];
    const auto* entries = reinterpret_cast<const SystemHandleEntry*>(&buffer[2]);
    unsigned long own = 0;
    for (ULONG_PTR i = 0; i < count; ++i) {
        own += entries[i].processId == processId ? 1 : 0;
    }
    return own;
}

}  // namespace

// Wine 8 answers GetProcessHandleCount with 0 and leaves PrivateUsage 0; then the handles are
// counted in the system's handle table and the commit charge is read from PagefileUsage, which
// on Windows is the same figure as PrivateUsage.
ProcessFigures MeasureProcess(HANDLE process) {
    ProcessFigures figures;
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    figures.handles = handles != 0 ? handles : CountHandlesInSystemTable(GetProcessId(process));
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    figures.privateBytes =
        counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
    return figures;
}

ProcessFigures SettledFigures(HANDLE process) {
    ProcessFigures lowest = MeasureProcess(process);
    for (int sample = 1; sample < 10; ++sample) {
        Sleep(30);
        const ProcessFigures figures = MeasureProcess(process);
        lowest.handles = std::min(lowest.handles, figures.handles);
        lowest.privateBytes = std::min(lowest.privateBytes, figures.privateBytes);
    }
    return lowest;
}
