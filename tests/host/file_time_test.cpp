// FileTimeText goes through FileTimeToSystemTime on Windows and through the portable conversion
// on the host; these cases run in both builds, so the two must agree on every one of them.
#include <gtest/gtest.h>

#include "common/network/file_time.h"
#include "common/network/report_text.h"

namespace {

constexpr FileTime TicksPerDay = 864'000'000'000ULL;

TEST(FileTimeText, ZeroIsTheStartOf1601AMonday) {
    EXPECT_EQ(FileTimeText(0), "1601-01-01 00:00:00 (000 milliseconds) Monday");
}

TEST(FileTimeText, UnixEpoch) {
    EXPECT_EQ(FileTimeText(116'444'736'000'000'000ULL),
              "1970-01-01 00:00:00 (000 milliseconds) Thursday");
}

TEST(FileTimeText, FieldsArePaddedAndSubMillisecondTicksDropped) {
    // 2024-02-29 23:59:59.007 UTC plus 9,999 ticks short of the next millisecond.
    const FileTime leapDay = 133'537'247'990'070'000ULL + 9'999;
    EXPECT_EQ(FileTimeText(leapDay), "2024-02-29 23:59:59 (007 milliseconds) Thursday");
}

TEST(FileTimeText, CenturyRulesOfLeapYears) {
    // 1700 is not a leap year, 2000 is: the day after February 28 is March 1 and February 29.
    const FileTime march1st1700 = 36'218 * TicksPerDay;
    EXPECT_EQ(FileTimeText(march1st1700), "1700-03-01 00:00:00 (000 milliseconds) Monday");
    const FileTime february29th2000 = 145'790 * TicksPerDay;
    EXPECT_EQ(FileTimeText(february29th2000), "2000-02-29 00:00:00 (000 milliseconds) Tuesday");
}

TEST(FileTimeText, LargestConvertibleValue) {
    EXPECT_EQ(FileTimeText(0x7FFF'FFFF'FFFF'FFFFULL),
              "30828-09-14 02:48:05 (477 milliseconds) Thursday");
}

TEST(FileTimeText, ValuesWindowsRefusesGiveZeroFields) {
    const std::string refused = "0000-00-00 00:00:00 (000 milliseconds) Sunday";
    EXPECT_EQ(FileTimeText(0x8000'0000'0000'0000ULL), refused);
    EXPECT_EQ(FileTimeText(0xFFFF'FFFF'FFFF'FFFFULL), refused);
}

TEST(FileTimeToCalendarTime, RefusalLeavesFieldsUntouched) {
    CalendarTime fields;
    fields.year = 1234;
    EXPECT_FALSE(FileTimeToCalendarTime(0x8000'0000'0000'0001ULL, fields));
    EXPECT_EQ(fields.year, 1234);
}

TEST(FileTimeToCalendarTime, WeekdaysFollowEachOther) {
    CalendarTime fields;
    for (FileTime day = 0; day < 14; ++day) {
        ASSERT_TRUE(FileTimeToCalendarTime(day * TicksPerDay, fields));
        EXPECT_EQ(fields.dayOfWeek, (day + 1) % 7);
        EXPECT_EQ(fields.day, day + 1);
    }
}

}  // namespace
