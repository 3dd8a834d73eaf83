#include "common/platform/win32/clock_win32.h"

#include <windows.h>

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::uint64_t Win32Clock::TickCount() {
    return GetTickCount64();
}

std::uint64_t Win32Clock::LocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME counted{};
    SystemTimeToFileTime(&now, &counted);
    return (static_cast<std::uint64_t>(counted.dwHighDateTime) << 32) | counted.dwLowDateTime;
}
