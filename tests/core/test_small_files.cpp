// tgedit.cfg and tgedit.prj: values separated by commas or line ends, and
// counts written with a blank on each side.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "project/small_files.h"

namespace tg {
namespace {

using Values = std::vector<std::string>;

TEST(SmallFiles, ValuesAreSeparatedByCommasAndLineEnds) {
    const std::pair<std::string, Values> cases[] = {
        {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
        {"/games/Tollgrove/\r\n 1 \r\n", {"/games/Tollgrove/", "1 "}},
        {"x\r\n\r\ny\r\n", {"x", "", "y"}},  // an empty line is an empty value
        {"", {}},
        {"   DO NOT DELETE THIS FILE.  \r\n   7", {"DO NOT DELETE THIS FILE.  ", "7"}},
        {"a, b ,c", {"a", "b ", "c"}},
        {"\"/games/Toll,grove/\"\r\n 3 \r\n", {"/games/Toll,grove/", "3 "}},
        {"\"say \"\"hi\"\"\",2", {"say \"hi\"", "2"}},
        {"\"two\r\nlines\",2", {"two\r\nlines", "2"}},
        {"\"a\" junk,b", {"a", "b"}},  // what follows the closing quote is dropped
        {"\"open, 1", {"open, 1"}},    // an unclosed quote runs to the end
        {"  \"\"\r\n5", {"", "5"}},
    };
    for (const auto& [bytes, values] : cases) {
        EXPECT_EQ(readValues(bytes), values) << bytes;
    }
}

TEST(SmallFiles, CountsAreReadRoundedAndKeptInTheirRange) {
    constexpr auto kTop = std::numeric_limits<std::int64_t>::max();
    const std::pair<std::string, std::int64_t> counts[] = {
        {" 7 ", 7},
        {"3 4", 3},
        {"12abc", 0},
        {"", 0},
        {"x", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"-4", -4},
        {"1e3", 1000},
        {"99999999999999999999999", kTop},
        {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()},
        {"1e999", kTop},
    };
    for (const auto& [text, count] : counts) {
        EXPECT_EQ(countValue({"name", text}, 1), count) << text;
    }
    EXPECT_EQ(countValue({"name"}, 1), 0);
    const std::pair<std::int64_t, std::int64_t> raised[] = {
        {1, 2}, {10, 10}, {500, 10}, {-500, -9}, {-1, 0}};
    for (const auto& [count, next] : raised) {
        EXPECT_EQ(raisedCount(count, -10, 10), next) << count;
    }
    EXPECT_EQ(paddedNumber(2147483647), " 2147483647 ");
    EXPECT_EQ(paddedNumber(-12), "-12 ");
    EXPECT_EQ(parseMarker("x\r\n 40000 \r\n").openCount, 32767);
    EXPECT_EQ(parseConfig("/g/\r\n-99999999999 \r\n").startCount,
              std::numeric_limits<std::int32_t>::min());
}

TEST(SmallFiles, WrittenAsTheyReadBack) {
    EXPECT_EQ(configText({"/games/Tollgrove/", 1}), "/games/Tollgrove/\r\n 1 \r\n");
    EXPECT_EQ(configText({"/games/Toll,grove/", 2}), "\"/games/Toll,grove/\"\r\n 2 \r\n");
    EXPECT_EQ(configText({"/games/\"Q\"/", 2}), "\"/games/\"\"Q\"\"/\"\r\n 2 \r\n");
    for (const std::string path : {"/games/Tollgrove/", "/a,b/c,d/", "/say \"hi\"/", "/\"/",
                                   " /lead/blank/", "/line\nend/", "/tail blank /", ""}) {
        const ConfigFile back = parseConfig(configText({path, 41}));
        EXPECT_EQ(back.gamePath, path);
        EXPECT_EQ(back.startCount, 41) << path;
    }
    EXPECT_EQ(markerText("1.0.0.1", 3), "TG Edit: 1.0.0.1\r\n 3 \r\n");
    const MarkerFile opened = parseMarker(markerText("1.0.0.1", -7));
    EXPECT_EQ(opened.text, "TG Edit: 1.0.0.1");
    EXPECT_EQ(opened.openCount, -7);
}

}  // namespace
}  // namespace tg
