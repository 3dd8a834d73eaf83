#pragma once

#include <cstdint>

#include "common/platform/network_values.h"

// The calendar fields of a point in time, laid out as Windows' SYSTEMTIME.
struct CalendarTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;  // 0 is Sunday
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;

    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

// Splits a FILETIME into calendar fields the way FileTimeToSystemTime does, without Windows:
// UTC, no local-time conversion, and refusal (false, fields untouched) of the values Windows
// refuses, those with the top bit set.
bool PortableFileTimeToSystemTime(FileTime time, CalendarTime& fields);

// FileTimeToSystemTime itself on Windows, the portable conversion elsewhere.
bool FileTimeToCalendarTime(FileTime time, CalendarTime& fields);
