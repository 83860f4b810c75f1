#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "project/small_files.h"

namespace tg {
namespace {

using Values = std::vector<std::string>;

TEST(ReadValues, CommasAndEveryKindOfLineEndSeparateValues) {
    EXPECT_EQ(readValues("a,b\r\nc\nd\re"), (Values{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(readValues("/games/Tollgrove/\r\n 1 \r\n"), (Values{"/games/Tollgrove/", "1 "}));
    // One line end after the last value adds nothing; an empty line is an
    // empty value.
    EXPECT_EQ(readValues("x\r\n\r\ny\r\n"), (Values{"x", "", "y"}));
    EXPECT_EQ(readValues(""), Values{});
}

TEST(ReadValues, LeadingBlanksAreSkippedAndTheRestKept) {
    EXPECT_EQ(readValues("   DO NOT DELETE THIS FILE.  \r\n   7"),
              (Values{"DO NOT DELETE THIS FILE.  ", "7"}));
    EXPECT_EQ(readValues("a, b ,c"), (Values{"a", "b ", "c"}));
}

TEST(ReadValues, QuotedValueHoldsCommasLineEndsAndDoubledQuotes) {
    EXPECT_EQ(readValues("\"/games/Toll,grove/\"\r\n 3 \r\n"),
              (Values{"/games/Toll,grove/", "3 "}));
    EXPECT_EQ(readValues("\"say \"\"hi\"\"\",2"), (Values{"say \"hi\"", "2"}));
    EXPECT_EQ(readValues("\"two\r\nlines\",2"), (Values{"two\r\nlines", "2"}));
    // What follows the closing quote up to the separator is dropped.
    EXPECT_EQ(readValues("\"a\" junk,b"), (Values{"a", "b"}));
    // An unclosed quote runs to the end rather than failing.
    EXPECT_EQ(readValues("\"open, 1"), (Values{"open, 1"}));
    EXPECT_EQ(readValues("  \"\"\r\n5"), (Values{"", "5"}));
}

TEST(PaddedNumber, OneBlankEachSideAndTheMinusInTheSignPosition) {
    EXPECT_EQ(paddedNumber(1), " 1 ");
    EXPECT_EQ(paddedNumber(0), " 0 ");
    EXPECT_EQ(paddedNumber(2147483647), " 2147483647 ");
    EXPECT_EQ(paddedNumber(-12), "-12 ");
}

TEST(CountValue, NumbersEndAtABlankAndDamageCountsAsZero) {
    const Values values = {"text", " 7 ", "3 4", "12abc", "", "x", "2.5", "3.5", "-4", "1e3"};
    EXPECT_EQ(countValue(values, 1), 7);
    EXPECT_EQ(countValue(values, 2), 3);
    EXPECT_EQ(countValue(values, 3), 0);
    EXPECT_EQ(countValue(values, 4), 0);
    EXPECT_EQ(countValue(values, 5), 0);
    EXPECT_EQ(countValue(values, 0), 0);
    EXPECT_EQ(countValue(values, 99), 0);  // missing
    EXPECT_EQ(countValue(values, 6), 2);   // halves go to the even neighbour
    EXPECT_EQ(countValue(values, 7), 4);
    EXPECT_EQ(countValue(values, 8), -4);
    EXPECT_EQ(countValue(values, 9), 1000);
}

TEST(CountValue, HugeValuesStopAtTheEndsOfTheRange) {
    const Values values = {"99999999999999999999999", "-99999999999999999999999", "1e999"};
    EXPECT_EQ(countValue(values, 0), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(countValue(values, 1), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(countValue(values, 2), std::numeric_limits<std::int64_t>::max());
}

TEST(RaisedCount, StaysAtTheTopAndNeverWraps) {
    EXPECT_EQ(raisedCount(1, -10, 10), 2);
    EXPECT_EQ(raisedCount(10, -10, 10), 10);
    EXPECT_EQ(raisedCount(500, -10, 10), 10);
    EXPECT_EQ(raisedCount(-500, -10, 10), -9);
    EXPECT_EQ(raisedCount(-1, -10, 10), 0);
}

TEST(ConfigFile, WrittenAsPathLineAndPaddedCount) {
    EXPECT_EQ(configText({"/games/Tollgrove/", 1}), "/games/Tollgrove/\r\n 1 \r\n");
    EXPECT_EQ(configText({"/games/Toll,grove/", 2}), "\"/games/Toll,grove/\"\r\n 2 \r\n");
    EXPECT_EQ(configText({"/games/\"Q\"/", 2}), "\"/games/\"\"Q\"\"/\"\r\n 2 \r\n");
}

TEST(ConfigFile, EveryPathReadsBackWhole) {
    for (const std::string path :
         {"/games/Tollgrove/", "/a,b/c,d/", "/say \"hi\"/", "/\"/", " /lead/blank/", "/line\nend/",
          "/tail blank /", "C:\\Games\\Tollgrove\\", ""}) {
        const ConfigFile back = parseConfig(configText({path, 41}));
        EXPECT_EQ(back.gamePath, path);
        EXPECT_EQ(back.startCount, 41) << path;
    }
}

TEST(SmallFiles, CountsKeepTheirSignAndRange) {
    EXPECT_EQ(markerText("1.0.0.1", 3), "TG Edit: 1.0.0.1\r\n 3 \r\n");
    const MarkerFile opened = parseMarker(markerText("1.0.0.1", -7));
    EXPECT_EQ(opened.text, "TG Edit: 1.0.0.1");
    EXPECT_EQ(opened.openCount, -7);
    EXPECT_EQ(parseMarker("x\r\n 40000 \r\n").openCount, 32767);
    EXPECT_EQ(parseConfig("/g/\r\n-99999999999 \r\n").startCount,
              std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace tg
