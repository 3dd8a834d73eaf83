#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "common/settings/decimal_text.h"

namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kSmallest = std::numeric_limits<std::int32_t>::min();

TEST(LeadingDecimalNumber, TakesTheNumberAtTheStart) {
    EXPECT_EQ(LeadingDecimalNumber("0"), 0);
    EXPECT_EQ(LeadingDecimalNumber("42"), 42);
    EXPECT_EQ(LeadingDecimalNumber("007"), 7);
    EXPECT_EQ(LeadingDecimalNumber("  42"), 42);
    EXPECT_EQ(LeadingDecimalNumber("\t 42 "), 42);
    EXPECT_EQ(LeadingDecimalNumber("+7"), 7);
    EXPECT_EQ(LeadingDecimalNumber("-7"), -7);
    EXPECT_EQ(LeadingDecimalNumber("12 printers"), 12);
    EXPECT_EQ(LeadingDecimalNumber("3-4"), 3);
}

TEST(LeadingDecimalNumber, TextWithoutANumberIsZero) {
    for (const char* text : {"", "   ", "abc", "-", "+", "--3", "+-3", "x12", ".", "-.x"}) {
        EXPECT_EQ(LeadingDecimalNumber(text), 0) << '"' << text << '"';
    }
}

TEST(LeadingDecimalNumber, FractionsRoundToTheNearestWholeNumber) {
    EXPECT_EQ(LeadingDecimalNumber("2.4"), 2);
    EXPECT_EQ(LeadingDecimalNumber("2.49"), 2);
    EXPECT_EQ(LeadingDecimalNumber("2.5"), 3);
    EXPECT_EQ(LeadingDecimalNumber("2.9999"), 3);
    EXPECT_EQ(LeadingDecimalNumber("-2.5"), -3);
    EXPECT_EQ(LeadingDecimalNumber("-2.4"), -2);
    EXPECT_EQ(LeadingDecimalNumber(".7"), 1);
    EXPECT_EQ(LeadingDecimalNumber("4."), 4);
    EXPECT_EQ(LeadingDecimalNumber("4.x"), 4);
}

TEST(LeadingDecimalNumber, HugeNumbersStopAtTheEndsOfThe32BitRange) {
    EXPECT_EQ(LeadingDecimalNumber("2147483647"), kLargest);
    EXPECT_EQ(LeadingDecimalNumber("2147483648"), kLargest);
    EXPECT_EQ(LeadingDecimalNumber("2147483647.5"), kLargest);
    EXPECT_EQ(LeadingDecimalNumber("4294967297"), kLargest);
    EXPECT_EQ(LeadingDecimalNumber("99999999999999999999999999999999999999"), kLargest);
    EXPECT_EQ(LeadingDecimalNumber("-2147483648"), kSmallest);
    EXPECT_EQ(LeadingDecimalNumber("-2147483649"), kSmallest);
    EXPECT_EQ(LeadingDecimalNumber("-2147483648.5"), kSmallest);
    EXPECT_EQ(LeadingDecimalNumber("-99999999999999999999999999999999999999"), kSmallest);
    EXPECT_EQ(LeadingDecimalNumber(std::string(5000, '9')), kLargest);
}

TEST(DecimalText, HasNoPlusSignSpacesOrLeadingZeros) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(7), "7");
    EXPECT_EQ(DecimalText(10), "10");
    EXPECT_EQ(DecimalText(-12), "-12");
    EXPECT_EQ(DecimalText(kLargest), "2147483647");
    EXPECT_EQ(DecimalText(kSmallest), "-2147483648");
    EXPECT_EQ(DecimalText(std::int64_t{kSmallest} - 1), "-2147483649");
}

TEST(DecimalText, ReadsBackAsTheSameNumber) {
    for (const std::int32_t number : {0, 1, -1, 9, 10, 99, 100, 4096, -4096, kLargest, kSmallest}) {
        EXPECT_EQ(LeadingDecimalNumber(DecimalText(number)), number);
    }
}

}  // namespace
