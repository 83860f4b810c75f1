// tgedit-cli from the outside: the built binary run on copies of the stand-in
// game's scripts, its output compared with what Lua itself makes of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "run_command.h"
#include "test_support.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::linesOf;
using test::readBytes;
using test::runCommand;
using test::TempDir;
using test::writeBytes;

const std::string kLuaDir = std::string(TGEDIT_SOURCE_DIR) + "/tests/lua/";
const std::vector<std::string> kScripts = {"blocksettings.lua", "businesssettings.lua",
                                           "commoditysettings.lua", "hub.lua"};

test::CommandResult cli(std::vector<std::string> args, const std::string& program = TGEDIT_CLI) {
    args.insert(args.begin(), program);
    return runCommand(args);
}

test::CommandResult luaDump(const std::string& folder) {
    return runCommand({TGEDIT_LUA, kLuaDir + "dump.lua", folder, TGEDIT_DATA_DIR});
}

std::vector<std::string> sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The four scripts' bytes and the folder's names: what a refused command
// must leave exactly as it was.
std::string snapshot(const std::string& folder) {
    std::string all = test::listFolder(folder);
    for (const auto& script : kScripts) {
        all += "== " + script + "\n" + readBytes(folder + script);
    }
    return all;
}

// The lines of `after` that are not in `before`.
std::vector<std::string> newLines(const std::string& before, const std::string& after) {
    const auto old = sorted(linesOf(before));
    std::vector<std::string> added;
    for (const auto& line : sorted(linesOf(after))) {
        if (!std::binary_search(old.begin(), old.end(), line)) {
            added.push_back(line);
        }
    }
    return added;
}

// A project made from the stand-in game's scripts.
class CliProject : public ::testing::Test {
protected:
    void SetUp() override { test::copyDemoScripts(project.path()); }

    // The project folder as a user types it, without the trailing separator.
    std::string dir() const { return project.path().substr(0, project.path().size() - 1); }

    test::CommandResult show() { return cli({"show", dir()}); }

    TempDir project;
};

// --- show -------------------------------------------------------------------------

TEST_F(CliProject, ShowListsEverySettingAsLuaSeesIt) {
    const auto shown = show();
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.err, "");
    const auto lua = luaDump(project.path());
    ASSERT_EQ(lua.exitCode, 0) << lua.err;

    const auto lines = linesOf(shown.out);
    EXPECT_EQ(lines.size(), 42u * 4 + 45u * 22 + 32u * 3 + 10);
    EXPECT_EQ(sorted(lines), sorted(linesOf(lua.out)));
}

TEST_F(CliProject, ShowOrdersKindsRecordsAndFields) {
    const auto lines = linesOf(show().out);
    ASSERT_EQ(lines.size(), 1264u);
    EXPECT_EQ(lines.front(), "block CARROWAY_AVENUE buildingrights false");
    EXPECT_EQ(lines[4], "block DUNMERE_AVENUE buildingrights false");
    EXPECT_EQ(lines[168], "business ANTIQUE_STORE closingtime 18");
    EXPECT_EQ(lines[168 + 990], "commodity MEAT markup 1.3");
    EXPECT_EQ(lines.back(), "tweaks Tweaks railutilincomeMEDIUM 1");

    // The whole of one business, in its field order.
    const std::vector<std::string> bakery(lines.begin() + 168 + 22, lines.begin() + 168 + 44);
    const std::vector<std::string> expected = {
        "business BAKERY closingtime 17",       "business BAKERY commodity1 BREAD:80",
        "business BAKERY commodity2 SWEETS:20", "business BAKERY commodity3 :0",
        "business BAKERY commodity4 :0",        "business BAKERY commodity5 :0",
        "business BAKERY commodity6 :0",        "business BAKERY density 1.5",
        "business BAKERY electricalneed 0.5",   "business BAKERY footprintband 1",
        "business BAKERY gasneed 0.8",          "business BAKERY minarea 1",
        "business BAKERY minheight 1",          "business BAKERY maxarea 4",
        "business BAKERY maxheight 2",          "business BAKERY maxside 4",
        "business BAKERY openingtime 9",        "business BAKERY refurbcost 900",
        "business BAKERY stockcapacity 120",    "business BAKERY telecomneed 0.1",
        "business BAKERY timeinstore 0.25",     "business BAKERY waterneed 0.4"};
    EXPECT_EQ(bakery, expected);
}

TEST_F(CliProject, ShowTakesTheFolderWithOrWithoutTrailingSeparator) {
    const auto without = show();
    const auto with = cli({"show", project.path()});
    EXPECT_EQ(with.exitCode, 0);
    EXPECT_EQ(with.out, without.out);
}

TEST_F(CliProject, ShowReportsAReaderFailureAndStillLists) {
    std::string blocks = readBytes(project / "blocksettings.lua");
    const std::string good = "Block[ZOO].value    = 12000;";
    const auto pos = blocks.find(good);
    ASSERT_NE(pos, std::string::npos);
    blocks.replace(pos, good.size(), "Block[ZOO].value    = 12000");  // no ";"
    writeBytes(project / "blocksettings.lua", blocks);

    const auto shown = show();
    EXPECT_EQ(shown.exitCode, 1);
    const auto messages = linesOf(shown.err);
    ASSERT_EQ(messages.size(), 1u) << shown.err;
    EXPECT_NE(messages[0].find("blocksettings.lua"), std::string::npos) << messages[0];
    const auto lines = linesOf(shown.out);
    EXPECT_EQ(lines.size(), 1264u);
    // Blocks before the broken line keep their values; later ones read as zero.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "block AIRPORT value 25000"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "block ZOO value 0"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "business BAKERY refurbcost 900"), lines.end());
}

TEST_F(CliProject, ShowOfAMissingFolderFails) {
    const auto shown = cli({"show", project / "nowhere"});
    EXPECT_EQ(shown.exitCode, 1);
    EXPECT_GE(linesOf(shown.err).size(), 4u) << shown.err;  // one per script
}

// --- set --------------------------------------------------------------------------

TEST_F(CliProject, SetChangesExactlyTheGivenSettingsAndLuaStillReadsThem) {
    const std::string before = show().out;
    const std::string others = readBytes(project / "businesssettings.lua") +
                               readBytes(project / "commoditysettings.lua") +
                               readBytes(project / "hub.lua");

    const auto set = cli({"set", dir(), "block", "AIRPORT", "value=150", "prestige=2.25",
                          "ownable=TRUE", "buildingrights=true"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.err, "");

    const std::string after = show().out;
    const std::vector<std::string> expected = {
        "block AIRPORT buildingrights true", "block AIRPORT ownable true",
        "block AIRPORT prestige 2.25", "block AIRPORT value 150"};
    EXPECT_EQ(newLines(before, after), expected);

    // The rewritten script is still Lua and Lua reads the same values.
    const auto lua = luaDump(project.path());
    ASSERT_EQ(lua.exitCode, 0) << lua.err;
    EXPECT_EQ(sorted(linesOf(lua.out)), sorted(linesOf(after)));
    // Only the block script was rewritten.
    EXPECT_EQ(readBytes(project / "businesssettings.lua") +
                  readBytes(project / "commoditysettings.lua") + readBytes(project / "hub.lua"),
              others);
}

TEST_F(CliProject, SetReadsNumbersAsTheEditorDoes) {
    const struct {
        std::string value;
        std::string shown;
    } cases[] = {{"2.5", "2"}, {"3.5", "4"}, {"12abc", "12"}, {" 1 500", "1500"}, {"-7", "-7"}};
    for (const auto& c : cases) {
        const auto set = cli({"set", dir(), "business", "BAKERY", "refurbcost=" + c.value});
        ASSERT_EQ(set.exitCode, 0) << c.value << ": " << set.err;
        const auto lines = linesOf(show().out);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "business BAKERY refurbcost " + c.shown),
                  lines.end())
            << c.value;
    }
}

TEST_F(CliProject, SetFillsAndFreesCommodityEntries) {
    // BAKERY sells BREAD:80 and SWEETS:20.
    auto set = cli({"set", dir(), "business", "BAKERY", "commodity1=BREAD:60",
                    "commodity3=DRINKS:20", "commodity2="});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    auto lines = linesOf(show().out);
    const auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    // The freed second line is blanked, so the third entry reads back second.
    EXPECT_TRUE(has("business BAKERY commodity1 BREAD:60"));
    EXPECT_TRUE(has("business BAKERY commodity2 DRINKS:20"));
    EXPECT_TRUE(has("business BAKERY commodity3 :0"));

    const auto lua = luaDump(project.path());
    ASSERT_EQ(lua.exitCode, 0) << lua.err;
    EXPECT_EQ(sorted(linesOf(lua.out)), sorted(lines));
}

TEST_F(CliProject, SetStoresMembershipFlagsAndTweaks) {
    ASSERT_EQ(
        cli({"set", dir(), "commodity", "MEAT", "membership=stayovershopping", "value=7"}).exitCode,
        0);
    ASSERT_EQ(cli({"set", dir(), "tweaks", "Tweaks", "daysoff=true", "blockleaselength=480.5",
                   "dailyfreightEASY=6000"})
                  .exitCode,
              0);
    const auto lines = linesOf(show().out);
    const auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("commodity MEAT membership STAYOVERSHOPPING"));
    EXPECT_TRUE(has("commodity MEAT value 7"));
    EXPECT_TRUE(has("tweaks Tweaks daysoff true"));
    EXPECT_TRUE(has("tweaks Tweaks blockleaselength 480"));
    EXPECT_TRUE(has("tweaks Tweaks dailyfreightEASY 6000"));

    const auto lua = luaDump(project.path());
    ASSERT_EQ(lua.exitCode, 0) << lua.err;
    EXPECT_EQ(sorted(linesOf(lua.out)), sorted(lines));
}

TEST_F(CliProject, RefusedSetsWriteNothing) {
    const std::vector<std::vector<std::string>> refused = {
        {"building", "AIRPORT", "value=1"},              // unknown kind
        {"block", "AIRFIELD", "value=1"},                // unknown code
        {"block", "AIRPORT", "price=1"},                 // unknown field
        {"block", "AIRPORT", "value"},                   // no "="
        {"block", "AIRPORT", "value=40000"},             // outside 16 bits
        {"block", "AIRPORT", "value=32767.5"},           // rounds outside 16 bits
        {"block", "AIRPORT", "prestige=1e999"},          // not finite
        {"block", "AIRPORT", "ownable=yes"},             // not a flag
        {"block", "AIRPORT", "value=100", "ownable=1"},  // one bad value spoils all
        {"business", "BAKERY", "minarea=50"},            // not offered by the editor
        {"business", "BAKERY", "maxside=0"},
        {"business", "BAKERY", "closingtime=24"},
        {"business", "BAKERY", "openingtime=12"},
        {"business", "BAKERY", "commodity1=BANANAS:10"},  // not a commodity
        {"business", "BAKERY", "commodity1=bread:10"},    // identifiers keep their case
        {"business", "BAKERY", "commodity1=BREAD:150"},   // amount above 100
        {"business", "BAKERY", "commodity1=BREAD:0"},     // free it with commodity1= instead
        {"business", "BAKERY", "commodity1=BREAD"},       // no amount
        {"business", "BAKERY", "commodity7=BREAD:10"},    // only six entries
        {"commodity", "MEAT", "membership="},
        {"commodity", "MEAT", "membership=SHOPPING"},
        {"tweaks", "City", "daysoff=true"},
        {"tweaks", "Tweaks", "numyearsin24hours=3e9"},  // outside 32 bits
    };
    const std::string before = snapshot(project.path());
    for (const auto& args : refused) {
        std::vector<std::string> command = {"set", dir()};
        command.insert(command.end(), args.begin(), args.end());
        const auto set = cli(command);
        const std::string what = args[0] + " " + args[1] + " " + args[2];
        EXPECT_EQ(set.exitCode, 2) << what;
        EXPECT_NE(set.err.find("tgedit-cli: "), std::string::npos) << what;
        EXPECT_EQ(set.out, "") << what;
    }
    EXPECT_EQ(snapshot(project.path()), before);
}

TEST_F(CliProject, RefusalNamesTheRecordFieldAndValue) {
    const auto set = cli({"set", dir(), "block", "AIRPORT", "value=40000"});
    EXPECT_EQ(set.exitCode, 2);
    EXPECT_NE(set.err.find("block AIRPORT value: '40000' is outside -32768 to 32767"),
              std::string::npos)
        << set.err;
}

TEST_F(CliProject, SetOnAProjectNotReadInFullWritesNothing) {
    // A broken line stops the block script's reading; saving would write the
    // unread blocks' settings back as zeros.
    std::string blocks = readBytes(project / "blocksettings.lua");
    const std::string good = "Block[CARROWAY_AVENUE].prestige = 1.25;";
    const auto pos = blocks.find(good);
    ASSERT_NE(pos, std::string::npos);
    blocks.replace(pos, good.size(), "Block[CARROWAY_AVENUE].prestige = 1.25");
    writeBytes(project / "blocksettings.lua", blocks);
    const std::string before = snapshot(project.path());

    const auto set = cli({"set", dir(), "block", "ZOO", "value=1"});
    EXPECT_EQ(set.exitCode, 1);
    EXPECT_NE(set.err.find("blocksettings.lua"), std::string::npos) << set.err;
    EXPECT_EQ(snapshot(project.path()), before);
}

// --- the application folder -------------------------------------------------------

// A copy of tgedit-cli in an application folder of its own, beside the
// shipped data files, so a test can give it its own tgedit.cfg and tables.
class CliAppFolder : public CliProject {
protected:
    void SetUp() override {
        CliProject::SetUp();
        test::copyDataFiles(app.path());
        program = app / "tgedit-cli";
        stdfs::copy_file(TGEDIT_CLI, program);
        stdfs::create_directories(game / "SCRIPTS");
    }

    void useGameProgramOfLength(std::size_t length) {
        writeBytes(game / "mc.exe", std::string(length, 'x'));
        writeBytes(app / "tgedit.cfg", game.path() + "\r\n 1 \r\n");
    }

    test::CommandResult run(std::vector<std::string> args) { return cli(std::move(args), program); }

    TempDir app;
    TempDir game;
    std::string program;
};

TEST_F(CliAppFolder, UsesTheCodeTablesOfItsOwnFolder) {
    std::string codes = readBytes(app / "blk_code.txt");
    const auto pos = codes.find("AIRPORT\r\n");
    ASSERT_NE(pos, std::string::npos);
    codes.replace(pos, 7, "AIRFIELD");
    writeBytes(app / "blk_code.txt", codes);

    const auto lines = linesOf(run({"show", dir()}).out);
    // The script's AIRPORT lines no longer match slot 5's code.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "block AIRFIELD value 0"), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "block AIRPORT value 25000"), lines.end());
}

TEST_F(CliAppFolder, RailAndUtilityTweaksAreRefusedForTheIncompatibleGame) {
    useGameProgramOfLength(1486890);
    const std::string before = snapshot(project.path());
    const auto refused = run({"set", dir(), "tweaks", "Tweaks", "railutilincomeEASY=2"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(snapshot(project.path()), before);

    // The other tweaks are written; the six locked lines stay as they were.
    const std::string hub = readBytes(project / "hub.lua");
    ASSERT_EQ(run({"set", dir(), "tweaks", "Tweaks", "daysoff=true"}).exitCode, 0);
    const std::string saved = readBytes(project / "hub.lua");
    for (const char* line :
         {"Tweaks.railutilincomeEASY = 1.5;", "Tweaks.dailyfreightHARD = 2500;"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(saved.find("Tweaks.daysoff = false;"), std::string::npos);
    EXPECT_NE(saved.find("Tweaks.daysoff = true;"), std::string::npos);
    EXPECT_NE(saved, hub);
}

TEST_F(CliAppFolder, RailAndUtilityTweaksAreWrittenForAnyOtherGame) {
    useGameProgramOfLength(1486891);
    const auto set = run({"set", dir(), "tweaks", "Tweaks", "railutilincomeEASY=2.25"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const auto lines = linesOf(run({"show", dir()}).out);
    // Written in the one-decimal form, read back as such.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "tweaks Tweaks railutilincomeEASY 2.3"),
              lines.end());
}

// --- the command line itself ---------------------------------------------------------

TEST(CliCommandLine, HelpForTheToolAndForEachCommand) {
    const auto help = cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: tgedit-cli COMMAND", 0), 0u) << help.out;
    EXPECT_EQ(cli({"help"}).out, help.out);
    EXPECT_EQ(cli({"-h"}).out, help.out);
    for (const char* command : {"show", "set", "diff", "check", "new", "import", "backup"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
        const auto one = cli({"help", command});
        EXPECT_EQ(one.exitCode, 0) << command;
        EXPECT_EQ(one.out.rfind(std::string("usage: tgedit-cli ") + command, 0), 0u) << one.out;
        EXPECT_NE(one.out.find("Exit status: 0"), std::string::npos) << command;
        EXPECT_EQ(one.err, "");
        // Help wins over anything else on the line, and nothing is done.
        const auto asOption = cli({command, "--help", "/nowhere"});
        EXPECT_EQ(asOption.exitCode, 0) << command;
        EXPECT_EQ(asOption.out, one.out) << command;
    }
    EXPECT_NE(cli({"help", "diff"}).out.find("OLD is the value in Backup"), std::string::npos);
}

TEST(CliCommandLine, WrongUseIsRefusedWithTheUsage) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"list", "x"},
        {"help", "list"},
        {"show"},
        {"show", "a", "b"},
        {"show", "--yes", "a"},  // an option of another command
        {"show", ""},
        {"set", "x", "block", "ZOO"},
        {"diff"},
        {"diff", "a", "b", "c"},
        {"check"},
        {"new"},
        {"new", "a", "--in"},
        {"new", "a", "--in", "x", "--in", "y"},
        {"import"},
        {"import", "--yes"},
        {"backup", "x"},
        {"backup", "--force"},
    };
    for (const auto& args : wrong) {
        const auto refused = cli(args);
        const std::string what = args.empty() ? "(nothing)" : args[0];
        EXPECT_EQ(refused.exitCode, 2) << what << " " << args.size();
        EXPECT_EQ(refused.out, "") << what;
        EXPECT_EQ(refused.err.rfind("tgedit-cli: ", 0), 0u) << refused.err;
        EXPECT_NE(refused.err.find("usage: tgedit-cli"), std::string::npos) << refused.err;
    }
    // The usage shown is the command's own.
    EXPECT_NE(cli({"diff"}).err.find("usage: tgedit-cli diff PROJECT_DIR [OTHER_DIR]"),
              std::string::npos);
}

TEST_F(CliProject, OptionsMayStandAnywhereAndDashDashEndsThem) {
    const auto after = cli({"show", dir(), "--json"});
    const auto before = cli({"show", "--json", dir()});
    EXPECT_EQ(after.exitCode, 0);
    EXPECT_EQ(after.out, before.out);
    EXPECT_EQ(after.out.front(), '{');
    // After "--" a folder may begin with a dash.
    const auto dashed = cli({"show", "--", "-x"});
    EXPECT_EQ(dashed.exitCode, 1);
    EXPECT_NE(dashed.err.find("-x/blocksettings.lua"), std::string::npos) << dashed.err;
}

}  // namespace
}  // namespace tg
