// The files shipped beside the editor (code tables, project template) and the
// stand-in game of demo/game: their layout, and that the game's scripts are
// real Lua holding every setting the editor knows.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/identifiers.h"
#include "run_command.h"
#include "test_support.h"

namespace tg {
namespace {

using test::linesOf;
using test::readBytes;
using test::runCommand;

const std::string kDataDir = std::string(TGEDIT_DATA_DIR) + "/";
const std::string kScriptsDir = std::string(TGEDIT_DEMO_GAME_DIR) + "/SCRIPTS/DEFAULT/";
const std::string kLuaDir = std::string(TGEDIT_SOURCE_DIR) + "/tests/lua/";
const std::vector<std::string> kScripts = {"blocksettings.lua", "businesssettings.lua",
                                           "commoditysettings.lua", "hub.lua"};

// The entries of a table written one per line: blank lines and "//" comment
// lines hold none.
std::vector<std::string> tableEntries(const std::string& bytes) {
    std::vector<std::string> entries;
    for (const auto& line : linesOf(bytes)) {
        if (!line.empty() && line.rfind("//", 0) != 0) {
            entries.push_back(line);
        }
    }
    return entries;
}

template <std::size_t N>
std::vector<std::string> asStrings(const std::array<std::string_view, N>& table) {
    return std::vector<std::string>(table.begin(), table.end());
}

// Every line ends in CR LF: no LF without a CR before it, no CR without an LF
// after it, and the last line has its line end too.
::testing::AssertionResult hasCrLfLines(const std::string& name, const std::string& bytes) {
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) {
        return ::testing::AssertionFailure() << name << " does not end in CR LF";
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool loneLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        const bool loneCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        if (loneLf || loneCr) {
            return ::testing::AssertionFailure() << name << " has a bare line end at byte " << i;
        }
    }
    return ::testing::AssertionSuccess();
}

test::CommandResult runWithStubs(const std::string& script) {
    return runCommand({TGEDIT_LUA, "-e", "dofile([[" + kLuaDir + "stubs.lua]])", script});
}

test::CommandResult dump(const std::string& folder, bool requireAll) {
    std::vector<std::string> argv = {TGEDIT_LUA, kLuaDir + "dump.lua"};
    if (requireAll) {
        argv.push_back("--require-all");
    }
    argv.push_back(folder);
    argv.push_back(kDataDir);
    return runCommand(argv);
}

struct DumpLine {
    std::string kind, code, field, value;
};

std::vector<DumpLine> parseDump(const std::string& out) {
    std::vector<DumpLine> lines;
    for (const auto& line : linesOf(out)) {
        DumpLine d;
        std::size_t a = line.find(' ');
        std::size_t b = line.find(' ', a + 1);
        std::size_t c = line.find(' ', b + 1);
        if (a == std::string::npos || b == std::string::npos || c == std::string::npos) {
            ADD_FAILURE() << "not a KIND CODE FIELD VALUE line: " << line;
            continue;
        }
        lines.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1),
                         line.substr(b + 1, c - b - 1), line.substr(c + 1)});
    }
    return lines;
}

double numberOf(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size())
        << "not a number: " << text;
    return value;
}

bool hasDecimalsAtMost(double value, int decimals) {
    const double scaled = value * std::pow(10.0, decimals);
    return std::fabs(scaled - std::round(scaled)) < 1e-6;
}

// --- the shipped data files ----------------------------------------------------

TEST(ShippedData, CodeTablesHoldTheIdentifiersInSlotOrder) {
    EXPECT_EQ(tableEntries(readBytes(kDataDir + "blk_code.txt")), asStrings(kBlockIdentifiers));
    EXPECT_EQ(tableEntries(readBytes(kDataDir + "biz_code.txt")), asStrings(kBusinessIdentifiers));
    EXPECT_EQ(tableEntries(readBytes(kDataDir + "com_code.txt")), asStrings(kCommodityIdentifiers));
}

TEST(ShippedData, NameTablesHoldOnePlainNamePerSlot) {
    const std::map<std::string, std::size_t> counts = {{"blk_usa.txt", kBlockCount},
                                                       {"biz_usa.txt", kBusinessCount},
                                                       {"com_usa.txt", kCommodityCount}};
    for (const auto& [file, count] : counts) {
        const auto names = tableEntries(readBytes(kDataDir + file));
        EXPECT_EQ(names.size(), count) << file;
        std::set<std::string> distinct;
        for (const auto& name : names) {
            // A comma or quote would split or swallow a field, a "//" would cut
            // the name, a leading blank would be skipped.
            EXPECT_EQ(name.find_first_of(",\""), std::string::npos) << file << ": " << name;
            EXPECT_EQ(name.find("//"), std::string::npos) << file << ": " << name;
            EXPECT_FALSE(name.empty() || name.front() == ' ' || name.back() == ' ')
                << file << ": '" << name << "'";
            distinct.insert(name);
        }
        EXPECT_EQ(distinct.size(), names.size()) << file << " names a slot twice";
    }
}

TEST(ShippedData, TablesUseCrLfLinesAndCommentsWithoutCommas) {
    for (const char* file : {"blk_code.txt", "blk_usa.txt", "biz_code.txt", "biz_usa.txt",
                             "com_code.txt", "com_usa.txt"}) {
        const std::string bytes = readBytes(kDataDir + file);
        EXPECT_TRUE(hasCrLfLines(file, bytes));
        for (const auto& line : linesOf(bytes)) {
            if (line.rfind("//", 0) == 0) {
                EXPECT_EQ(line.find(','), std::string::npos) << file << ": " << line;
            }
        }
    }
}

TEST(ShippedData, ProjectTemplateAsksNotToBeDeleted) {
    EXPECT_EQ(readBytes(kDataDir + "tge.prj"), "DO NOT DELETE THIS FILE.\r\n 0 \r\n");
}

// --- the stand-in game -------------------------------------------------------------

TEST(DemoGame, ProgramPlaceholderDoesNotHaveTheIncompatibleLength) {
    const std::string path = std::string(TGEDIT_DEMO_GAME_DIR) + "/mc.exe";
    ASSERT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_NE(std::filesystem::file_size(path), 1486890u);
}

TEST(DemoGame, ScriptsUseCrLfLines) {
    for (const auto& script : kScripts) {
        EXPECT_TRUE(hasCrLfLines(script, readBytes(kScriptsDir + script)));
    }
}

TEST(DemoGame, EveryScriptRunsInLua) {
    for (const auto& script : kScripts) {
        const auto result = runWithStubs(kScriptsDir + script);
        EXPECT_EQ(result.exitCode, 0) << script << ": " << result.err;
        EXPECT_EQ(result.err, "") << script;
    }
}

TEST(DemoGame, LuaRunFailsOnABrokenScript) {
    // The check above must be able to fail: a setting without a value is not Lua.
    test::TempDir dir;
    test::writeBytes(dir / "hub.lua",
                     readBytes(kScriptsDir + "hub.lua") + "Tweaks.daysoff = ;\r\n");
    const auto result = runWithStubs(dir / "hub.lua");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err, "");
}

TEST(DemoGame, ScriptsSetEveryFieldOfEveryRecord) {
    const auto result = dump(kScriptsDir, true);
    ASSERT_EQ(result.exitCode, 0) << result.err;

    std::map<std::string, std::set<std::string>> codes;
    std::map<std::string, std::size_t> perKind;
    for (const auto& line : parseDump(result.out)) {
        codes[line.kind].insert(line.code);
        ++perKind[line.kind];
    }
    const auto asSet = [](const auto& table) {
        return std::set<std::string>(table.begin(), table.end());
    };
    EXPECT_EQ(codes["block"], asSet(kBlockIdentifiers));
    EXPECT_EQ(codes["business"], asSet(kBusinessIdentifiers));
    EXPECT_EQ(codes["commodity"], asSet(kCommodityIdentifiers));
    EXPECT_EQ(codes["tweaks"], std::set<std::string>{"Tweaks"});
    EXPECT_EQ(perKind["block"], 42u * 4);
    EXPECT_EQ(perKind["business"], 45u * 22);
    EXPECT_EQ(perKind["commodity"], 32u * 3);
    EXPECT_EQ(perKind["tweaks"], 10u);
}

TEST(DemoGame, CompletenessCheckNamesAMissingSetting) {
    test::TempDir dir;
    test::copyDemoScripts(dir.path());
    std::string bytes = readBytes(dir / "businesssettings.lua");
    const std::string line = "BusinessInfo[BAKERY].gasneed = 0.8;\r\n";
    const auto pos = bytes.find(line);
    ASSERT_NE(pos, std::string::npos);
    bytes.erase(pos, line.size());
    test::writeBytes(dir / "businesssettings.lua", bytes);

    const auto result = dump(dir.path(), true);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "MISSING business BAKERY gasneed\n");
    EXPECT_NE(result.out.find("business BAKERY gasneed 0\n"), std::string::npos);
}

TEST(DemoGame, ValuesLieInsideWhatTheEditorOffers) {
    const auto result = dump(kScriptsDir, true);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::set<std::string> twoDecimals = {"prestige",       "timeinstore", "density",
                                               "electricalneed", "gasneed",     "telecomneed",
                                               "waterneed",      "markup"};
    for (const auto& d : parseDump(result.out)) {
        const std::string where = d.kind + " " + d.code + " " + d.field + " " + d.value;
        if (d.field == "minarea" || d.field == "maxarea") {
            EXPECT_GE(numberOf(d.value), 1) << where;
            EXPECT_LE(numberOf(d.value), 49) << where;
        } else if (d.field == "maxside") {
            EXPECT_GE(numberOf(d.value), 1) << where;
            EXPECT_LE(numberOf(d.value), 7) << where;
        } else if (d.field == "closingtime") {
            EXPECT_GE(numberOf(d.value), 0) << where;
            EXPECT_LE(numberOf(d.value), 23) << where;
        } else if (d.field == "openingtime") {
            EXPECT_TRUE(d.value == "9" || d.value == "18" || d.value == "0") << where;
        } else if (d.kind == "block" && d.field == "value") {
            EXPECT_GE(numberOf(d.value), -32768) << where;
            EXPECT_LE(numberOf(d.value), 32767) << where;
        } else if (d.field.rfind("commodity", 0) == 0 && d.value != ":0") {
            const auto colon = d.value.find(':');
            ASSERT_NE(colon, std::string::npos) << where;
            const std::string name = d.value.substr(0, colon);
            EXPECT_NE(commoditySlotOf(name), -1) << where;
            EXPECT_GE(numberOf(d.value.substr(colon + 1)), 1) << where;
            EXPECT_LE(numberOf(d.value.substr(colon + 1)), 100) << where;
        } else if (d.field == "membership") {
            EXPECT_TRUE(d.value == "MAINSHOPPING" || d.value == "ENTERTAINMENTSHOPPING" ||
                        d.value == "STAYOVERSHOPPING")
                << where;
        } else if (twoDecimals.count(d.field) != 0 ||
                   (d.kind == "commodity" && d.field == "value")) {
            EXPECT_TRUE(hasDecimalsAtMost(numberOf(d.value), 2)) << where;
        } else if (d.field.rfind("railutilincome", 0) == 0) {
            EXPECT_TRUE(hasDecimalsAtMost(numberOf(d.value), 1)) << where;
        }
    }
}

TEST(DemoGame, BuildingRightsAreUnlockedForSomeBlocksOnly) {
    const auto result = dump(kScriptsDir, true);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    int unlocked = 0;
    int locked = 0;
    for (const auto& d : parseDump(result.out)) {
        if (d.field == "buildingrights") {
            (d.value == "true" ? unlocked : locked) += 1;
        }
    }
    EXPECT_GT(unlocked, 0);
    EXPECT_GT(locked, 0);
    // Locked blocks are written both as 0 and as 1 in the script.
    const std::string blocks = readBytes(kScriptsDir + "blocksettings.lua");
    EXPECT_NE(blocks.find(".buildingrights = 0;"), std::string::npos);
    EXPECT_NE(blocks.find(".buildingrights = 1;"), std::string::npos);
}

}  // namespace
}  // namespace tg
