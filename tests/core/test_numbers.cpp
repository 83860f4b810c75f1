#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/setting_fields.h"
#include "scripts/numbers.h"

namespace tg {
namespace {

TEST(NumberReading, TheLongestLeadingNumberBlanksIgnored) {
    const std::pair<std::string_view, double> cases[] = {
        {"12abc", 12}, {"abc", 0},       {"", 0},     {" 1 2 . 5 ", 12.5},
        {"\t-3", -3},  {"+4.25x", 4.25}, {".5", 0.5}, {"5.", 5},
        {"1e3", 1000}, {"2E-2kg", 0.02}, {"7e", 7},   {"7e+", 7},
        {"1,5", 1},    {"-", 0},         {".", 0},    {"inf", 0},
        {"nan", 0},    {"1e-400", 0},    {"0x10", 0},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(readNumber(text), value) << text;
    }
    EXPECT_EQ(readNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(scanNumber("1e400").overflow && !scanNumber("1e-400").overflow);
    EXPECT_EQ(scanNumber("12abc").length, 2u);
}

TEST(Rounding, HalvesGoToTheEvenNeighbourInsideTheFieldsRange) {
    const std::pair<double, double> halves[] = {{2.5, 2},   {3.5, 4},    {-2.5, -2},
                                                {-3.5, -4}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& [value, rounded] : halves) {
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    }
    EXPECT_EQ(roundToInt16(-32768.5), std::optional<std::int16_t>(-32768));
    EXPECT_EQ(roundToInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(roundToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(roundToInt32(2147483648.0), std::nullopt);
}

TEST(NumberForms, FixedShortestAndInteger) {
    struct Case {
        double value;
        int decimals;  // -1: the shortest form
        std::string_view text;
    };
    // clang-format off
    const Case cases[] = {
        {0.5, 2, "0.50"},    {3, 2, "3.00"},       {2, 1, "2.0"},        {2.25, 1, "2.3"},
        {1.005, 2, "1.01"},  {1.25, 1, "1.3"},     {-2.25, 1, "-2.3"},   {9.995, 2, "10.00"},
        {99.96, 1, "100.0"}, {0.004, 2, "0.00"},   {-0.004, 2, "0.00"},  {0.0, 1, "0.0"},
        {1e-7, 2, "0.00"},   {0.05, 1, "0.1"},     {123456.789, 2, "123456.79"},
        {1e20, 2, "100000000000000000000.00"},     {0.5, -1, "0.5"},     {3, -1, "3"},
        {-0.25, -1, "-0.25"}, {-0.0, -1, "0"},     {0.1 + 0.2, -1, "0.3"}, {1e20, -1, "1e+20"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(c.decimals < 0 ? formatShortest(c.value) : formatFixed(c.value, c.decimals),
                  c.text)
            << c.value;
    }
    EXPECT_EQ(formatInteger(-32768), "-32768");
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
