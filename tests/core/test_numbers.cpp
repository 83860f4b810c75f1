#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/setting_fields.h"
#include "scripts/numbers.h"

namespace tg {
namespace {

TEST(NumberReading, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(readNumber("12abc"), 12.0);
    EXPECT_EQ(readNumber("abc"), 0.0);
    EXPECT_EQ(readNumber(""), 0.0);
    EXPECT_EQ(readNumber(" 1 2 . 5 "), 12.5);  // blanks and tabs anywhere are ignored
    EXPECT_EQ(readNumber("\t-3"), -3.0);
    EXPECT_EQ(readNumber("+4.25x"), 4.25);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber("5."), 5.0);
    EXPECT_EQ(readNumber("1e3"), 1000.0);
    EXPECT_EQ(readNumber("2E-2kg"), 0.02);
    EXPECT_EQ(readNumber("7e"), 7.0);  // an exponent needs digits
    EXPECT_EQ(readNumber("7e+"), 7.0);
    EXPECT_EQ(readNumber("1,5"), 1.0);  // a comma is never a decimal separator
    EXPECT_EQ(readNumber("-"), 0.0);
    EXPECT_EQ(readNumber("."), 0.0);
    EXPECT_EQ(readNumber("inf"), 0.0);
    EXPECT_EQ(readNumber("nan"), 0.0);
}

TEST(NumberReading, HugeAndTinyMagnitudes) {
    EXPECT_TRUE(std::isinf(readNumber("1e400")));
    EXPECT_LT(readNumber("-1e400"), 0.0);
    EXPECT_TRUE(scanNumber("1e400").overflow);
    EXPECT_EQ(readNumber("1e-400"), 0.0);
    EXPECT_FALSE(scanNumber("1e-400").overflow);
    EXPECT_EQ(scanNumber("12abc").length, 2u);
    EXPECT_EQ(scanNumber("x1").length, 0u);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5001), 3.0);
    EXPECT_EQ(roundToInt16(32767.4), std::optional<std::int16_t>(32767));
    EXPECT_EQ(roundToInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(roundToInt16(-32768.5), std::optional<std::int16_t>(-32768));
    EXPECT_EQ(roundToInt16(40000), std::nullopt);
    EXPECT_EQ(roundToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(roundToInt32(2147483647.0), std::optional<std::int32_t>(2147483647));
    EXPECT_EQ(roundToInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(roundToInt32(-2147483648.0), std::optional<std::int32_t>(-2147483647 - 1));
}

TEST(NumberForms, FixedFormsRoundTheDecimalValueAsWritten) {
    EXPECT_EQ(formatFixed(0.5, 2), "0.50");
    EXPECT_EQ(formatFixed(3, 2), "3.00");
    EXPECT_EQ(formatFixed(2, 1), "2.0");
    EXPECT_EQ(formatFixed(2.25, 1), "2.3");
    EXPECT_EQ(formatFixed(1.005, 2), "1.01");
    EXPECT_EQ(formatFixed(1.25, 1), "1.3");
    EXPECT_EQ(formatFixed(-2.25, 1), "-2.3");
    EXPECT_EQ(formatFixed(9.995, 2), "10.00");
    EXPECT_EQ(formatFixed(99.96, 1), "100.0");
    EXPECT_EQ(formatFixed(0.004, 2), "0.00");
    EXPECT_EQ(formatFixed(-0.004, 2), "0.00");
    EXPECT_EQ(formatFixed(0.0, 1), "0.0");
    EXPECT_EQ(formatFixed(1e-7, 2), "0.00");
    EXPECT_EQ(formatFixed(0.05, 1), "0.1");
    EXPECT_EQ(formatFixed(1e20, 2), "100000000000000000000.00");
    EXPECT_EQ(formatFixed(123456.789, 2), "123456.79");
}

TEST(NumberForms, ShortestAndIntegerForms) {
    EXPECT_EQ(formatShortest(0.5), "0.5");
    EXPECT_EQ(formatShortest(3), "3");
    EXPECT_EQ(formatShortest(-0.25), "-0.25");
    EXPECT_EQ(formatShortest(-0.0), "0");
    EXPECT_EQ(formatShortest(0.1 + 0.2), "0.3");  // 15 significant digits
    EXPECT_EQ(formatShortest(1234.5), "1234.5");
    EXPECT_EQ(formatShortest(1e20), "1e+20");
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(-32768), "-32768");
    EXPECT_EQ(formatInteger(150), "150");
}

// A box shows its own pattern unless a Set of that text would change what
// the scripts get; then it shows the written form.
TEST(NumberForms, ShownFormsKeepWhatTheWriterWrites) {
    EXPECT_EQ(formatShown(5.27, 1, WrittenForm::TwoDecimals), "5.27");
    EXPECT_EQ(formatShown(5.295, 1, WrittenForm::TwoDecimals), "5.3");  // written 5.30
    EXPECT_EQ(formatShown(2, 1, WrittenForm::TwoDecimals), "2.0");
    EXPECT_EQ(formatShown(1.5, 2, WrittenForm::Shortest), "1.50");
    EXPECT_EQ(formatShown(1e-20, 2, WrittenForm::Shortest), "1e-20");
    EXPECT_EQ(formatShown(1.25, 1, WrittenForm::OneDecimal), "1.3");
}

}  // namespace
}  // namespace tg
