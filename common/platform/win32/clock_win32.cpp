#include "common/platform/win32/clock_win32.h"

#include <windows.h>

namespace {

// A FILETIME counts 100-nanosecond intervals from 1601-01-01; the system clock counts from 1970.
constexpr std::int64_t FileTimeTicksPerSecond = 10'000'000;
constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;

}  // namespace

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::chrono::sys_seconds Win32Clock::CurrentUtcTime() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const std::int64_t ticks =
        (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return std::chrono::sys_seconds(
        std::chrono::seconds(ticks / FileTimeTicksPerSecond - SecondsFrom1601To1970));
}

std::chrono::local_seconds Win32Clock::CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    using namespace std::chrono;
    return local_days(year(now.wYear) / now.wMonth / now.wDay) + hours(now.wHour) +
           minutes(now.wMinute) + seconds(now.wSecond);
}

std::uint64_t Win32Clock::TickCount() {
    return GetTickCount64();
}
