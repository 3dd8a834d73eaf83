#include "common/platform/win32/clock_win32.h"

#include <windows.h>

namespace {

// The calendar fields of a SYSTEMTIME as seconds since 1970-01-01 00:00 of the same clock.
std::chrono::seconds SecondsSince1970(const SYSTEMTIME& time) {
    using namespace std::chrono;
    const sys_days day = year(time.wYear) / time.wMonth / time.wDay;
    return day.time_since_epoch() + hours(time.wHour) + minutes(time.wMinute) +
           seconds(time.wSecond);
}

}  // namespace

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::chrono::sys_seconds Win32Clock::CurrentUtcTime() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return std::chrono::sys_seconds(SecondsSince1970(now));
}

std::chrono::local_seconds Win32Clock::CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::chrono::local_seconds(SecondsSince1970(now));
}

std::uint64_t Win32Clock::TickCount() {
    return GetTickCount64();
}
