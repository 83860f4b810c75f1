// tgedit.cfg and tgedit.prj: values separated by commas or line ends, counts
// written with a blank on each side. The cases are in tests/data/small_files.txt.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/small_files.h"
#include "test_support.h"

namespace tg {
namespace {

TEST(SmallFiles, ReadAndWrittenAsTheTableSays) {
    const std::string table = test::readBytes(TGEDIT_TEST_DATA_DIR "/small_files.txt");
    for (const std::string& line : test::linesOf(table)) {
        const std::vector<std::string> w = test::wordsOf(line);
        if (w.empty() || w[0][0] == '#') {
            continue;
        }
        SCOPED_TRACE(line);
        const auto number = [&w](std::size_t i) { return std::stoll(w[i]); };
        if (w[0] == "values") {
            EXPECT_EQ(readValues(w[1]), std::vector<std::string>(w.begin() + 2, w.end()));
        } else if (w[0] == "count") {
            EXPECT_EQ(countValue({"name", w[1]}, 1), number(2));
        } else if (w[0] == "raised") {
            EXPECT_EQ(raisedCount(number(1), -10, 10), number(2));
        } else if (w[0] == "padded") {
            EXPECT_EQ(paddedNumber(number(1)), w[2]);
        } else if (w[0] == "start") {
            EXPECT_EQ(parseConfig(w[1]).startCount, number(2));
        } else if (w[0] == "opens") {
            EXPECT_EQ(parseMarker(w[1]).openCount, number(2));
        } else if (w[0] == "config") {
            EXPECT_EQ(configText({w[1], static_cast<std::int32_t>(number(2))}), w[3]);
            EXPECT_EQ(parseConfig(w[3]).gamePath, w[1]);
            EXPECT_EQ(parseConfig(w[3]).startCount, number(2));
        } else if (w[0] == "marker") {
            EXPECT_EQ(markerText(w[1], static_cast<std::int16_t>(number(2))), w[3]);
            EXPECT_EQ(parseMarker(w[3]).text, "TG Edit: " + w[1]);
            EXPECT_EQ(parseMarker(w[3]).openCount, number(2));
        } else {
            ADD_FAILURE() << "unknown case";
        }
    }
}

}  // namespace
}  // namespace tg
