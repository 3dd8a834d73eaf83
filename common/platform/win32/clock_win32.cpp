#include "common/platform/win32/clock_win32.h"

#include <windows.h>

void Win32Clock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}
