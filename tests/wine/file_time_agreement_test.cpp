// The host build converts FILETIMEs without Windows; here both conversions meet the same values.
#include <gtest/gtest.h>

#include <random>

#include "common/network/file_time.h"

namespace {

void ExpectSameConversion(FileTime time) {
    CalendarTime windows;
    CalendarTime portable;
    const bool windowsConverted = FileTimeToCalendarTime(time, windows);
    const bool portableConverted = PortableFileTimeToSystemTime(time, portable);
    ASSERT_EQ(windowsConverted, portableConverted) << "FILETIME " << time;
    if (windowsConverted) {
        ASSERT_EQ(windows, portable) << "FILETIME " << time;
    }
}

TEST(FileTimeAgreement, RandomValuesOverTheWholeRange) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200'000; ++i) {
        ExpectSameConversion(random());
    }
}

TEST(FileTimeAgreement, RandomValuesOfPlausibleDates) {
    std::mt19937_64 random(1601);
    std::uniform_int_distribution<FileTime> plausible(0, 160'000'000'000'000'000ULL);
    for (int i = 0; i < 200'000; ++i) {
        ExpectSameConversion(plausible(random));
    }
}

TEST(FileTimeAgreement, BoundariesOfTheRange) {
    for (FileTime time : {0ULL, 1ULL, 9'999ULL, 10'000ULL, 0x7FFF'FFFF'FFFF'FFFFULL,
                          0x8000'0000'0000'0000ULL, 0xFFFF'FFFF'FFFF'FFFFULL}) {
        ExpectSameConversion(time);
    }
}

}  // namespace
