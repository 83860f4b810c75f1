#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fs/file_system.h"
#include "scripts/code_tables.h"
#include "test_support.h"

namespace tg {
namespace {

using test::TempDir;
using test::writeBytes;

TEST(CodeTableFields, SeparatorsSpacesQuotesAndTheByteOrderMark) {
    using Fields = std::vector<std::string>;
    // clang-format off
    const std::pair<std::string_view, Fields> cases[] = {
        {"A,B\r\nC\rD\nE", {"A", "B", "C", "D", "E"}},
        {"A,,B\n\nC,", {"A", "", "B", "", "C"}},  // empty fields come out; the reader skips them
        {"", {}},  {"   AIRPORT  ,  ZOO", {"AIRPORT  ", "ZOO"}},  {"\tZOO", {"\tZOO"}},
        {"\"Bus, Taxi\",ZOO", {"Bus, Taxi", "ZOO"}},  {"  \"A\"trailing,B", {"A", "B"}},
        {"\"open, still\r\nNEXT", {"open, still", "NEXT"}},  // an open quote ends at the line end
        {"\"", {""}},  {"\xEF\xBB\xBF" "AIRPORT\r\nX", {"AIRPORT", "X"}},
    };
    // clang-format on
    for (const auto& [bytes, fields] : cases) {
        EXPECT_EQ(splitCodeTableFields(bytes), fields) << bytes;
    }
}

TEST(CodeTable, EntryNGoesToSlotNCommentsCutAndTheLimitKept) {
    struct Case {
        std::string_view file;
        std::string_view bytes;
        int limit;
        std::vector<std::string> entries;  // the first entries of the target field
    };
    // clang-format off
    const Case cases[] = {
        {"blk_code.txt", "// codes\r\nCARROWAY_AVENUE\r\n\r\n   \r\nDUNMERE_AVENUE// second\r\n"
         "  // indented\r\nTELECOMS // kept with its space\r\n", 42,
         {"CARROWAY_AVENUE", "DUNMERE_AVENUE", "TELECOMS ", ""}},
        {"blk_code.txt", "// codes, in order\nAIRPORT // first, then\nZOO\n", 42,
         {"in order", "AIRPORT ", "then", "ZOO"}},  // a comma in a comment splits it
        {"blk_code.txt", "A\nB\nC\n", 2, {"A", "B", ""}},
        {"biz_usa.txt", "Antique Store\r\n\"Bakery, fresh\"\r\n", 45, {"Antique Store", "Bakery, fresh"}},
        {"com_code.txt", "MEAT,FISH", 1000, {"MEAT", "FISH", ""}},
        {"BLK_CODE.TXT", "AIRPORT\r\n", 42, {""}},  // found, but only the exact name has a target
    };
    // clang-format on
    for (const Case& c : cases) {
        TempDir app;
        writeBytes(app / c.file, c.bytes);
        SettingsModel model;
        EXPECT_FALSE(readCodeTable(realFileSystem(), app.path(), c.file, c.limit, model));
        for (std::size_t i = 0; i < c.entries.size(); ++i) {
            const std::string& got = c.file == "biz_usa.txt"    ? model.Businesses[i].displayName
                                     : c.file == "com_code.txt" ? model.Commodities[i].code
                                                                : model.Blocks[i].code;
            EXPECT_EQ(got, c.entries[i]) << c.bytes << " entry " << i;
        }
        EXPECT_EQ(model.Blocks[0].displayName, "");
    }
    // Entries past the array are never looked at, whatever the limit.
    std::string many;
    for (char c = '0'; c <= 'z'; ++c) {
        many += {c, ','};
    }
    TempDir app;
    writeBytes(app / "blk_usa.txt", many);
    SettingsModel model;
    readCodeTable(realFileSystem(), app.path(), "blk_usa.txt", 1000, model);
    EXPECT_EQ(model.Blocks[41].displayName, "Y");
    EXPECT_EQ(readCodeTable(realFileSystem(), app.path(), "com_usa.txt", 32, model),
              (Notice{"TG Edit", "Cannot read the code table " + (app / "com_usa.txt") +
                                     ": No such file or directory"}));
}

TEST(MatchCodeLine, TheSlotsCodeBeforeTheKeyLetterCaseIgnored) {
    SettingsModel model;
    model.Blocks[5].code = "AIRPORT";
    model.Businesses[1].code = "BAKERY";
    model.Commodities[5].code = "DRINKS";
    struct Case {
        std::string_view line;
        int slot;
        std::string_view key;
        int kind;
        bool matches;
    };
    // clang-format off
    const Case cases[] = {
        {"businessinfo[bakery].DENSITY=1;", 1, "density", 1, true},
        {"density BAKERY", 1, "density", 1, false},  {"BusinessInfo[BAKERY].x=1;", 1, "density", 1, false},
        {"BusinessInfo[BAKERY].density=1;", 0, "density", 1, false},  // slot 0 has no code
        {"Block[AIRPORT].value=1;", 5, "value", 3, false},  {"Commodity[DRINKS].value=1;", 5, "value", 3, true},
        {"anything", 99, "daysoff", 2, true},  // the tweaks take every line
        {"Block[AIRPORT].value=1;", 5, "value", 4, false}, {"Block[AIRPORT].value=1;", 42, "value", 0, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(Match_CodeLine(model, c.line, c.slot, c.key, c.kind), c.matches) << c.line;
    }
}

}  // namespace
}  // namespace tg
