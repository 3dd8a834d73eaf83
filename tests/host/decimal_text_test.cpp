#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "common/settings/decimal_text.h"

namespace {

constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Smallest = std::numeric_limits<std::int32_t>::min();

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
    EXPECT_EQ(LeadingDecimalNumber("2147483647"), Largest);
    EXPECT_EQ(LeadingDecimalNumber("2147483648"), Largest);
    EXPECT_EQ(LeadingDecimalNumber("2147483647.5"), Largest);
    EXPECT_EQ(LeadingDecimalNumber("4294967297"), Largest);
    EXPECT_EQ(LeadingDecimalNumber("99999999999999999999999999999999999999"), Largest);
    EXPECT_EQ(LeadingDecimalNumber("-2147483648"), Smallest);
    EXPECT_EQ(LeadingDecimalNumber("-2147483649"), Smallest);
    EXPECT_EQ(LeadingDecimalNumber("-2147483648.5"), Smallest);
    EXPECT_EQ(LeadingDecimalNumber("-99999999999999999999999999999999999999"), Smallest);
    EXPECT_EQ(LeadingDecimalNumber(std::string(5000, '9')), Largest);
}

TEST(DecimalText, HasNoPlusSignSpacesOrLeadingZeros) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(7), "7");
    EXPECT_EQ(DecimalText(10), "10");
    EXPECT_EQ(DecimalText(-12), "-12");
    EXPECT_EQ(DecimalText(Largest), "2147483647");
    EXPECT_EQ(DecimalText(Smallest), "-2147483648");
    EXPECT_EQ(DecimalText(std::int64_t{Smallest} - 1), "-2147483649");
}

TEST(DecimalText, ReadsBackAsTheSameNumber) {
    for (const std::int32_t number : {0, 1, -1, 9, 10, 99, 100, 4096, -4096, Largest, Smallest}) {
        EXPECT_EQ(LeadingDecimalNumber(DecimalText(number)), number);
    }
}

}  // namespace
