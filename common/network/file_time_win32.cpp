#include "common/network/file_time.h"

#include <windows.h>

bool FileTimeToCalendarTime(FileTime time, CalendarTime& fields) {
    FILETIME fileTime;
    fileTime.dwLowDateTime = static_cast<DWORD>(time & 0xFFFFFFFFu);
    fileTime.dwHighDateTime = static_cast<DWORD>(time >> 32);
    SYSTEMTIME systemTime;
    if (!FileTimeToSystemTime(&fileTime, &systemTime)) {
        return false;
    }
    fields.year = systemTime.wYear;
    fields.month = systemTime.wMonth;
    fields.dayOfWeek = systemTime.wDayOfWeek;
    fields.day = systemTime.wDay;
    fields.hour = systemTime.wHour;
    fields.minute = systemTime.wMinute;
    fields.second = systemTime.wSecond;
    fields.milliseconds = systemTime.wMilliseconds;
    return true;
}
