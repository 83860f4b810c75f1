#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "fs/file_system.h"
#include "model/editor_state.h"
#include "model/identifiers.h"
#include "scripts/code_tables.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "test_support.h"

namespace tg {
namespace {

using test::TempDir;
using test::writeBytes;
using namespace std::string_view_literals;

TEST(KeyOfLine, FirstKeyInTestOrderLetterCaseIgnoredCommentIncluded) {
    EXPECT_EQ(keyOfLine("Block[ZOO].value = 5; -- prestige of the zoo"), "value");
    EXPECT_EQ(keyOfLine("Block[ZOO].prestige = 5; -- its value"), "value");
    EXPECT_EQ(keyOfLine("Block[ZOO].PRESTIGE = 5;"), "prestige");
    EXPECT_EQ(keyOfLine("BusinessInfo[BAKERY].maxheight = 5; minarea"), "minarea");
    EXPECT_EQ(keyOfLine("Tweaks.dailyfreighteasy = 5;"), "dailyfreightEASY");
    EXPECT_EQ(keyOfLine("Commodity[MEAT]:membership(MAINSHOPPING);"), "Membership");
    EXPECT_EQ(keyOfLine("BusinessInfo[BAKERY]:AddCommodity(BREAD, 5);"), "AddCommodity");
    // "ownable" gives way to "citybusinessesownable" wherever that stands,
    // and then to any other key.
    EXPECT_EQ(keyOfLine("Block[ZOO].ownable = 1; citybusinessesownable"), "citybusinessesownable");
    EXPECT_EQ(keyOfLine("Block[ZOO].ownable = 1; buildingrights citybusinessesownable"),
              "buildingrights");
    EXPECT_EQ(keyOfLine("citybusinessesownable buildingrights ownable"), "buildingrights");
    EXPECT_EQ(keyOfLine("ownable buildingrights"), "ownable");
    EXPECT_EQ(keyOfLine("-- nothing to see"), "");
    EXPECT_EQ(keyOfLine(""), "");
}

TEST(KeyOfLine, OwnableOnlyWhenTheLineIsNotAboutCityBusinesses) {
    EXPECT_EQ(keyOfLine("Block[ZOO].ownable = true;"), "ownable");
    EXPECT_EQ(keyOfLine("Tweaks.citybusinessesownable = true;"), "citybusinessesownable");
    EXPECT_EQ(keyOfLine("Tweaks.CityBusinessesOwnable = true; -- ownable"),
              "citybusinessesownable");
    // Keys tested before ownable still win.
    EXPECT_EQ(keyOfLine("Tweaks.citybusinessesownable = 1; -- prestige"), "prestige");
}

// A project and an application folder with complete code tables written from
// the identifier tables, so every slot's lines are accepted.
class ReaderTest : public ::testing::Test {
protected:
    TempDir app;
    TempDir project;
    EditorState state;

    void SetUp() override {
        state.ProjectPath = project.path();
        writeTable("blk_code.txt", kBlockIdentifiers, "");
        writeTable("blk_usa.txt", kBlockIdentifiers, "Block ");
        writeTable("biz_code.txt", kBusinessIdentifiers, "");
        writeTable("biz_usa.txt", kBusinessIdentifiers, "Business ");
        writeTable("com_code.txt", kCommodityIdentifiers, "");
        writeTable("com_usa.txt", kCommodityIdentifiers, "Commodity ");
    }

    template <typename Table>
    void writeTable(std::string_view name, const Table& identifiers, std::string_view prefix) {
        std::string bytes = "// written by the test\r\n";
        for (std::string_view id : identifiers) {
            bytes += std::string(prefix) + std::string(id) + "\r\n";
        }
        writeBytes(app / name, bytes);
    }

    void writeScripts(std::string_view blocks, std::string_view businesses,
                      std::string_view commodities, std::string_view hub) {
        writeBytes(project / "blocksettings.lua", blocks);
        writeBytes(project / "businesssettings.lua", businesses);
        writeBytes(project / "commoditysettings.lua", commodities);
        writeBytes(project / "hub.lua", hub);
    }

    Notices load() { return loadProjectModel(realFileSystem(), app.path(), state); }

    // Loads a project whose only non-empty script is the one given.
    Notices loadOnly(int kind, std::string_view bytes) {
        writeScripts("", "", "", "");
        writeBytes(project / scriptFileOfKind(kind), bytes);
        return load();
    }

    std::string failureAt(std::string_view file, int line, std::string_view cause) const {
        return project.path() + std::string(file) + ", line " + std::to_string(line) + ": " +
               std::string(cause);
    }

    const BlockRecord& block(int slot) const { return state.model.Blocks[slot]; }
    const BusinessRecord& business(int slot) const { return state.model.Businesses[slot]; }
    const CommodityRecord& commodity(int slot) const { return state.model.Commodities[slot]; }
    const TweaksRecord& tweaks() const { return state.model.Tweaks; }
};

constexpr int kAirport = 5;
constexpr int kZoo = 7;
constexpr int kBakery = 1;
constexpr int kCafe = 4;
constexpr int kMeat = 0;
constexpr int kFish = 1;

// --- blocks -----------------------------------------------------------------

TEST_F(ReaderTest, BlockLinesFillEveryBlockField) {
    const auto notices = loadOnly(kReadBlocks,
                                  "-- Block settings\r\n"
                                  "Block[AIRPORT].value = 100;    -- base price\r\n"
                                  "Block[AIRPORT].prestige = 1.5;\r\n"
                                  "\tBlock [ AIRPORT ] . ownable\t= TRUE ;\r\n"
                                  "Block[AIRPORT].buildingrights = 2;\r\n"
                                  "Block[ZOO].value = 5; -- the prestige of the zoo\r\n"
                                  "Block[ZOO].ownable = 0;\r\n"
                                  "Block[ZOO].buildingrights = 1;\r\n"
                                  "Block[DOCK_3].ownable = -2;\r\n"
                                  "Block[DOCK_3].buildingrights = 2.0;\r\n");
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(block(kAirport).value, 100);
    EXPECT_DOUBLE_EQ(block(kAirport).prestige, 1.5);
    EXPECT_TRUE(block(kAirport).ownable);
    EXPECT_TRUE(block(kAirport).buildingrights);
    EXPECT_EQ(block(kZoo).value, 5);  // a key named only in the comment comes later
    EXPECT_FALSE(block(kZoo).ownable);
    EXPECT_FALSE(block(kZoo).buildingrights);
    EXPECT_TRUE(block(40).ownable);          // any non-zero number is true
    EXPECT_FALSE(block(40).buildingrights);  // only the exact text "2" counts
    EXPECT_EQ(block(kAirport).code, "AIRPORT");
    EXPECT_EQ(block(kAirport).displayName, "Block AIRPORT");
}

TEST_F(ReaderTest, LinesThatFailATestAreIgnored) {
    const auto notices = loadOnly(kReadBlocks,
                                  "-- Block[AIRPORT].value = 1;\r\n"
                                  "Block[airport].value = 2;\r\n"     // identifier in lower case
                                  "value = 3; -- Block[AIRPORT]\r\n"  // identifier only in comment
                                  "Block[AIRPORT].size = 4;\r\n"      // no key
                                  "value Block[AIRPORT] = 5;\r\n"     // key before the code
                                  "Block[ZOO].value = 6;\r\n");
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(block(kAirport).value, 0);
    EXPECT_EQ(block(kZoo).value, 6);
}

TEST_F(ReaderTest, IntegerFieldsRoundHalfToEven) {
    const auto notices = loadOnly(kReadBlocks,
                                  "Block[AIRPORT].value = 2.5;\r\n"
                                  "Block[ZOO].value = 3.5;\r\n"
                                  "Block[DOCK_1].value = -2.5;\r\n"
                                  "Block[DOCK_2].value = 1e2;\r\n"
                                  "Block[DOCK_3].value = 32767.4;\r\n");
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(block(kAirport).value, 2);
    EXPECT_EQ(block(kZoo).value, 4);
    EXPECT_EQ(block(38).value, -2);
    EXPECT_EQ(block(39).value, 100);
    EXPECT_EQ(block(40).value, 32767);
}

TEST_F(ReaderTest, CodeTableRowsDecideWhichLinesAreAccepted) {
    // Row 5 is not AIRPORT, and row 7 keeps a space before its comment.
    std::string codes;
    for (int i = 0; i < kBlockCount; ++i) {
        std::string id(kBlockIdentifiers[i]);
        if (i == kAirport) {
            id = "AIRFIELD";
        } else if (i == kZoo) {
            id += " // the zoo";
        }
        codes += id + "\r\n";
    }
    writeBytes(app / "blk_code.txt", codes);
    const auto notices = loadOnly(kReadBlocks,
                                  "Block[AIRPORT].value = 100;\r\n"
                                  "Block[ZOO].value = 5;\r\n"
                                  "Block[MARINA].value = 7;\r\n");
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(block(kAirport).value, 0);
    EXPECT_EQ(block(kZoo).code, "ZOO ");
    EXPECT_EQ(block(kZoo).value, 0);
    EXPECT_EQ(block(32).value, 7);
}

TEST_F(ReaderTest, MissingSemicolonStopsTheScriptEarlierValuesStay) {
    const auto notices = loadOnly(kReadBlocks,
                                  "Block[ZOO].value = 5;\r\n"
                                  "\r\n"
                                  "Block[AIRPORT].value = 100\r\n"
                                  "Block[MARINA].value = 7;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "TGEdit");
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 3, "no \";\" after the key \"value\"."));
    EXPECT_EQ(block(kZoo).value, 5);
    EXPECT_EQ(block(kAirport).value, 0);
    EXPECT_EQ(block(32).value, 0);  // nothing after the failing line is read
}

TEST_F(ReaderTest, ValueOutOfRangeOrNotANumberIsAFailure) {
    auto notices = loadOnly(kReadBlocks, "Block[ZOO].value = 40000;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 1, "the value 40000 is out of range."));
    EXPECT_EQ(block(kZoo).value, 0);

    notices = loadOnly(kReadBlocks, "Block[ZOO].value = 32767.5;\r\n");
    ASSERT_EQ(notices.size(), 1u);  // rounds to 32768
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 1, "the value 32767.5 is out of range."));

    notices = loadOnly(kReadBlocks, "Block[ZOO].prestige = 1e999;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 1, "the value 1e999 is out of range."));

    // The whole value text must be the number.
    notices = loadOnly(kReadBlocks, "Block[ZOO].value = 12 abc;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 1, "the value \"12abc\" is not a number."));

    notices = loadOnly(kReadBlocks, "Block[ZOO].prestige = ;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 1, "the value \"\" is not a number."));

    notices = loadOnly(kReadBlocks, "Block[ZOO].ownable = yes;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, failureAt("blocksettings.lua", 1,
                                         "the value \"yes\" is not true, false or a number."));
}

TEST_F(ReaderTest, PositionFailuresNameTheirCause) {
    struct Case {
        const char* line;
        const char* cause;
    };
    const Case cases[] = {
        {"Block[ZOO].value 5;", "no \"=\" before the \";\"."},
        {"Block[ZOO].value ; = 5", "no \"=\" before the \";\"."},
        // A key that takes its value without a "=" still fails on one
        // after the ";".
        {"Block[ZOO].buildingrights ; = 2", "no \"=\" before the \";\"."},
        {"Block[ZOO].buildingrights 2", "no \";\" after the key \"buildingrights\"."},
        {"Block[ZOO].Value = 5;", "the key is written \"Value\" instead of \"value\"."},
        {"Block[ZOO].OWNABLE = true;", "the key is written \"OWNABLE\" instead of \"ownable\"."},
    };
    for (const Case& c : cases) {
        const auto notices = loadOnly(kReadBlocks, std::string("Block[AIRPORT].value = 9;\n") +
                                                       c.line + "\nBlock[MARINA].value = 7;\n");
        ASSERT_EQ(notices.size(), 1u) << c.line;
        EXPECT_EQ(notices[0].text, failureAt("blocksettings.lua", 2, c.cause)) << c.line;
        EXPECT_EQ(block(kAirport).value, 9) << c.line;
        EXPECT_EQ(block(32).value, 0) << c.line;
    }
}

TEST_F(ReaderTest, LineNumbersCountEveryLineEndAndEmptyLines) {
    // CR, CR LF and LF alone each end one line; the failing line is the sixth.
    const auto notices = loadOnly(kReadBlocks,
                                  "Block[ZOO].value = 1;\r"
                                  "\r\n"
                                  "Block[DOCK_1].value = 2;\n"
                                  "\n"
                                  "Block[DOCK_2].value = 3;\r\n"
                                  "Block[DOCK_3].value = x;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 6, "the value \"x\" is not a number."));
    EXPECT_EQ(block(kZoo).value, 1);
    EXPECT_EQ(block(38).value, 2);
    EXPECT_EQ(block(39).value, 3);
}

TEST_F(ReaderTest, FailingValueIsShownShortAndPrintable) {
    const auto notices =
        loadOnly(kReadBlocks, "Block[ZOO].value = \x01" + std::string(100, 'y') + ";\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 1,
                        "the value \"?" + std::string(39, 'y') + "...\" is not a number."));
}

// --- businesses ---------------------------------------------------------------

TEST_F(ReaderTest, BusinessLinesFillEveryBusinessField) {
    const auto notices = loadOnly(kReadBusinesses,
                                  "BusinessInfo[BAKERY].timeinstore = 0.5;\r\n"
                                  "BusinessInfo[BAKERY].refurbcost = 1000;\r\n"
                                  "BusinessInfo[BAKERY].density = 0.25;\r\n"
                                  "BusinessInfo[BAKERY].minarea = 1;\r\n"
                                  "BusinessInfo[BAKERY].maxarea = 2;\r\n"
                                  "BusinessInfo[BAKERY].minheight = 3;\r\n"
                                  "BusinessInfo[BAKERY].maxheight = 4;\r\n"
                                  "BusinessInfo[BAKERY].maxside = 5;\r\n"
                                  "BusinessInfo[BAKERY].stockcapacity = 600;\r\n"
                                  "BusinessInfo[BAKERY].openingtime = 9;\r\n"
                                  "BusinessInfo[BAKERY].closingtime = 18;\r\n"
                                  "BusinessInfo[BAKERY].electricalneed = 1.25;\r\n"
                                  "BusinessInfo[BAKERY].gasneed = 2.5;\r\n"
                                  "BusinessInfo[BAKERY].telecomneed = 3.75;\r\n"
                                  "BusinessInfo[BAKERY].waterneed = 4.5;\r\n"
                                  "BusinessInfo[BAKERY].footprintband = 7;\r\n");
    EXPECT_TRUE(notices.empty());
    const BusinessRecord& b = business(kBakery);
    EXPECT_DOUBLE_EQ(b.timeinstore, 0.5);
    EXPECT_EQ(b.refurbcost, 1000);
    EXPECT_DOUBLE_EQ(b.density, 0.25);
    EXPECT_EQ(b.minarea, 1);
    EXPECT_EQ(b.maxarea, 2);
    EXPECT_EQ(b.minheight, 3);
    EXPECT_EQ(b.maxheight, 4);
    EXPECT_EQ(b.maxside, 5);
    EXPECT_EQ(b.stockcapacity, 600);
    EXPECT_EQ(b.openingtime, 9);
    EXPECT_EQ(b.closingtime, 18);
    EXPECT_DOUBLE_EQ(b.electricalneed, 1.25);
    EXPECT_DOUBLE_EQ(b.gasneed, 2.5);
    EXPECT_DOUBLE_EQ(b.telecomneed, 3.75);
    EXPECT_DOUBLE_EQ(b.waterneed, 4.5);
    EXPECT_EQ(b.footprintband, 7);
}

TEST_F(ReaderTest, CommentNamingValueHidesABusinessLine) {
    const auto notices = loadOnly(kReadBusinesses,
                                  "BusinessInfo[BAKERY].refurbcost = 500; -- value of a refit\r\n"
                                  "BusinessInfo[BAKERY].maxside = 4;\r\n"
                                  "BusinessInfo[CAFE].value = 12;\r\n");  // not a business key
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(business(kBakery).refurbcost, 0);
    EXPECT_EQ(business(kBakery).maxside, 4);
    EXPECT_EQ(business(kCafe), [this] {
        BusinessRecord expected;
        expected.code = "CAFE";
        expected.displayName = "Business CAFE";
        return expected;
    }());
}

TEST_F(ReaderTest, AddCommodityFillsFreeEntriesInOrderUpToSix) {
    const auto notices = loadOnly(kReadBusinesses,
                                  "BusinessInfo[BAKERY]:AddCommodity(MEAT, 10);\r\n"
                                  "BusinessInfo[BAKERY]:AddCommodity(FISH, 20);\r\n"
                                  "BusinessInfo[BAKERY]:AddCommodity(MEAT, 2.5);\r\n"
                                  "BusinessInfo[BAKERY]:AddCommodity(Whatever, 4);\r\n"
                                  "BusinessInfo[BAKERY]:AddCommodity(BREAD, 5);\r\n"
                                  "BusinessInfo[BAKERY]:AddCommodity(SWEETS, 6);\r\n"
                                  "BusinessInfo[BAKERY]:AddCommodity(DRINKS, 7);\r\n"
                                  "BusinessInfo[CAFE]:AddCommodity(DRINKS,8); -- seven\r\n");
    EXPECT_TRUE(notices.empty());
    const auto& entries = business(kBakery).commodities;
    EXPECT_EQ(entries[0], (CommodityEntry{"MEAT", 10}));
    EXPECT_EQ(entries[1], (CommodityEntry{"FISH", 20}));
    EXPECT_EQ(entries[2], (CommodityEntry{"MEAT", 2}));  // same commodity twice, rounded
    EXPECT_EQ(entries[3], (CommodityEntry{"Whatever", 4}));
    EXPECT_EQ(entries[4], (CommodityEntry{"BREAD", 5}));
    EXPECT_EQ(entries[5], (CommodityEntry{"SWEETS", 6}));  // the seventh line is dropped
    EXPECT_EQ(business(kCafe).commodities[0], (CommodityEntry{"DRINKS", 8}));
}

TEST_F(ReaderTest, MalformedAddCommodityStopsTheScript) {
    struct Case {
        const char* line;
        const char* cause;
    };
    const Case cases[] = {
        {"BusinessInfo[CAFE]:AddCommodity(DRINKS 8);", "no \",\" after the \"(\"."},
        {"BusinessInfo[CAFE]:AddCommodity,(DRINKS 8);", "no \",\" after the \"(\"."},
        {"BusinessInfo[CAFE]:AddCommodity(DRINKS, 8;", "no \")\" after the \",\"."},
        {"BusinessInfo[CAFE]:AddCommodity DRINKS, 8;", "no \"(\" after the key \"AddCommodity\"."},
        {"BusinessInfo[CAFE]:AddCommodity(DRINKS, 8)", "no \";\" after the key \"AddCommodity\"."},
        {"BusinessInfo[CAFE]:AddCommodity(DRINKS, lots);", "the value \"lots\" is not a number."},
        {"BusinessInfo[CAFE]:AddCommodity(DRINKS, 99999);", "the value 99999 is out of range."},
        {"BusinessInfo[CAFE]:addcommodity(DRINKS, 8);",
         "the key is written \"addcommodity\" instead of \"AddCommodity\"."},
    };
    for (const Case& c : cases) {
        const auto notices =
            loadOnly(kReadBusinesses, std::string("BusinessInfo[BAKERY].maxside = 3;\r\n") +
                                          c.line + "\r\nBusinessInfo[CAFE].maxside = 2;\r\n");
        ASSERT_EQ(notices.size(), 1u) << c.line;
        EXPECT_EQ(notices[0].text, failureAt("businesssettings.lua", 2, c.cause)) << c.line;
        EXPECT_EQ(business(kBakery).maxside, 3) << c.line;
        EXPECT_EQ(business(kCafe).maxside, 0) << c.line;
        EXPECT_EQ(business(kCafe).commodities[0], CommodityEntry{}) << c.line;
    }
}

// --- commodities --------------------------------------------------------------

TEST_F(ReaderTest, CommodityValuesAndMembership) {
    const auto notices = loadOnly(kReadCommodities,
                                  "Commodity[MEAT].value = 10;\r\n"
                                  "Commodity[MEAT].markup = 1.5;\r\n"
                                  "Commodity[MEAT]:Membership(mainshopping);\r\n"
                                  "Commodity[FISH]:Membership(STAYOVERSHOPPING);\r\n"
                                  "Commodity[FISH]:Membership(EntertainmentShopping);\r\n"
                                  "Commodity[FISH]:Membership(NOSUCHGROUP);\r\n"
                                  "Commodity[STAY_OVER].value = 2.5e1;\r\n");
    EXPECT_TRUE(notices.empty());
    EXPECT_DOUBLE_EQ(commodity(kMeat).value, 10.0);
    EXPECT_DOUBLE_EQ(commodity(kMeat).markup, 1.5);
    EXPECT_EQ(commodity(kMeat).membership, "MAINSHOPPING");
    // A later line replaces an earlier one; an unknown group keeps it.
    EXPECT_EQ(commodity(kFish).membership, "ENTERTAINMENTSHOPPING");
    EXPECT_DOUBLE_EQ(commodity(31).value, 25.0);
    EXPECT_EQ(commodity(31).membership, "");
}

TEST_F(ReaderTest, MembershipKeyMustKeepItsLetterCase) {
    const auto notices = loadOnly(kReadCommodities,
                                  "Commodity[MEAT]:Membership(MAINSHOPPING);\r\n"
                                  "Commodity[FISH]:membership(MAINSHOPPING);\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("commoditysettings.lua", 2,
                        "the key is written \"membership\" instead of \"Membership\"."));
    EXPECT_EQ(commodity(kMeat).membership, "MAINSHOPPING");
    EXPECT_EQ(commodity(kFish).membership, "");
}

// --- tweaks -------------------------------------------------------------------

TEST_F(ReaderTest, TweaksLinesFillEveryTweak) {
    const auto notices = loadOnly(kReadTweaks,
                                  "-- city tweaks\r\n"
                                  "Tweaks.railutilincomeEASY = 1.5;\r\n"
                                  "Tweaks.railutilincomeMEDIUM = 1.25;\r\n"
                                  "Tweaks.railutilincomeHARD = 0.75;\r\n"
                                  "Tweaks.dailyfreightEASY = 100000;\r\n"
                                  "Tweaks.dailyfreightMEDIUM = 2.5;\r\n"
                                  "Tweaks.dailyfreightHARD = 3.5;\r\n"
                                  "Tweaks.citybusinessesownable = True;\r\n"
                                  "Tweaks.daysoff = 1;\r\n"
                                  "Tweaks.numyearsin24hours = 4;\r\n"
                                  "Tweaks.blockleaselength = 48;\r\n"
                                  "tweaks.daysoff = 0;\r\n");  // not the Tweaks table
    EXPECT_TRUE(notices.empty());
    const TweaksRecord& t = tweaks();
    EXPECT_EQ(t.code, "Tweaks");
    EXPECT_DOUBLE_EQ(t.railutilincomeEASY, 1.5);
    EXPECT_DOUBLE_EQ(t.railutilincomeMEDIUM, 1.25);
    EXPECT_DOUBLE_EQ(t.railutilincomeHARD, 0.75);
    EXPECT_EQ(t.dailyfreightEASY, 100000);
    EXPECT_EQ(t.dailyfreightMEDIUM, 2);
    EXPECT_EQ(t.dailyfreightHARD, 4);
    EXPECT_TRUE(t.citybusinessesownable);
    EXPECT_TRUE(t.daysoff);
    EXPECT_EQ(t.numyearsin24hours, 4);
    EXPECT_EQ(t.blockleaselength, 48);
}

TEST_F(ReaderTest, TweaksFailuresStopHub) {
    auto notices = loadOnly(kReadTweaks,
                            "Tweaks.blockleaselength = 48;\r\n"
                            "Tweaks.dailyfreightEASY = 3000000000;\r\n"
                            "Tweaks.daysoff = true;\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, failureAt("hub.lua", 2, "the value 3000000000 is out of range."));
    EXPECT_EQ(tweaks().blockleaselength, 48);
    EXPECT_FALSE(tweaks().daysoff);

    // Every hub line names the Tweaks table, so a key that appears only in a
    // comment still makes the line count; it cannot be read.
    notices = loadOnly(kReadTweaks, "Tweaks.daysoff = true; -- the value of a day off\r\n");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("hub.lua", 1, "the key \"value\" stands only in the comment."));
    EXPECT_FALSE(tweaks().daysoff);
}

// --- loading a project ----------------------------------------------------------

TEST_F(ReaderTest, MissingHubGivesOneNoticeAndTheRestStillLoads) {
    writeScripts("Block[AIRPORT].value = 100;\r\n", "BusinessInfo[BAKERY].maxside = 3;\r\n",
                 "Commodity[MEAT].value = 10;\r\n", "");
    std::filesystem::remove(project / "hub.lua");
    const Notices notices = load();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (Notice{"TGEdit", "Cannot read " + project.path() +
                                                "hub.lua: No such file or directory"}));
    EXPECT_EQ(tweaks().code, "Tweaks");
    EXPECT_EQ(tweaks().blockleaselength, 0);
    EXPECT_FALSE(tweaks().daysoff);
    EXPECT_EQ(block(kAirport).value, 100);
    EXPECT_EQ(business(kBakery).maxside, 3);
    EXPECT_DOUBLE_EQ(commodity(kMeat).value, 10.0);
}

TEST_F(ReaderTest, NoticesComeInLoadOrderAndTheLoadGoesOn) {
    writeScripts("Block[AIRPORT].value = 100;\r\n", "BusinessInfo[BAKERY].maxside = x;\r\n",
                 "Commodity[MEAT].value = 10;\r\n", "Tweaks.daysoff = true;\r\n");
    std::filesystem::remove(app / "blk_usa.txt");
    std::filesystem::remove(app / "com_code.txt");
    const Notices notices = load();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0], (Notice{"TG Edit", "Cannot read the code table " + app.path() +
                                                 "blk_usa.txt: No such file or directory"}));
    EXPECT_EQ(notices[1].title, "TGEdit");
    EXPECT_EQ(notices[1].text,
              failureAt("businesssettings.lua", 1, "the value \"x\" is not a number."));
    EXPECT_EQ(notices[2].title, "TG Edit");
    EXPECT_EQ(notices[2].text, "Cannot read the code table " + app.path() +
                                   "com_code.txt: No such file or directory");
    EXPECT_EQ(block(kAirport).value, 100);
    EXPECT_EQ(block(kAirport).displayName, "");
    EXPECT_TRUE(tweaks().daysoff);
    // Without codes no commodity line is accepted; the names still load.
    EXPECT_DOUBLE_EQ(commodity(kMeat).value, 0.0);
    EXPECT_EQ(commodity(kMeat).displayName, "Commodity MEAT");
}

TEST_F(ReaderTest, LoadingTwiceGivesTheSameModelAndCopiesToWorking) {
    writeScripts("Block[AIRPORT].value = 100;\r\n",
                 "BusinessInfo[BAKERY]:AddCommodity(BREAD, 5);\r\n",
                 "Commodity[MEAT]:Membership(MAINSHOPPING);\r\n", "Tweaks.daysoff = true;\r\n");
    state.model.EditBlocks[kZoo].changed = true;
    state.model.EditBlocks[kZoo].value = 77;
    state.bDataHasChanged = true;
    ASSERT_TRUE(load().empty());
    const SettingsModel first = state.model;
    ASSERT_TRUE(load().empty());
    EXPECT_EQ(state.model.Blocks, first.Blocks);
    EXPECT_EQ(state.model.Businesses, first.Businesses);
    EXPECT_EQ(state.model.Commodities, first.Commodities);
    EXPECT_EQ(state.model.Tweaks, first.Tweaks);
    EXPECT_EQ(business(kBakery).commodities[1], CommodityEntry{});  // not added twice

    EXPECT_FALSE(state.bDataHasChanged);
    EXPECT_EQ(state.model.EditBlocks[kAirport], block(kAirport));
    EXPECT_EQ(state.model.EditBusinesses[kBakery], business(kBakery));
    EXPECT_EQ(state.model.EditTweaks, tweaks());
    EXPECT_TRUE(state.model.EditBlocks[kZoo].changed);  // kept
    EXPECT_EQ(state.model.EditBlocks[kZoo].value, 0);   // overwritten from the loaded set
}

TEST_F(ReaderTest, ScriptNamesAreFoundInAnyLetterCase) {
    writeScripts("", "", "", "");
    std::filesystem::remove(project / "blocksettings.lua");
    writeBytes(project / "BlockSettings.LUA", "Block[AIRPORT].value = 100;\r\n");
    EXPECT_TRUE(load().empty());
    EXPECT_EQ(block(kAirport).value, 100);
}

// The shipped code tables and the stand-in game's scripts: every record is
// named, found in its script and given its values.
TEST(DemoProject, EverySlotGetsItsCodeNameAndValues) {
    if (!std::filesystem::exists(TGEDIT_DATA_DIR) ||
        !std::filesystem::exists(TGEDIT_DEMO_GAME_DIR)) {
        GTEST_SKIP() << "the shipped data files or the stand-in game are not in this checkout";
    }
    TempDir app;
    TempDir project;
    test::copyDataFiles(app.path());
    test::copyDemoScripts(project.path());
    EditorState state;
    state.ProjectPath = project.path();
    const Notices notices = loadProjectModel(realFileSystem(), app.path(), state);
    for (const Notice& notice : notices) {
        ADD_FAILURE() << notice.text;
    }
    const SettingsModel& m = state.model;
    for (int i = 0; i < kBlockCount; ++i) {
        const BlockRecord& b = m.Blocks[i];
        EXPECT_EQ(b.code, kBlockIdentifiers[i]);
        EXPECT_FALSE(b.displayName.empty()) << b.code;
        EXPECT_TRUE(b.value != 0 || b.prestige != 0.0 || b.ownable || b.buildingrights) << b.code;
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        const BusinessRecord& b = m.Businesses[i];
        EXPECT_EQ(b.code, kBusinessIdentifiers[i]);
        EXPECT_FALSE(b.displayName.empty()) << b.code;
        EXPECT_TRUE(b.maxarea != 0 || b.density != 0.0 || b.refurbcost != 0 || b.closingtime != 0 ||
                    !b.commodities[0].commodity.empty())
            << b.code;
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        const CommodityRecord& c = m.Commodities[i];
        EXPECT_EQ(c.code, kCommodityIdentifiers[i]);
        EXPECT_FALSE(c.displayName.empty()) << c.code;
        EXPECT_TRUE(c.value != 0.0 || c.markup != 0.0 || !c.membership.empty()) << c.code;
    }
    EXPECT_NE(m.Tweaks.blockleaselength, 0);
    EXPECT_NE(m.Tweaks.numyearsin24hours, 0);
    EXPECT_EQ(m.EditTweaks, m.Tweaks);
}

class FailingReads : public FileSystem {
protected:
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override {
        if (step == FsStep::Read && path.ends_with("commoditysettings.lua")) {
            return "Input/output error";
        }
        return std::nullopt;
    }
};

TEST_F(ReaderTest, ReadErrorCarriesTheSystemsReason) {
    writeScripts("", "", "Commodity[MEAT].value = 10;\r\n", "");
    FailingReads fs;
    const Notices notices = loadProjectModel(fs, app.path(), state);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              "Cannot read " + project.path() + "commoditysettings.lua: Input/output error");
    EXPECT_DOUBLE_EQ(commodity(kMeat).value, 0.0);
}

TEST_F(ReaderTest, OddBytesNeverBreakTheReader) {
    std::string bytes;
    bytes += "Block[ZOO].value = 5;\0\0\0 -- nul bytes\r\n"sv;
    bytes += std::string(1 << 20, 'x') + "\n";  // one very long line
    bytes += "Block[DOCK_1].prestige = 2;" + std::string(100000, '-') + "\n";
    for (int i = 0; i < 100000; ++i) {
        bytes += "\r";  // many empty lines
    }
    bytes += "\xFF\xFE=;;==(,)\x80value\n"sv;
    bytes += "Block[DOCK_2].value = 3;";  // the last line has no line end
    const auto notices = loadOnly(kReadBlocks, bytes);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(block(kZoo).value, 5);
    EXPECT_DOUBLE_EQ(block(38).prestige, 2.0);
    EXPECT_EQ(block(39).value, 3);
}

// Scripts pieced together from fragments of setting lines and random bytes:
// whatever comes out, each script gives at most one notice, names itself in
// it, and the model keeps its shape.
TEST_F(ReaderTest, ScrambledScriptsKeepTheModelsShape) {
    const std::string_view pieces[] = {"Block[AIRPORT]",
                                       "BusinessInfo[BAKERY]",
                                       "Commodity[MEAT]",
                                       "Tweaks",
                                       ".value",
                                       "Value",
                                       ".prestige",
                                       ".ownable",
                                       ".buildingrights",
                                       ":AddCommodity",
                                       ":Membership",
                                       ".daysoff",
                                       ".dailyfreightEASY",
                                       ".citybusinessesownable",
                                       ".maxside",
                                       "=",
                                       ";",
                                       "(",
                                       ",",
                                       ")",
                                       " ",
                                       "\t",
                                       "--",
                                       "\r",
                                       "\n",
                                       "\r\n",
                                       "1",
                                       "2.5",
                                       "-7",
                                       "1e9",
                                       "true",
                                       "MAINSHOPPING",
                                       std::string_view("\0", 1),
                                       "\xFF",
                                       "x"};
    std::mt19937 random(20240611);
    for (int round = 0; round < 100; ++round) {
        std::string scripts[4];
        for (std::string& script : scripts) {
            const int count = static_cast<int>(random() % 300);
            for (int i = 0; i < count; ++i) {
                if (random() % 8 == 0) {
                    script.push_back(static_cast<char>(random() % 256));
                } else {
                    script += pieces[random() % std::size(pieces)];
                }
            }
        }
        writeScripts(scripts[0], scripts[1], scripts[2], scripts[3]);
        const Notices notices = load();
        ASSERT_LE(notices.size(), 4u);
        for (const Notice& notice : notices) {
            EXPECT_EQ(notice.title, "TGEdit");
            EXPECT_EQ(notice.text.rfind(project.path(), 0), 0u) << notice.text;
        }
        for (const BusinessRecord& b : state.model.Businesses) {
            bool freeSeen = false;
            for (const CommodityEntry& entry : b.commodities) {
                EXPECT_FALSE(freeSeen && !entry.commodity.empty());
                freeSeen = freeSeen || entry.commodity.empty();
            }
        }
        for (const CommodityRecord& c : state.model.Commodities) {
            EXPECT_TRUE(c.membership.empty() || c.membership == "MAINSHOPPING" ||
                        c.membership == "ENTERTAINMENTSHOPPING" ||
                        c.membership == "STAYOVERSHOPPING")
                << c.membership;
        }
        EXPECT_EQ(tweaks().code, "Tweaks");
        EXPECT_EQ(block(kAirport).code, "AIRPORT");
    }
}

TEST_F(ReaderTest, ScriptWithoutLineEndsOrWithNothingAtAll) {
    EXPECT_TRUE(loadOnly(kReadBlocks, "Block[ZOO].value = 5;").empty());
    EXPECT_EQ(block(kZoo).value, 5);
    EXPECT_TRUE(loadOnly(kReadBlocks, "").empty());
    EXPECT_EQ(block(kZoo).value, 0);
}

TEST_F(ReaderTest, UnknownKindReadsNothing) {
    writeScripts("Block[ZOO].value = 5;\r\n", "", "", "");
    SettingsModel model;
    EXPECT_FALSE(readScript(realFileSystem(), project.path(), 4, model));
    EXPECT_FALSE(readScript(realFileSystem(), project.path(), -1, model));
    EXPECT_EQ(model.Blocks, SettingsModel{}.Blocks);
}

// --- the check: every line the reading would stop at -----------------------

TEST_F(ReaderTest, CheckGoesOnPastEachFailingLineAndKeepsTheLaterValues) {
    writeScripts("", "", "", "");
    writeBytes(project / "blocksettings.lua",
               "Block[ZOO].value = 5;\r\n"
               "Block[AIRPORT].value = 100\r\n"   // no ";"
               "-- Block[MARINA].value = x;\r\n"  // a comment is passed over
               "Block[MARINA].value = x;\r\n"
               "\r\n"
               "Block[DOCK_1].value = 40000;\r\n"
               "Block[DOCK_2].value = 3;\r\n");
    SettingsModel model;
    readCodeTable(realFileSystem(), app.path(), "blk_code.txt", kBlockCount, model);

    const auto problems = checkScript(realFileSystem(), project.path(), kReadBlocks, model);
    const std::string path = project / "blocksettings.lua";
    const std::vector<ScriptProblem> expected = {
        {path, 2, "no \";\" after the key \"value\"."},
        {path, 4, "the value \"x\" is not a number."},
        {path, 6, "the value 40000 is out of range."},
    };
    EXPECT_EQ(problems, expected);
    EXPECT_EQ(model.Blocks[kZoo].value, 5);
    EXPECT_EQ(model.Blocks[39].value, 3);  // read although earlier lines failed

    // The load itself still stops at the first of them.
    const Notices notices = load();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              failureAt("blocksettings.lua", 2, "no \";\" after the key \"value\"."));
    EXPECT_EQ(block(39).value, 0);
}

TEST_F(ReaderTest, CheckOfAFolderNamesMissingScriptsAndKeepsFileOrder) {
    writeBytes(project / "blocksettings.lua", "Block[ZOO].value = ;\r\n");
    writeBytes(project / "hub.lua",
               "Tweaks.daysoff = maybe;\r\nTweaks.blockleaselength = 1e99;\r\n");
    writeBytes(project / "businesssettings.lua", "BusinessInfo[BAKERY]:AddCommodity(BREAD 5);\r\n");
    // commoditysettings.lua is missing.

    const ProjectCheck check = checkProjectScripts(realFileSystem(), app.path(), project.path());
    EXPECT_TRUE(check.tableNotices.empty());
    ASSERT_EQ(check.problems.size(), 5u);
    EXPECT_EQ(check.problems[0],
              (ScriptProblem{project / "blocksettings.lua", 1, "the value \"\" is not a number."}));
    EXPECT_EQ(check.problems[1],
              (ScriptProblem{project / "businesssettings.lua", 1, "no \",\" after the \"(\"."}));
    EXPECT_EQ(check.problems[2].path, project / "commoditysettings.lua");
    EXPECT_EQ(check.problems[2].line, 0u);
    EXPECT_EQ(check.problems[2].reason, "No such file or directory");
    EXPECT_EQ(check.problems[3],
              (ScriptProblem{project / "hub.lua", 1,
                             "the value \"maybe\" is not true, false or a number."}));
    EXPECT_EQ(check.problems[4],
              (ScriptProblem{project / "hub.lua", 2, "the value 1e99 is out of range."}));
}

TEST_F(ReaderTest, CheckMatchesLinesWithTheCodeTablesAndNamesAMissingTable) {
    writeScripts("Block[ZOO].value = x;\r\n", "", "Commodity[MEAT].value = x;\r\n", "");
    std::filesystem::remove(app / "com_code.txt");

    const ProjectCheck check = checkProjectScripts(realFileSystem(), app.path(), project.path());
    ASSERT_EQ(check.tableNotices.size(), 1u);
    EXPECT_NE(check.tableNotices[0].text.find("com_code.txt"), std::string::npos);
    // Without its code the MEAT line belongs to no record and is passed over,
    // as the load passes over it.
    ASSERT_EQ(check.problems.size(), 1u);
    EXPECT_EQ(check.problems[0].path, project / "blocksettings.lua");
    EXPECT_EQ(load().size(), 2u);  // the table and the block line
}

}  // namespace
}  // namespace tg
