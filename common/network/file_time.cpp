#include "common/network/file_time.h"

namespace {

constexpr std::uint64_t TicksPerMillisecond = 10'000;
constexpr std::uint64_t MillisecondsPerDay = 86'400'000;
constexpr std::int64_t DaysFrom1601To1970 = 134'774;

// Year, month and day of a count of days since 1970-01-01 in the proleptic Gregorian calendar
// (H. Hinnant's civil_from_days).
void CivilFromDays(std::int64_t days, CalendarTime& fields) {
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    fields.day = static_cast<std::uint16_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    fields.month = static_cast<std::uint16_t>(month);
    fields.year = static_cast<std::uint16_t>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

bool PortableFileTimeToSystemTime(FileTime time, CalendarTime& fields) {
    if (time > static_cast<FileTime>(INT64_MAX)) {
        return false;
    }
    const std::uint64_t totalMilliseconds = time / TicksPerMillisecond;
    const std::uint64_t days = totalMilliseconds / MillisecondsPerDay;
    std::uint64_t msOfDay = totalMilliseconds % MillisecondsPerDay;

    CalendarTime result;
    CivilFromDays(static_cast<std::int64_t>(days) - DaysFrom1601To1970, result);
    // 1601-01-01 was a Monday.
    result.dayOfWeek = static_cast<std::uint16_t>((days + 1) % 7);
    result.milliseconds = static_cast<std::uint16_t>(msOfDay % 1000);
    msOfDay /= 1000;
    result.second = static_cast<std::uint16_t>(msOfDay % 60);
    msOfDay /= 60;
    result.minute = static_cast<std::uint16_t>(msOfDay % 60);
    result.hour = static_cast<std::uint16_t>(msOfDay / 60);
    fields = result;
    return true;
}
