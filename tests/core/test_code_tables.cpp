#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fs/file_system.h"
#include "model/identifiers.h"
#include "scripts/code_tables.h"
#include "test_support.h"

namespace tg {
namespace {

using test::TempDir;
using test::writeBytes;

using Fields = std::vector<std::string>;

TEST(CodeTableFields, CommasAndEveryKindOfLineEndSeparateFields) {
    EXPECT_EQ(splitCodeTableFields("A,B\r\nC\rD\nE"), (Fields{"A", "B", "C", "D", "E"}));
    // Empty fields are reported; the table reader skips them.
    EXPECT_EQ(splitCodeTableFields("A,,B\n\nC,"), (Fields{"A", "", "B", "", "C"}));
    EXPECT_EQ(splitCodeTableFields(""), Fields{});
}

TEST(CodeTableFields, LeadingSpacesSkippedTrailingSpacesKept) {
    EXPECT_EQ(splitCodeTableFields("   AIRPORT  ,  ZOO"), (Fields{"AIRPORT  ", "ZOO"}));
    // Only spaces are skipped; a tab stays part of the field.
    EXPECT_EQ(splitCodeTableFields("\tZOO"), (Fields{"\tZOO"}));
}

TEST(CodeTableFields, QuotedFieldHoldsCommasAndLosesItsQuotes) {
    EXPECT_EQ(splitCodeTableFields("\"Bus, Taxi\",ZOO"), (Fields{"Bus, Taxi", "ZOO"}));
    EXPECT_EQ(splitCodeTableFields("  \"A\"trailing,B"), (Fields{"A", "B"}));
    // A quote that is never closed ends at its line end, not at the end of the file.
    EXPECT_EQ(splitCodeTableFields("\"open, still\r\nNEXT"), (Fields{"open, still", "NEXT"}));
    EXPECT_EQ(splitCodeTableFields("\""), (Fields{""}));
}

TEST(CodeTableFields, ByteOrderMarkIsNotPartOfTheFirstEntry) {
    EXPECT_EQ(splitCodeTableFields("\xEF\xBB\xBF"
                                   "CARROWAY_AVENUE\r\nDUNMERE_AVENUE"),
              (Fields{"CARROWAY_AVENUE", "DUNMERE_AVENUE"}));
}

class CodeTableTest : public ::testing::Test {
protected:
    TempDir app;
    SettingsModel model;

    std::optional<Notice> read(std::string_view fileName, std::string_view bytes, int limit) {
        writeBytes(app / fileName, bytes);
        return readCodeTable(realFileSystem(), app.path(), fileName, limit, model);
    }
};

TEST_F(CodeTableTest, EntryNGoesToSlotNSkippingCommentsAndBlankLines) {
    const auto notice = read("blk_code.txt",
                             "// block codes in map order\r\n"
                             "CARROWAY_AVENUE\r\n"
                             "\r\n"
                             "   \r\n"
                             "DUNMERE_AVENUE// the second\r\n"
                             "  // indented comment\r\n"
                             "TELECOMS // kept with its space\r\n",
                             kBlockCount);
    EXPECT_FALSE(notice);
    EXPECT_EQ(model.Blocks[0].code, "CARROWAY_AVENUE");
    EXPECT_EQ(model.Blocks[1].code, "DUNMERE_AVENUE");
    EXPECT_EQ(model.Blocks[2].code, "TELECOMS ");
    EXPECT_EQ(model.Blocks[3].code, "");
    // A line of spaces is an empty field after the spaces are skipped.
    EXPECT_EQ(model.Blocks[0].displayName, "");
}

TEST_F(CodeTableTest, CommaInsideACommentStartsAnotherEntry) {
    read("blk_code.txt",
         "// codes, in map order\n"
         "CARROWAY_AVENUE // first, then more\n"
         "DUNMERE_AVENUE\n",
         kBlockCount);
    // " in map order" and "then more" became entries and shifted the rows.
    EXPECT_EQ(model.Blocks[0].code, "in map order");
    EXPECT_EQ(model.Blocks[1].code, "CARROWAY_AVENUE ");
    EXPECT_EQ(model.Blocks[2].code, "then more");
    EXPECT_EQ(model.Blocks[3].code, "DUNMERE_AVENUE");
}

TEST_F(CodeTableTest, NameFilesFillDisplayNamesAndCodeFilesFillCodes) {
    read("biz_usa.txt", "Antique Store\r\n\"Bakery, fresh\"\r\n", kBusinessCount);
    read("com_code.txt", "MEAT\r\nFISH\r\n", kCommodityCount);
    read("com_usa.txt", "Meat\r\n", kCommodityCount);
    EXPECT_EQ(model.Businesses[0].displayName, "Antique Store");
    EXPECT_EQ(model.Businesses[1].displayName, "Bakery, fresh");
    EXPECT_EQ(model.Businesses[0].code, "");
    EXPECT_EQ(model.Commodities[0].code, "MEAT");
    EXPECT_EQ(model.Commodities[1].code, "FISH");
    EXPECT_EQ(model.Commodities[0].displayName, "Meat");
    EXPECT_EQ(model.Commodities[1].displayName, "");
}

TEST_F(CodeTableTest, EntriesBeyondTheRowLimitAreIgnored) {
    std::string names;
    for (int i = 0; i < 43; ++i) {
        names += "Block " + std::to_string(i) + "\r\n";
    }
    read("blk_usa.txt", names, kBlockCount);
    EXPECT_EQ(model.Blocks[41].displayName, "Block 41");

    // A smaller limit stops early; a limit larger than the array never
    // writes past it.
    SettingsModel small;
    writeBytes(app / "blk_code.txt", "A\nB\nC\n");
    readCodeTable(realFileSystem(), app.path(), "blk_code.txt", 2, small);
    EXPECT_EQ(small.Blocks[1].code, "B");
    EXPECT_EQ(small.Blocks[2].code, "");

    std::string many;
    for (int i = 0; i < 200; ++i) {
        many += "C" + std::to_string(i) + ",";
    }
    read("com_code.txt", many, 1000);
    EXPECT_EQ(model.Commodities[31].code, "C31");
}

TEST_F(CodeTableTest, TargetIsChosenByTheExactFileName) {
    writeBytes(app / "BLK_CODE.TXT", "AIRPORT\r\n");
    // The file is found under another spelling, but only the exact name
    // says where its entries go.
    EXPECT_FALSE(readCodeTable(realFileSystem(), app.path(), "BLK_CODE.TXT", kBlockCount, model));
    EXPECT_EQ(model.Blocks[0].code, "");
    EXPECT_EQ(model.Blocks[0].displayName, "");
}

TEST_F(CodeTableTest, MissingTableGivesANoticeNamingTheFile) {
    const auto notice = readCodeTable(realFileSystem(), app.path(), "blk_code.txt", 42, model);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->title, "TG Edit");
    EXPECT_EQ(notice->text, "Cannot read the code table " + app.path() +
                                "blk_code.txt: No such file or directory");
    EXPECT_EQ(model.Blocks[0], BlockRecord{});
}

TEST(MatchCodeLine, CodeMustComeBeforeTheKeyLetterCaseIgnored) {
    SettingsModel model;
    model.Businesses[1].code = "BAKERY";
    const std::string_view line = "BusinessInfo[BAKERY].density=1;";
    EXPECT_TRUE(Match_CodeLine(model, line, 1, "density", 1));
    EXPECT_TRUE(Match_CodeLine(model, "businessinfo[bakery].DENSITY=1;", 1, "density", 1));
    EXPECT_FALSE(Match_CodeLine(model, "density BAKERY", 1, "density", 1));
    EXPECT_FALSE(Match_CodeLine(model, "BusinessInfo[BAKERY].x=1;", 1, "density", 1));
    EXPECT_FALSE(Match_CodeLine(model, "BusinessInfo[CAFE].density=1;", 1, "density", 1));
    // The slot's code decides: slot 0 has no code, so nothing matches it.
    EXPECT_FALSE(Match_CodeLine(model, line, 0, "density", 1));
}

TEST(MatchCodeLine, KindsPickTheirArrayTweaksAlwaysMatch) {
    SettingsModel model;
    model.Blocks[5].code = "AIRPORT";
    model.Commodities[5].code = "DRINKS";
    EXPECT_TRUE(Match_CodeLine(model, "Block[AIRPORT].value=1;", 5, "value", 0));
    EXPECT_FALSE(Match_CodeLine(model, "Block[AIRPORT].value=1;", 5, "value", 3));
    EXPECT_TRUE(Match_CodeLine(model, "Commodity[DRINKS].value=1;", 5, "value", 3));
    EXPECT_TRUE(Match_CodeLine(model, "", 0, "", 2));
    EXPECT_TRUE(Match_CodeLine(model, "anything", 99, "daysoff", 2));
    // Unknown kinds and slots outside the arrays never match.
    EXPECT_FALSE(Match_CodeLine(model, "Block[AIRPORT].value=1;", 5, "value", 4));
    EXPECT_FALSE(Match_CodeLine(model, "Block[AIRPORT].value=1;", 5, "value", -1));
    EXPECT_FALSE(Match_CodeLine(model, "Block[AIRPORT].value=1;", 42, "value", 0));
    EXPECT_FALSE(Match_CodeLine(model, "Block[AIRPORT].value=1;", -1, "value", 0));
}

}  // namespace
}  // namespace tg
