// The code tables and matching a script line to its record, by the cases
// in tests/data/code_tables.txt.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fs/file_system.h"
#include "scripts/code_tables.h"
#include "test_support.h"

namespace tg {
namespace {

TEST(CodeTables, AsTheTableSays) {
    SettingsModel codes;
    codes.Blocks[5].code = "AIRPORT";
    codes.Businesses[1].code = "BAKERY";
    codes.Commodities[5].code = "DRINKS";
    for (const std::string& line :
         test::linesOf(test::readBytes(TGEDIT_TEST_DATA_DIR "/code_tables.txt"))) {
        const std::vector<std::string> w = test::wordsOf(line);
        if (w.empty() || w[0][0] == '#') {
            continue;
        }
        SCOPED_TRACE(line);
        if (w[0] == "fields") {
            EXPECT_EQ(splitCodeTableFields(w[1]), std::vector<std::string>(w.begin() + 2, w.end()));
            continue;
        }
        if (w[0] == "match") {
            EXPECT_EQ(Match_CodeLine(codes, w[1], std::stoi(w[2]), w[3], std::stoi(w[4])),
                      w[5] == "yes");
            continue;
        }
        test::TempDir app;
        if (w[3] != "-") {
            test::writeBytes(app / w[1], w[3]);
        }
        SettingsModel model;
        const auto notice =
            readCodeTable(realFileSystem(), app.path(), w[1], std::stoi(w[2]), model);
        if (w[3] == "-") {
            EXPECT_EQ(notice, (Notice{"TG Edit", test::replaceAll(w[4], "$A", app.path())}));
            continue;
        }
        EXPECT_FALSE(notice);
        for (std::size_t i = 0; i + 4 < w.size(); ++i) {
            const std::string& got = w[1] == "biz_usa.txt"    ? model.Businesses[i].displayName
                                     : w[1] == "com_code.txt" ? model.Commodities[i].code
                                     : w[1] == "blk_usa.txt"  ? model.Blocks[i].displayName
                                                              : model.Blocks[i].code;
            EXPECT_EQ(got, w[i + 4]) << "entry " << i;
        }
        EXPECT_TRUE(w[1] == "blk_usa.txt" || model.Blocks[0].displayName.empty());
    }
}

}  // namespace
}  // namespace tg
