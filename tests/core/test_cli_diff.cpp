// tgedit-cli diff and check: what a project changed, and every line the
// editor's reading would stop at.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_app.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::linesOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// An application folder with its Backup, and a project made from it.
class CliDiff : public ::testing::Test {
protected:
    void SetUp() override {
        cli.fillBackup();
        test::copyDemoScripts(project.path());
    }

    std::string replaced(const std::string& file, const std::string& from, const std::string& to) {
        std::string bytes = readBytes(project / file);
        const auto pos = bytes.find(from);
        EXPECT_NE(pos, std::string::npos) << from;
        if (pos != std::string::npos) {
            bytes.replace(pos, from.size(), to);
            writeBytes(project / file, bytes);
        }
        return bytes;
    }

    test::CliApp cli;
    TempDir project;
};

TEST_F(CliDiff, ShowsExactlyTheSettingsASetChangedOldToNew) {
    const auto equal = cli.run({"diff", project.path()});
    EXPECT_EQ(equal.exitCode, 0) << equal.err;
    EXPECT_EQ(equal.out, "");
    EXPECT_EQ(equal.err, "");

    // prestige=2.5 is AIRPORT's value already: no line for it.
    ASSERT_EQ(
        cli.run({"set", project.path(), "block", "AIRPORT", "value=150", "prestige=2.5"}).exitCode,
        0);
    ASSERT_EQ(cli.run({"set", project.path(), "business", "BAKERY", "commodity2=DRINKS:35",
                       "closingtime=18"})
                  .exitCode,
              0);
    ASSERT_EQ(cli.run({"set", project.path(), "tweaks", "Tweaks", "daysoff=true"}).exitCode, 0);

    const auto diff = cli.run({"diff", project.path()});
    EXPECT_EQ(diff.exitCode, 1) << diff.err;
    EXPECT_EQ(diff.err, "");
    EXPECT_EQ(diff.out,
              "block AIRPORT value 25000 -> 150\n"
              "business BAKERY closingtime 17 -> 18\n"
              "business BAKERY commodity2 SWEETS:20 -> DRINKS:35\n"
              "tweaks Tweaks daysoff false -> true\n");
}

TEST_F(CliDiff, OtherFolderIsTheOldSideAndLayoutDoesNotCount) {
    TempDir other;
    test::copyDemoScripts(other.path());
    // Comments, blanks and unknown lines are no settings.
    replaced("blocksettings.lua", "Block[ZOO].value    = 12000;",
             "Block[ZOO].value = 12000;   -- moved the comment\r\nprint('hello')");
    EXPECT_EQ(cli.run({"diff", project.path(), other.path()}).exitCode, 0);

    replaced("commoditysettings.lua", "Commodity[MEAT].value = 6.5;", "Commodity[MEAT].value = 7;");
    const auto forward = cli.run({"diff", project.path(), other.path()});
    EXPECT_EQ(forward.exitCode, 1);
    EXPECT_EQ(forward.out, "commodity MEAT value 6.5 -> 7\n");
    const auto backward = cli.run({"diff", other.path(), project.path()});
    EXPECT_EQ(backward.exitCode, 1);
    EXPECT_EQ(backward.out, "commodity MEAT value 7 -> 6.5\n");
}

TEST_F(CliDiff, ASideThatCannotBeReadInFullComparesNothing) {
    replaced("blocksettings.lua", "Block[ZOO].value    = 12000;", "Block[ZOO].value = 12000");
    auto diff = cli.run({"diff", project.path()});
    EXPECT_EQ(diff.exitCode, 2);
    EXPECT_EQ(diff.out, "");
    EXPECT_NE(diff.err.find(project.path() + "blocksettings.lua, line 56: no \";\""),
              std::string::npos)
        << diff.err;

    TempDir empty;
    diff = cli.run({"diff", cli.app / "Backup", empty.path()});
    EXPECT_EQ(diff.exitCode, 2);
    EXPECT_EQ(diff.out, "");
    EXPECT_EQ(linesOf(diff.err).size(), 5u) << diff.err;  // four scripts, then the summary
    EXPECT_NE(diff.err.find(empty.path() + "hub.lua: No such file or directory"), std::string::npos)
        << diff.err;
}

TEST_F(CliDiff, WithoutBackupItSaysHowToGetOne) {
    stdfs::remove_all(cli.app / "Backup");
    const auto diff = cli.run({"diff", project.path()});
    EXPECT_EQ(diff.exitCode, 2);
    EXPECT_EQ(diff.out, "");
    EXPECT_NE(diff.err.find("start TG Edit once"), std::string::npos) << diff.err;
}

// --- check ------------------------------------------------------------------------

TEST_F(CliDiff, CheckListsEveryFailingLineAndAMissingScript) {
    EXPECT_EQ(cli.run({"check", project.path()}).exitCode, 0);

    replaced("blocksettings.lua", "Block[AIRPORT].prestige = 2.5;", "Block[AIRPORT].prestige = x;");
    replaced("blocksettings.lua", "Block[ZOO].value    = 12000;", "Block[ZOO].value = 12000");
    replaced("blocksettings.lua", "Block[ZOO].ownable    = false;", "Block[ZOO].ownable = maybe;");
    stdfs::remove(project / "hub.lua");
    const std::string before = test::scriptsOf(project.path());

    const auto check = cli.run({"check", project.path()});
    EXPECT_EQ(check.exitCode, 1) << check.err;
    EXPECT_EQ(check.err, "");
    const std::string blocks = project / "blocksettings.lua";
    EXPECT_EQ(check.out, blocks + ":45: the value \"x\" is not a number.\n" + blocks +
                             ":56: no \";\" after the key \"value\".\n" + blocks +
                             ":58: the value \"maybe\" is not true, false or a number.\n" +
                             project.path() + "hub.lua: No such file or directory\n");
    EXPECT_EQ(test::scriptsOf(project.path()), before);  // a check writes nothing
}

TEST_F(CliDiff, CheckMatchesLinesWithTheApplicationsCodeTables) {
    replaced("blocksettings.lua", "Block[AIRPORT].prestige = 2.5;", "Block[AIRPORT].prestige = x;");
    std::string codes = readBytes(cli.app / "blk_code.txt");
    const auto pos = codes.find("AIRPORT\r\n");
    ASSERT_NE(pos, std::string::npos);
    codes.replace(pos, 7, "AIRFIELD");
    writeBytes(cli.app / "blk_code.txt", codes);
    // AIRPORT's lines belong to no block now; the editor passes them over.
    const auto check = cli.run({"check", project.path()});
    EXPECT_EQ(check.exitCode, 0) << check.out;

    stdfs::remove(cli.app / "com_code.txt");
    const auto noTable = cli.run({"check", project.path()});
    EXPECT_EQ(noTable.exitCode, 2);
    EXPECT_NE(noTable.err.find("com_code.txt"), std::string::npos) << noTable.err;
}

}  // namespace
}  // namespace tg
