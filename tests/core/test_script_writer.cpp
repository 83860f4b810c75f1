#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "fs/file_system.h"
#include "model/identifiers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"
#include "scripts/text_lines.h"
#include "test_support.h"

namespace tg {
namespace {

using test::listFolder;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::string kVersion = "1.0.0.1";
const std::string kMarkerBlock =
    "\r\n-----------------------------------\r\n-- Added by TG Edit 1.0.0.1\r\n"
    "-----------------------------------\r\n\r\n";

constexpr int kBlockFile = 0;
constexpr int kBusinessFile = 1;
constexpr int kCommodityFile = 2;
constexpr int kHubFile = 3;

constexpr int kAirport = 5;
constexpr int kZoo = 7;
constexpr int kDock1 = 38;
constexpr int kBakery = 1;
constexpr int kButchers = 3;
constexpr int kMeat = 0;
constexpr int kFish = 1;

std::string golden(const std::string& name) {
    return readBytes(std::string(TGEDIT_TEST_DATA_DIR) + "/writer/" + name);
}

std::string scriptPath(const EditorState& state, int fileNumber) {
    return state.ProjectPath + std::string(kScriptFiles[static_cast<std::size_t>(fileNumber)]);
}

// A state as a project load leaves it: every slot carries its identifier in
// both sets, nothing is changed yet.
EditorState loadedState(const std::string& projectPath) {
    EditorState state;
    SettingsModel& m = state.model;
    for (int i = 0; i < kBlockCount; ++i) {
        m.Blocks[i].code = std::string(kBlockIdentifiers[i]);
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        m.Businesses[i].code = std::string(kBusinessIdentifiers[i]);
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        m.Commodities[i].code = std::string(kCommodityIdentifiers[i]);
    }
    m.Tweaks.code = "Tweaks";
    m.copyLoadedToWorking();
    state.ProjectPath = projectPath;
    return state;
}

// Writes all four scripts with recognisable bytes (LF line ends, so any
// rewrite shows) and returns them in file-number order.
std::vector<std::string> writeAllScripts(const EditorState& state) {
    std::vector<std::string> bytes;
    for (int f = 0; f < 4; ++f) {
        bytes.push_back("-- script " + std::to_string(f) + "\nlocal x = 1\n");
        writeBytes(scriptPath(state, f), bytes.back());
    }
    return bytes;
}

std::vector<CodeLine> linesOfFile(const CodeLineList& list, int fileNumber) {
    std::vector<CodeLine> out;
    for (const CodeLine& line : list) {
        if (line.fileNumber == fileNumber) {
            out.push_back(line);
        }
    }
    return out;
}

bool holdsNoLines(const CodeLineList& list) {
    return list == emptyCodeArray();
}

// ---------------------------------------------------------------------------
// Building the lines
// ---------------------------------------------------------------------------

TEST(CreateCodeArray, NothingChangedLeavesTheMarkerEntryOnly) {
    EditorState state = loadedState("");
    state.bBlockHasChanged = state.bBusinessHasChanged = state.bCommodityHasChanged = true;
    state.CodeArray.push_back(CodeLine{"stale", 0, "1;"});
    Create_CodeArray(state);
    EXPECT_TRUE(holdsNoLines(state.CodeArray));
}

TEST(CreateCodeArray, BlockLinesInKeyOrderWithTheirForms) {
    EditorState state = loadedState("");
    BlockRecord& airport = state.model.EditBlocks[kAirport];
    airport.changed = true;
    airport.buildingrights = true;
    airport.ownable = false;
    airport.prestige = 1.5;
    airport.value = -150;
    BlockRecord& zoo = state.model.EditBlocks[kZoo];
    zoo.changed = true;
    zoo.prestige = 2.005;
    Create_CodeArray(state);
    const CodeLineList expected = {
        {"Block[AIRPORT].buildingrights = ", 0, "2;"}, {"Block[AIRPORT].ownable = ", 0, "false;"},
        {"Block[AIRPORT].prestige = ", 0, "1.50;"},    {"Block[AIRPORT].value = ", 0, "-150;"},
        {"Block[ZOO].buildingrights = ", 0, "0;"},     {"Block[ZOO].ownable = ", 0, "false;"},
        {"Block[ZOO].prestige = ", 0, "2.01;"},        {"Block[ZOO].value = ", 0, "0;"},
    };
    EXPECT_EQ(state.CodeArray, expected);
}

TEST(CreateCodeArray, ChangedRecordsGiveLinesWhateverTheKindFlagsSay) {
    EditorState state = loadedState("");
    state.model.EditCommodities[kFish].changed = true;
    Create_CodeArray(state);  // every flag clear
    EXPECT_EQ(linesOfFile(state.CodeArray, kCommodityFile).size(), 3u);
}

TEST(CreateCodeArray, BusinessLinesAndTheCommodityEntryRule) {
    EditorState state = loadedState("");
    BusinessRecord& loaded = state.model.Businesses[kBakery];
    loaded.commodities[0] = {"BREAD", 50};
    loaded.commodities[1] = {"DAIRY_PRODUCE", 20};
    loaded.commodities[3] = {"SWEETS", 0};
    BusinessRecord& bakery = state.model.EditBusinesses[kBakery];
    bakery.changed = true;
    bakery.commodities[0] = {"BREAD", 40};
    bakery.commodities[1] = {"", 0};        // emptied by the user: blanks its line
    bakery.commodities[2] = {"FISH", -3};   // a new entry with an amount
    bakery.commodities[3] = {"SWEETS", 0};  // a commodity without amount counts as free
    bakery.commodities[5] = {"TOYS", 0};    // free in both sets: no line
    bakery.closingtime = 18;
    bakery.density = 0.5;
    bakery.electricalneed = 3;
    bakery.gasneed = 1.255;
    bakery.telecomneed = 0.1;
    bakery.timeinstore = 0.75;
    bakery.waterneed = 2;
    bakery.footprintband = 2;
    bakery.maxarea = 4;
    bakery.maxheight = 3;
    bakery.maxside = 2;
    bakery.minarea = 1;
    bakery.minheight = 1;
    bakery.openingtime = 9;
    bakery.refurbcost = 500;
    bakery.stockcapacity = 120;
    Create_CodeArray(state);
    const std::string h = "BusinessInfo[BAKERY]";
    const CodeLineList expected = {
        {h + ".closingtime = ", 1, "18;"},   {h + ":AddCommodity(", 1, "BREAD,40);"},
        {h + ":AddCommodity(", 1, ""},       {h + ":AddCommodity(", 1, "FISH,-3);"},
        {h + ".density = ", 1, "0.5;"},      {h + ".electricalneed = ", 1, "3.00;"},
        {h + ".footprintband = ", 1, "2;"},  {h + ".gasneed = ", 1, "1.26;"},
        {h + ".maxarea = ", 1, "4;"},        {h + ".maxheight = ", 1, "3;"},
        {h + ".maxside = ", 1, "2;"},        {h + ".minarea = ", 1, "1;"},
        {h + ".minheight = ", 1, "1;"},      {h + ".openingtime = ", 1, "9;"},
        {h + ".refurbcost = ", 1, "500;"},   {h + ".stockcapacity = ", 1, "120;"},
        {h + ".telecomneed = ", 1, "0.10;"}, {h + ".timeinstore = ", 1, "0.75;"},
        {h + ".waterneed = ", 1, "2.00;"},
    };
    EXPECT_EQ(state.CodeArray, expected);
    for (const CodeLine& line : state.CodeArray) {
        EXPECT_EQ(line.valueText.find("*****"), std::string::npos) << line.head;
    }
}

TEST(CreateCodeArray, DensityUsesTheShortestForm) {
    EditorState state = loadedState("");
    const std::vector<std::pair<double, std::string>> cases = {
        {0.5, "0.5;"}, {3, "3;"}, {0.125, "0.125;"}, {-0.25, "-0.25;"}, {12.75, "12.75;"}};
    for (const auto& [density, text] : cases) {
        state.model.EditBusinesses[kButchers].changed = true;
        state.model.EditBusinesses[kButchers].density = density;
        Create_CodeArray(state);
        const auto lines = linesOfFile(state.CodeArray, kBusinessFile);
        ASSERT_EQ(lines.size(), 16u);  // no commodity entries in either set
        EXPECT_EQ(lines[1].head, "BusinessInfo[BUTCHERS].density = ");
        EXPECT_EQ(lines[1].valueText, text) << density;
    }
}

TEST(CreateCodeArray, CommodityLinesEmptyMembershipGivesTheBareClose) {
    EditorState state = loadedState("");
    CommodityRecord& meat = state.model.EditCommodities[kMeat];
    meat.changed = true;
    meat.markup = 1.5;
    meat.value = 10;
    CommodityRecord& fish = state.model.EditCommodities[kFish];
    fish.changed = true;
    fish.membership = "STAYOVERSHOPPING";
    fish.value = 0.005;
    Create_CodeArray(state);
    const CodeLineList expected = {
        {"Commodity[MEAT].markup = ", 2, "1.50;"},
        {"Commodity[MEAT]:Membership(", 2, ");"},
        {"Commodity[MEAT].value = ", 2, "10.00;"},
        {"Commodity[FISH].markup = ", 2, "0.00;"},
        {"Commodity[FISH]:Membership(", 2, "STAYOVERSHOPPING);"},
        {"Commodity[FISH].value = ", 2, "0.01;"},
    };
    EXPECT_EQ(state.CodeArray, expected);
}

TweaksRecord sampleTweaks() {
    TweaksRecord t;
    t.code = "Tweaks";
    t.blockleaselength = 100000;
    t.citybusinessesownable = true;
    t.dailyfreightEASY = 1;
    t.dailyfreightHARD = 3;
    t.dailyfreightMEDIUM = 2;
    t.daysoff = false;
    t.numyearsin24hours = -4;
    t.railutilincomeEASY = 2;
    t.railutilincomeHARD = 2.25;
    t.railutilincomeMEDIUM = 0.04;
    return t;
}

TEST(CreateCodeArray, TweaksOnlyWithTheCityFlagAndDifficultyKeysOnlyForACompatibleGame) {
    EditorState state = loadedState("");
    state.model.EditTweaks = sampleTweaks();
    Create_CodeArray(state);
    EXPECT_TRUE(holdsNoLines(state.CodeArray));

    state.bCityHasChanged = true;
    Create_CodeArray(state);
    const CodeLineList full = {
        {"Tweaks.blockleaselength = ", 3, "100000;"},
        {"Tweaks.citybusinessesownable = ", 3, "true;"},
        {"Tweaks.dailyfreightEASY = ", 3, "1;"},
        {"Tweaks.dailyfreightHARD = ", 3, "3;"},
        {"Tweaks.dailyfreightMEDIUM = ", 3, "2;"},
        {"Tweaks.daysoff = ", 3, "false;"},
        {"Tweaks.numyearsin24hours = ", 3, "-4;"},
        {"Tweaks.railutilincomeEASY = ", 3, "2.0;"},
        {"Tweaks.railutilincomeHARD = ", 3, "2.3;"},
        {"Tweaks.railutilincomeMEDIUM = ", 3, "0.0;"},
    };
    EXPECT_EQ(state.CodeArray, full);

    state.bVersionCompatible = false;
    Create_CodeArray(state);
    const CodeLineList locked = {full[0], full[1], full[5], full[6]};
    EXPECT_EQ(state.CodeArray, locked);
}

TEST(CreateCodeArray, KindsComeInFileOrder) {
    EditorState state = loadedState("");
    state.bCityHasChanged = true;
    state.model.EditCommodities[kMeat].changed = true;
    state.model.EditBusinesses[kBakery].changed = true;
    state.model.EditBlocks[kZoo].changed = true;
    Create_CodeArray(state);
    std::vector<int> numbers;
    for (const CodeLine& line : state.CodeArray) {
        if (numbers.empty() || numbers.back() != line.fileNumber) {
            numbers.push_back(line.fileNumber);
        }
    }
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3}));
}

TEST(CreateCodeArray, ARecordWithoutACodeGivesNoLines) {
    // "Block[]" would make the script fail to load in the game.
    EditorState state = loadedState("");
    state.model.EditBlocks[kZoo].code.clear();
    state.model.EditBlocks[kZoo].changed = true;
    state.model.EditBusinesses[kBakery].code.clear();
    state.model.EditBusinesses[kBakery].changed = true;
    Create_CodeArray(state);
    EXPECT_TRUE(holdsNoLines(state.CodeArray));
}

// ---------------------------------------------------------------------------
// Removing an entry
// ---------------------------------------------------------------------------

TEST(RemoveCodeLine, LaterEntriesMoveUpAndTheLastLeavesTheMarker) {
    CodeLineList list = {{"a", 0, "1;"}, {"b", 1, "2;"}, {"c", 2, "3;"}};
    Remove_CodeLine(list, 1);
    EXPECT_EQ(list, (CodeLineList{{"a", 0, "1;"}, {"c", 2, "3;"}}));
    Remove_CodeLine(list, 7);  // outside the list: nothing happens
    EXPECT_EQ(list.size(), 2u);
    Remove_CodeLine(list, 1);
    Remove_CodeLine(list, 0);
    EXPECT_TRUE(holdsNoLines(list));
    Remove_CodeLine(list, 0);
    EXPECT_TRUE(holdsNoLines(list));
}

// ---------------------------------------------------------------------------
// Rewriting one line
// ---------------------------------------------------------------------------

TEST(RewriteLine, KeepsTheCommentBehindOneBlankAndLosesIndentation) {
    CodeLineList list = {{"Block[AIRPORT].value = ", 0, "150;"}};
    EXPECT_EQ(Rewrite_Line(list, "Block[AIRPORT].value = 100;    -- base price", 0),
              "Block[AIRPORT].value = 150; -- base price");
    EXPECT_TRUE(holdsNoLines(list));

    list = {{"Block[AIRPORT].value = ", 0, "150;"}};
    EXPECT_EQ(Rewrite_Line(list, "\t\t block[airport].VALUE=100;", 0),
              "Block[AIRPORT].value = 150; ");
}

TEST(RewriteLine, LinesWithoutCodeAreLeftAlone) {
    CodeLineList list = {{"Block[AIRPORT].value = ", 0, "150;"}};
    for (const char* line : {"", "  \t ", "-- Block[AIRPORT].value = 100;", "  -- note"}) {
        EXPECT_EQ(Rewrite_Line(list, line, 0), "") << line;
    }
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].valueText, "150;");
}

TEST(RewriteLine, UnmatchedLinesComeBackAsTheyWere) {
    CodeLineList list = {{"Block[AIRPORT].value = ", 0, "150;"}};
    EXPECT_EQ(Rewrite_Line(list, "Block[ZOO].value = 5; -- zoo", 0),
              "Block[ZOO].value = 5; -- zoo");
    EXPECT_EQ(Rewrite_Line(list, "Block[\"AIRPORT\"].value = 5;", 0),
              "Block[\"AIRPORT\"].value = 5;");
    // The entry belongs to another script.
    EXPECT_EQ(Rewrite_Line(list, "Block[AIRPORT].value = 100;", 2), "Block[AIRPORT].value = 100;");
    EXPECT_EQ(list.size(), 1u);
}

TEST(RewriteLine, AnEmptiedEntryBlanksTheWholeLine) {
    CodeLineList list = {{"BusinessInfo[BAKERY]:AddCommodity(", 1, ""}};
    EXPECT_EQ(Rewrite_Line(list, "  BusinessInfo[BAKERY]:AddCommodity(BREAD, 50); -- bread", 1),
              " ");
    EXPECT_TRUE(holdsNoLines(list));
}

TEST(RewriteLine, TakesTheFirstEntryInListOrderAndUsesEachOnce) {
    const std::string h = "BusinessInfo[BAKERY]:AddCommodity(";
    CodeLineList list = {
        {"Block[ZOO].value = ", 0, "1;"}, {h, 1, "BREAD,40);"}, {h, 1, "FISH,5);"}};
    EXPECT_EQ(Rewrite_Line(list, "BusinessInfo[BAKERY]:AddCommodity(MEAT, 1);", 1),
              h + "BREAD,40); ");
    EXPECT_EQ(Rewrite_Line(list, "BusinessInfo[BAKERY]:AddCommodity(MEAT, 1);", 1),
              h + "FISH,5); ");
    EXPECT_EQ(Rewrite_Line(list, "BusinessInfo[BAKERY]:AddCommodity(MEAT, 1);", 1),
              "BusinessInfo[BAKERY]:AddCommodity(MEAT, 1);");
    EXPECT_EQ(list, (CodeLineList{{"Block[ZOO].value = ", 0, "1;"}}));
}

TEST(RewriteLine, OtherCodeOnTheSameLineIsKept) {
    CodeLineList list = {{"Block[ZOO].prestige = ", 0, "2.00;"}};
    EXPECT_EQ(Rewrite_Line(list, "Block[ZOO].value = 5; Block[ZOO].prestige = 1; -- both", 0),
              "Block[ZOO].value = 5; Block[ZOO].prestige = 2.00; -- both");
    // Code behind the setting goes onto a line of its own, with the comment,
    // so that the rewritten setting line stays readable.
    list = {{"Block[ZOO].value = ", 0, "6;"}};
    EXPECT_EQ(Rewrite_Line(list, "Block[ZOO].value = 5;  Block[ZOO].prestige = 1; -- c", 0),
              "Block[ZOO].value = 6;\r\n  Block[ZOO].prestige = 1; -- c");
    list = {{"Commodity[MEAT]:Membership(", 2, "MAINSHOPPING);"}};
    EXPECT_EQ(Rewrite_Line(list, "Commodity[meat]:Membership(NONE); x = 1;", 2),
              "Commodity[MEAT]:Membership(MAINSHOPPING);\r\n x = 1;");
    list = {{"BusinessInfo[BAKERY]:AddCommodity(", 1, ""}};
    EXPECT_EQ(Rewrite_Line(list, "x = 1; BusinessInfo[BAKERY]:AddCommodity(MEAT, 1);", 1),
              "x = 1; ");
}

TEST(RewriteLine, ASettingWithoutItsSemicolonLosesTheRestOfItsCode) {
    // The first line of a setting written over two lines.
    CodeLineList list = {{"Block[ZOO].value = ", 0, "6;"}};
    EXPECT_EQ(Rewrite_Line(list, "Block[ZOO].value =  -- value follows", 0),
              "Block[ZOO].value = 6; -- value follows");
}

// ---------------------------------------------------------------------------
// Whole scripts against golden files
// ---------------------------------------------------------------------------

class GoldenScripts : public ::testing::Test {
protected:
    // Puts <name>.in.lua in place of script fileNumber, saves, and returns
    // the script's bytes afterwards.
    std::string saveCase(const std::string& name, int fileNumber,
                         const std::function<void(EditorState&)>& edit) {
        state = loadedState(dir.path());
        writeBytes(scriptPath(state, fileNumber), golden(name + ".in.lua"));
        edit(state);
        const Notices notices = Save_Project(realFileSystem(), state, kVersion);
        EXPECT_TRUE(notices.empty());
        return readBytes(scriptPath(state, fileNumber));
    }

    TempDir dir;
    EditorState state;
};

TEST_F(GoldenScripts, ChangedBlocks) {
    const std::string out = saveCase("blocks", kBlockFile, [](EditorState& s) {
        BlockRecord& airport = s.model.EditBlocks[kAirport];
        airport = {"", true, "AIRPORT", true, true, 1.5, 150};
        BlockRecord& dock = s.model.EditBlocks[kDock1];
        dock = {"", false, "DOCK_1", true, false, 2, 7};
        s.bBlockHasChanged = true;
    });
    EXPECT_EQ(out, golden("blocks.out.lua"));
}

TEST_F(GoldenScripts, ChangedBusinesses) {
    const std::string out = saveCase("businesses", kBusinessFile, [](EditorState& s) {
        BusinessRecord& loaded = s.model.Businesses[kBakery];
        loaded.commodities[0] = {"BREAD", 50};
        loaded.commodities[1] = {"DAIRY_PRODUCE", 20};
        loaded.commodities[2] = {"SWEETS", 10};
        BusinessRecord& bakery = s.model.EditBusinesses[kBakery];
        bakery.changed = true;
        bakery.commodities = {{{"BREAD", 40}, {"", 0}, {"SWEETS", 10}, {"FISH", 5}, {}, {}}};
        bakery.closingtime = 18;
        bakery.density = 0.5;
        bakery.electricalneed = 3;
        bakery.footprintband = 2;
        bakery.gasneed = 1.25;
        bakery.maxarea = 4;
        bakery.maxheight = 3;
        bakery.maxside = 2;
        bakery.minarea = 1;
        bakery.minheight = 1;
        bakery.openingtime = 9;
        bakery.refurbcost = 500;
        bakery.stockcapacity = 120;
        bakery.telecomneed = 0.1;
        bakery.timeinstore = 0.75;
        bakery.waterneed = 2.5;

        s.model.Businesses[kButchers].commodities[0] = {"MEAT", 30};
        s.model.Businesses[kButchers].commodities[1] = {"FISH", 0};
        BusinessRecord& butchers = s.model.EditBusinesses[kButchers];
        butchers.changed = true;
        butchers.commodities[0] = {"MEAT", 30};
        butchers.commodities[1] = {"FISH", 0};
        butchers.closingtime = 19;
        butchers.density = 3;
        butchers.electricalneed = 1;
        butchers.footprintband = 1;
        butchers.gasneed = 0;
        butchers.maxarea = 6;
        butchers.maxheight = 2;
        butchers.maxside = 3;
        butchers.minarea = 2;
        butchers.minheight = 1;
        butchers.openingtime = 9;
        butchers.refurbcost = 800;
        butchers.stockcapacity = 60;
        butchers.telecomneed = 0.5;
        butchers.timeinstore = 0.5;
        butchers.waterneed = 1;
        s.bBusinessHasChanged = true;
    });
    EXPECT_EQ(out, golden("businesses.out.lua"));
}

TEST_F(GoldenScripts, ChangedCommoditiesAndNoLineEndAtTheEnd) {
    const std::string out = saveCase("commodities", kCommodityFile, [](EditorState& s) {
        CommodityRecord& meat = s.model.EditCommodities[kMeat];
        meat.changed = true;
        meat.markup = 1.5;
        meat.value = 10;
        meat.membership.clear();
        CommodityRecord& fish = s.model.EditCommodities[kFish];
        fish.changed = true;
        fish.markup = 2;
        fish.value = 12.345;
        fish.membership = "MAINSHOPPING";
        s.bCommodityHasChanged = true;
    });
    EXPECT_EQ(out, golden("commodities.out.lua"));
}

TEST_F(GoldenScripts, TweaksOfAnOldGameKeepTheirDifficultyLines) {
    const std::string out = saveCase("hub_old_version", kHubFile, [](EditorState& s) {
        TweaksRecord& t = s.model.EditTweaks;
        t.blockleaselength = 48;
        t.citybusinessesownable = true;
        t.dailyfreightEASY = 100;
        t.dailyfreightMEDIUM = 200;
        t.dailyfreightHARD = 300;
        t.daysoff = false;
        t.numyearsin24hours = 2;
        t.railutilincomeEASY = 3;
        t.railutilincomeMEDIUM = 4;
        t.railutilincomeHARD = 5;
        s.bCityHasChanged = true;
        s.bVersionCompatible = false;
    });
    EXPECT_EQ(out, golden("hub_old_version.out.lua"));
}

TEST_F(GoldenScripts, AFlagWithoutLinesOnlyNormalisesLineEnds) {
    for (const char* name : {"lf_only", "cr_only", "mixed_ends", "empty"}) {
        const std::string out =
            saveCase(name, kBlockFile, [](EditorState& s) { s.bBlockHasChanged = true; });
        EXPECT_EQ(out, golden(std::string(name) + ".out.lua")) << name;
    }
}

TEST_F(GoldenScripts, EachAppendingSaveAddsOneMarkerBlock) {
    state = loadedState(dir.path());
    const std::string path = scriptPath(state, kBlockFile);
    writeBytes(path, golden("two_saves.in.lua"));
    state.model.EditBlocks[kAirport] = {"", true, "AIRPORT", true, true, 1.5, 150};
    state.bBlockHasChanged = true;
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    const std::string once = readBytes(path);
    EXPECT_EQ(once.size() - once.find(kMarkerBlock), kMarkerBlock.size() + 33)
        << "one marker block, then the prestige line";

    state.model.EditBlocks[kZoo] = {"", false, "ZOO", true, false, 0.25, 5};
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    EXPECT_EQ(readBytes(path), golden("two_saves.out.lua"));

    // A third save finds every line in place and appends nothing: the lines
    // added last time only gain the blank that stands before a comment.
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    std::string third = golden("two_saves.out.lua");
    for (const char* tail : {"= 0;", "= false;", "= 0.25;", "= 5;"}) {
        const std::string end = std::string(tail) + "\r\n";
        third.replace(third.rfind(end), end.size(), std::string(tail) + " \r\n");
    }
    EXPECT_EQ(readBytes(path), third);
}

// ---------------------------------------------------------------------------
// Which scripts are written
// ---------------------------------------------------------------------------

TEST(WriteScripts, AllFlagsClearWritesNothing) {
    TempDir dir;
    EditorState state = loadedState(dir.path());
    const std::vector<std::string> before = writeAllScripts(state);
    for (auto& block : state.model.EditBlocks) {
        block.changed = true;
    }
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(readBytes(scriptPath(state, f)), before[f]) << f;
    }
    EXPECT_EQ(linesOfFile(state.CodeArray, kBlockFile).size(), 4u * kBlockCount);
}

TEST(WriteScripts, AChangedRecordWithItsKindFlagClearLeavesItsScript) {
    TempDir dir;
    EditorState state = loadedState(dir.path());
    const std::vector<std::string> before = writeAllScripts(state);
    state.model.EditBlocks[kZoo].changed = true;  // bBlockHasChanged stays clear
    state.model.EditCommodities[kMeat].changed = true;
    state.bCommodityHasChanged = true;
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    EXPECT_EQ(readBytes(scriptPath(state, kBlockFile)), before[kBlockFile]);
    EXPECT_NE(readBytes(scriptPath(state, kCommodityFile)), before[kCommodityFile]);
    // The block lines wait in the list; the commodity lines were used.
    EXPECT_EQ(state.CodeArray.size(), 4u);
    EXPECT_EQ(linesOfFile(state.CodeArray, kBlockFile).size(), 4u);
}

TEST(WriteScripts, ChangesNoFieldOfTheModelAndNoFlag) {
    TempDir dir;
    EditorState state = loadedState(dir.path());
    writeAllScripts(state);
    state.model.EditBlocks[kZoo] = {"Zoo", true, "ZOO", true, true, 3.25, 12};
    state.model.EditBusinesses[kBakery].changed = true;
    state.model.EditBusinesses[kBakery].commodities[0] = {"BREAD", 4};
    state.model.EditCommodities[kMeat].changed = true;
    state.model.EditTweaks = sampleTweaks();
    state.bBlockHasChanged = state.bBusinessHasChanged = state.bCommodityHasChanged = true;
    state.bCityHasChanged = state.bDataHasChanged = true;
    const SettingsModel modelBefore = state.model;
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    EXPECT_TRUE(state.model.EditBlocks == modelBefore.EditBlocks);
    EXPECT_TRUE(state.model.EditBusinesses == modelBefore.EditBusinesses);
    EXPECT_TRUE(state.model.EditCommodities == modelBefore.EditCommodities);
    EXPECT_EQ(state.model.EditTweaks, modelBefore.EditTweaks);
    EXPECT_TRUE(state.model.Businesses == modelBefore.Businesses);
    EXPECT_TRUE(state.bBlockHasChanged && state.bBusinessHasChanged && state.bCommodityHasChanged &&
                state.bCityHasChanged && state.bDataHasChanged);
    EXPECT_TRUE(holdsNoLines(state.CodeArray));  // every line went somewhere
}

TEST(WriteScripts, FindsScriptsInOtherLetterCase) {
    TempDir dir;
    EditorState state = loadedState(dir.path());
    writeBytes(dir / "HUB.LUA", "Tweaks.daysoff = false;\r\n");
    state.model.EditTweaks.daysoff = true;
    state.bCityHasChanged = true;
    state.bVersionCompatible = false;
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    EXPECT_EQ(readBytes(dir / "HUB.LUA").substr(0, 25), "Tweaks.daysoff = true; \r\n");
    EXPECT_EQ(listFolder(dir.path()), "HUB.LUA\n");
}

TEST(WriteScripts, AnEmptiedEntryWithoutALineIsDroppedNotAppended) {
    TempDir dir;
    EditorState state = loadedState(dir.path());
    writeBytes(scriptPath(state, kBusinessFile), "-- the line of BREAD is gone\r\n");
    state.model.Businesses[kBakery].commodities[0] = {"BREAD", 50};
    state.model.EditBusinesses[kBakery].changed = true;
    state.bBusinessHasChanged = true;
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    const std::string out = readBytes(scriptPath(state, kBusinessFile));
    EXPECT_EQ(out.find("AddCommodity"), std::string::npos);
    EXPECT_NE(out.find("\r\nBusinessInfo[BAKERY].closingtime = 0;\r\n"), std::string::npos);
}

TEST(WriteScripts, LongScriptsAndLongLinesHaveNoLimit) {
    TempDir dir;
    EditorState state = loadedState(dir.path());
    const std::string longComment(70000, 'x');
    std::string in;
    for (int i = 0; i < 40000; ++i) {
        in += "-- filler " + std::to_string(i) + "\n";
    }
    in += std::string(40000, ' ') + "Block[ZOO].value = 1; --" + longComment + "\n";
    writeBytes(scriptPath(state, kBlockFile), in);
    state.model.EditBlocks[kZoo].changed = true;
    state.model.EditBlocks[kZoo].value = 9;
    state.bBlockHasChanged = true;
    EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
    const std::string out = readBytes(scriptPath(state, kBlockFile));
    const auto lines = splitLines(out);
    ASSERT_GE(lines.size(), 40001u);
    EXPECT_EQ(lines[39999], "-- filler 39999");
    EXPECT_EQ(lines[40000], "Block[ZOO].value = 9; --" + longComment);
}

// ---------------------------------------------------------------------------
// Failures: the script keeps its bytes, the others are still written
// ---------------------------------------------------------------------------

// Fails one step for one file name; every other access goes through.
class FaultyFileSystem : public FileSystem {
public:
    FaultyFileSystem(FsStep step, std::string fileName)
        : step_(step), fileName_(std::move(fileName)) {}

protected:
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override {
        if (step == step_ && path.find(fileName_) != std::string::npos) {
            return "the disk is full";
        }
        return std::nullopt;
    }

private:
    FsStep step_;
    std::string fileName_;
};

// Every kind changed, all four scripts present with LF line ends.
EditorState everythingChanged(const std::string& project) {
    EditorState state = loadedState(project);
    state.model.EditBlocks[kZoo].changed = true;
    state.model.EditBusinesses[kBakery].changed = true;
    state.model.EditCommodities[kMeat].changed = true;
    state.bBlockHasChanged = state.bBusinessHasChanged = state.bCommodityHasChanged = true;
    state.bCityHasChanged = true;
    return state;
}

TEST(WriteScriptsFailure, EachFailedStepLeavesTheScriptAndNoTemporaryFile) {
    for (FsStep step : {FsStep::Open, FsStep::Write, FsStep::Flush, FsStep::Rename}) {
        TempDir dir;
        EditorState state = everythingChanged(dir.path());
        const std::vector<std::string> before = writeAllScripts(state);
        const std::string names = listFolder(dir.path());
        FaultyFileSystem fs(step, "businesssettings.lua");
        const Notices notices = Save_Project(fs, state, kVersion);
        ASSERT_EQ(notices.size(), 1u) << static_cast<int>(step);
        EXPECT_EQ(notices[0].title, "TG Edit");
        EXPECT_EQ(notices[0].text,
                  "Cannot save " + scriptPath(state, kBusinessFile) + ": the disk is full");
        EXPECT_EQ(readBytes(scriptPath(state, kBusinessFile)), before[kBusinessFile]);
        for (int f : {kBlockFile, kCommodityFile, kHubFile}) {
            EXPECT_NE(readBytes(scriptPath(state, f)), before[f]) << f;
        }
        EXPECT_EQ(listFolder(dir.path()), names) << static_cast<int>(step);
        // The business lines were not used; they stay waiting.
        EXPECT_EQ(linesOfFile(state.CodeArray, kBusinessFile).size(), 16u);
    }
}

TEST(WriteScriptsFailure, AReadOnlyScriptIsReportedAndKept) {
    TempDir dir;
    EditorState state = everythingChanged(dir.path());
    const std::vector<std::string> before = writeAllScripts(state);
    const std::string blocks = scriptPath(state, kBlockFile);
    std::filesystem::permissions(blocks, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    const Notices notices = Save_Project(realFileSystem(), state, kVersion);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (Notice{"TG Edit", "Cannot save " + blocks + ": the file is read-only"}));
    EXPECT_EQ(readBytes(blocks), before[kBlockFile]);
    EXPECT_NE(readBytes(scriptPath(state, kHubFile)), before[kHubFile]);
}

TEST(WriteScriptsFailure, AMissingScriptIsReportedAndNotCreated) {
    TempDir dir;
    EditorState state = everythingChanged(dir.path());
    const std::vector<std::string> before = writeAllScripts(state);
    std::filesystem::remove(scriptPath(state, kHubFile));
    std::filesystem::remove(scriptPath(state, kCommodityFile));
    const Notices notices = Save_Project(realFileSystem(), state, kVersion);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].text.rfind("Cannot save " + scriptPath(state, kCommodityFile) + ": ", 0),
              0u)
        << notices[0].text;
    EXPECT_EQ(notices[1].text.rfind("Cannot save " + scriptPath(state, kHubFile) + ": ", 0), 0u)
        << notices[1].text;
    EXPECT_FALSE(std::filesystem::exists(scriptPath(state, kHubFile)));
    EXPECT_FALSE(std::filesystem::exists(scriptPath(state, kCommodityFile)));
    EXPECT_NE(readBytes(scriptPath(state, kBlockFile)), before[kBlockFile]);
    EXPECT_NE(readBytes(scriptPath(state, kBusinessFile)), before[kBusinessFile]);
}

TEST(WriteScriptsFailure, NoProjectFolderWritesNothing) {
    EditorState state = everythingChanged("");
    const Notices notices = Save_Project(realFileSystem(), state, kVersion);
    ASSERT_EQ(notices.size(), 4u);
    EXPECT_EQ(notices[0].text, "Cannot save blocksettings.lua: no project folder is open");
}

// ---------------------------------------------------------------------------
// Round trip through the reader and the real Lua interpreter
// ---------------------------------------------------------------------------

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

// Code tables beside the program: every identifier in slot order.
template <std::size_t N>
void writeCodeTables(const std::string& appPath, const std::string& prefix,
                     const std::array<std::string_view, N>& identifiers) {
    std::string codes = "// identifiers in slot order\r\n";
    std::string names;
    for (std::size_t i = 0; i < N; ++i) {
        codes += std::string(identifiers[i]) + "\r\n";
        names += prefix + " name " + std::to_string(i) + "\r\n";
    }
    writeBytes(appPath + prefix + "_code.txt", codes);
    writeBytes(appPath + prefix + "_usa.txt", names);
}

// A project whose scripts give every record its settings in assorted
// spellings, among lines that belong to no record. Returns the lines that
// must come back unchanged, by script and line position.
std::vector<std::set<std::size_t>> writeRoundTripProject(const std::string& project) {
    std::vector<std::set<std::size_t>> keep(4);
    std::vector<std::vector<std::string>> files(4);
    auto other = [&](int f, const std::string& line) {
        keep[f].insert(files[f].size());
        files[f].push_back(line);
    };
    auto setting = [&](int f, const std::string& line) { files[f].push_back(line); };

    other(0, "-- Tollgrove blocks");
    for (int i = 0; i < kBlockCount; ++i) {
        const std::string b = "Block[" + std::string(kBlockIdentifiers[i]) + "]";
        other(0, "");
        other(0, "-- " + b + ".value = 1;");
        setting(0, b + ".value = " + std::to_string(100 + i) + ";  -- price " + std::to_string(i));
        setting(0, "\t" + b + ".prestige=" + std::to_string(i) + ".5;");
        setting(0, b + ".ownable = " + (i % 2 ? "true" : "false") + ";");
        setting(0, b + ".buildingrights = " + std::to_string(i % 3) + ";");
    }
    other(0, "local blocksDone = true");

    const std::vector<std::string> intKeys = {
        "closingtime", "footprintband", "maxarea",     "maxheight",  "maxside",
        "minarea",     "minheight",     "openingtime", "refurbcost", "stockcapacity"};
    const std::vector<std::string> realKeys = {"density",     "electricalneed", "gasneed",
                                               "telecomneed", "timeinstore",    "waterneed"};
    other(1, "-- Tollgrove businesses");
    for (int i = 0; i < kBusinessCount; ++i) {
        const std::string b = "BusinessInfo[" + std::string(kBusinessIdentifiers[i]) + "]";
        other(1, "");
        for (const auto& key : intKeys) {
            setting(1, b + "." + key + " = " + std::to_string(i + 1) + ";");
        }
        setting(1, b + ":AddCommodity(MEAT, 10);");
        setting(1, "  " + b + ":AddCommodity( FISH , 20 ); -- second");
        for (const auto& key : realKeys) {
            setting(1, b + "." + key + " = 0.25;");
        }
    }

    other(2, "-- Tollgrove commodities");
    for (int i = 0; i < kCommodityCount; ++i) {
        const std::string c = "Commodity[" + std::string(kCommodityIdentifiers[i]) + "]";
        setting(2, c + ".value = " + std::to_string(i) + ";");
        setting(2, c + ".markup = 1.5; -- markup");
        setting(2, c + ":Membership(MAINSHOPPING);");
        other(2, "--[[ " + std::to_string(i) + " ]]");
    }

    other(3, "-- Tollgrove tweaks");
    other(3, "Tweaks = Tweaks or {}");
    for (const char* key : {"blockleaselength", "dailyfreightEASY", "dailyfreightMEDIUM",
                            "dailyfreightHARD", "numyearsin24hours"}) {
        setting(3, std::string("Tweaks.") + key + " = 12;");
    }
    for (const char* key : {"citybusinessesownable", "daysoff"}) {
        setting(3, std::string("Tweaks.") + key + " = false;");
    }
    for (const char* key : {"railutilincomeEASY", "railutilincomeMEDIUM", "railutilincomeHARD"}) {
        setting(3, std::string("Tweaks.") + key + " = 1.0;");
    }
    other(3, "return Tweaks");

    for (int f = 0; f < 4; ++f) {
        writeBytes(project + std::string(kScriptFiles[f]), joinLines(files[f]));
    }
    return keep;
}

// New values for every record, in forms that survive writing and reading
// (apart from the rounding that the two-decimal form does on purpose).
void changeEverything(EditorState& state) {
    SettingsModel& m = state.model;
    for (int i = 0; i < kBlockCount; ++i) {
        BlockRecord& b = m.EditBlocks[i];
        b.changed = true;
        b.value = static_cast<std::int16_t>(-7 * i);
        b.prestige = i + 0.25;
        b.ownable = i % 2 == 0;
        b.buildingrights = i % 3 != 2;
    }
    m.EditBlocks[0].prestige = 1.005;  // written 1.01
    for (int i = 0; i < kBusinessCount; ++i) {
        BusinessRecord& b = m.EditBusinesses[i];
        b.changed = true;
        b.closingtime = static_cast<std::int16_t>(i % 24);
        b.footprintband = 3;
        b.maxarea = static_cast<std::int16_t>(1 + i % 49);
        b.maxheight = 12;
        b.maxside = 7;
        b.minarea = 1;
        b.minheight = 2;
        b.openingtime = 18;
        b.refurbcost = static_cast<std::int16_t>(30000 + i);
        b.stockcapacity = 250;
        b.density = i / 8.0;
        b.electricalneed = 3;
        b.gasneed = 0.5;
        b.telecomneed = 1.75;
        b.timeinstore = 2.05;
        b.waterneed = 10;
        switch (i % 3) {
            case 0:
                b.commodities[1] = {};
                break;  // emptied
            case 1:
                b.commodities[2] = {"BREAD", 30};
                break;  // added
            default:
                b.commodities[0] = {"SWEETS", -5};
                break;  // replaced
        }
    }
    const char* groups[] = {"", "MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING"};
    for (int i = 0; i < kCommodityCount; ++i) {
        CommodityRecord& c = m.EditCommodities[i];
        c.changed = true;
        c.value = 1000.5 + i;
        c.markup = 0.75;
        c.membership = groups[i % 4];
    }
    TweaksRecord& t = m.EditTweaks;
    t.blockleaselength = 70000;
    t.citybusinessesownable = true;
    t.dailyfreightEASY = 5;
    t.dailyfreightMEDIUM = 6;
    t.dailyfreightHARD = 7;
    t.daysoff = true;
    t.numyearsin24hours = 3;
    t.railutilincomeEASY = 0.5;
    t.railutilincomeMEDIUM = 2.25;  // written 2.3
    t.railutilincomeHARD = 4;
    state.bBlockHasChanged = state.bBusinessHasChanged = true;
    state.bCommodityHasChanged = state.bCityHasChanged = state.bDataHasChanged = true;
    state.bVersionCompatible = true;
}

// Runs a script under the real Lua interpreter with tables that record what
// it sets, and returns what it printed (empty when it failed).
std::string runUnderLua(const TempDir& dir, const std::string& script, const std::string& dump) {
    const std::string harness = dir / "harness.lua";
    writeBytes(harness, R"(
setmetatable(_G, {__index = function(_, name) return name end})
local function records()
  return setmetatable({}, {__index = function(t, code)
    local r = {entries = {}}
    function r:AddCommodity(c, a) table.insert(self.entries, c .. ":" .. a) end
    function r:Membership(g) self.membership = g end
    rawset(t, code, r)
    return r
  end})
end
Block, BusinessInfo, Commodity, Tweaks = records(), records(), records(), {}
dofile(arg[1])
)" + dump);
    const std::string output = dir / "lua.out";
    const std::string command = std::string(TGEDIT_LUA) + " \"" + harness + "\" \"" + script +
                                "\" > \"" + output + "\" 2>&1";
    const int status = std::system(command.c_str());
    const std::string printed = readBytes(output);
    EXPECT_EQ(status, 0) << printed;
    return status == 0 ? printed : std::string();
}

// A project whose every record is changed and saved: once with the model set
// up by hand as a load leaves it, once through the reader.
class EverythingSaved : public ::testing::Test {
protected:
    void SetUp() override {
        writeCodeTables(app.path(), "blk", kBlockIdentifiers);
        writeCodeTables(app.path(), "biz", kBusinessIdentifiers);
        writeCodeTables(app.path(), "com", kCommodityIdentifiers);
        keep = writeRoundTripProject(project.path());
        for (int f = 0; f < 4; ++f) {
            before.push_back(readBytes(scriptPath(f)));
        }
    }

    std::string scriptPath(int f) const {
        return project / std::string(kScriptFiles[static_cast<std::size_t>(f)]);
    }

    // Changes every record and saves; returns the edited model.
    SettingsModel changeAndSave(EditorState& state) {
        changeEverything(state);
        const SettingsModel edited = state.model;
        EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
        return edited;
    }

    // Lines that belong to no record keep their bytes and their place.
    void expectForeignLinesKept() const {
        for (int f = 0; f < 4; ++f) {
            const std::string after = readBytes(scriptPath(f));
            const auto oldLines = splitLines(before[f]);
            const auto newLines = splitLines(after);
            ASSERT_GE(newLines.size(), oldLines.size());
            for (std::size_t i : keep[f]) {
                EXPECT_EQ(newLines[i], oldLines[i]) << kScriptFiles[f] << " line " << i;
            }
        }
    }

    TempDir app;
    TempDir project;
    std::vector<std::set<std::size_t>> keep;
    std::vector<std::string> before;
};

TEST_F(EverythingSaved, OtherLinesKeepTheirBytesAndLuaSeesTheNewValues) {
    EditorState state = loadedState(project.path());
    for (BusinessRecord& business : state.model.Businesses) {
        business.commodities[0] = {"MEAT", 10};
        business.commodities[1] = {"FISH", 20};
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        state.model.EditBusinesses[i].commodities = state.model.Businesses[i].commodities;
    }
    changeAndSave(state);
    expectForeignLinesKept();
    EXPECT_TRUE(holdsNoLines(state.CodeArray));

    // Only the businesses gained lines (their third commodity).
    const std::string businesses = readBytes(scriptPath(kBusinessFile));
    EXPECT_NE(businesses.find(kMarkerBlock + "BusinessInfo[BAKERY]:AddCommodity(BREAD,30);\r\n"),
              std::string::npos);
    for (int f : {kBlockFile, kCommodityFile, kHubFile}) {
        EXPECT_EQ(readBytes(scriptPath(f)).find("Added by"), std::string::npos);
    }

    // The game's interpreter takes the saved scripts and sees the new values.
    EXPECT_EQ(runUnderLua(project, scriptPath(kBlockFile),
                          "local b = Block.AIRPORT print(b.value, b.prestige, b.ownable, "
                          "b.buildingrights)"),
              "-35\t5.25\tfalse\t0\n");
    EXPECT_EQ(
        runUnderLua(project, scriptPath(kBusinessFile),
                    "local b = BusinessInfo.BAKERY print(table.concat(b.entries, ' '), "
                    "b.density, b.electricalneed)\n"
                    "local a = BusinessInfo.ANTIQUE_STORE print(table.concat(a.entries, ' '))\n"
                    "local c = BusinessInfo.BOOK_STORE print(table.concat(c.entries, ' '))"),
        "MEAT:10 FISH:20 BREAD:30\t0.125\t3.0\nMEAT:10\nSWEETS:-5 FISH:20\n");
    EXPECT_EQ(runUnderLua(project, scriptPath(kCommodityFile),
                          "local c = Commodity.MEAT print(c.value, c.markup, c.membership)\n"
                          "print(Commodity.FISH.membership)"),
              "1000.5\t0.75\tnil\nMAINSHOPPING\n");
    EXPECT_EQ(runUnderLua(project, scriptPath(kHubFile),
                          "print(Tweaks.blockleaselength, Tweaks.daysoff, "
                          "Tweaks.railutilincomeMEDIUM)"),
              "70000\ttrue\t2.3\n");
}

TEST_F(EverythingSaved, ReloadingGivesTheValuesInTheirWrittenForms) {
    EditorState state;
    state.ProjectPath = project.path();
    ASSERT_TRUE(loadProjectModel(realFileSystem(), app.path(), state).empty());
    ASSERT_EQ(state.model.Blocks[kAirport].value, 100 + kAirport);
    ASSERT_EQ(state.model.Businesses[kBakery].commodities[1], (CommodityEntry{"FISH", 20}));
    const SettingsModel edited = changeAndSave(state);
    expectForeignLinesKept();

    EditorState reloaded;
    reloaded.ProjectPath = project.path();
    ASSERT_TRUE(loadProjectModel(realFileSystem(), app.path(), reloaded).empty());
    const SettingsModel& m = reloaded.model;
    for (int i = 0; i < kBlockCount; ++i) {
        BlockRecord expected = edited.EditBlocks[i];
        expected.changed = false;
        if (i == 0) {
            expected.prestige = 1.01;
        }
        EXPECT_EQ(m.Blocks[i], expected) << kBlockIdentifiers[i];
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        BusinessRecord expected = edited.EditBusinesses[i];
        expected.changed = false;
        EXPECT_EQ(m.Businesses[i], expected) << kBusinessIdentifiers[i];
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        CommodityRecord expected = edited.EditCommodities[i];
        expected.changed = false;
        EXPECT_EQ(m.Commodities[i], expected) << kCommodityIdentifiers[i];
    }
    TweaksRecord tweaks = edited.EditTweaks;
    tweaks.railutilincomeMEDIUM = 2.3;
    EXPECT_EQ(m.Tweaks, tweaks);
}

}  // namespace
}  // namespace tg
