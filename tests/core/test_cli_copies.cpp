// tgedit-cli import and backup: the File menu's copies, their question asked
// on the terminal, and their refusals.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_app.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::Input;
using test::readBytes;
using test::scriptsOf;
using test::TempDir;
using test::writeBytes;

constexpr char kImportQuestion[] =
    "Warning: This will overwrite files in the Tollgrove folder. \n"
    "Are you sure you want to do this? [y/N] ";
constexpr char kBackupQuestion[] =
    "Warning: This will overwrite existing backup files. \n"
    "Are you sure you want to do this? [y/N] ";

// A configured application folder with its Backup, and a project whose
// scripts differ from the game's.
class CliCopies : public ::testing::Test {
protected:
    void SetUp() override {
        cli.writeConfig();
        cli.fillBackup();
        test::copyDemoScripts(project.path());
        for (const auto& name : test::kCliScripts) {
            writeBytes(project / name, readBytes(project / name) + "-- edited in " + name + "\r\n");
        }
        // The game's scripts have moved on since the backup.
        writeBytes(cli.gameScript("hub.lua"), "-- patched hub\r\n");
    }

    std::string gameScripts() const { return scriptsOf(cli.game / "SCRIPTS/DEFAULT/"); }
    std::string backupScripts() const { return scriptsOf(cli.app / "Backup/"); }

    test::CliApp cli;
    TempDir project;
};

TEST_F(CliCopies, ImportWithYesCopiesTheProjectIntoTheGame) {
    const std::string config = readBytes(cli.app / "tgedit.cfg");
    const std::string backup = backupScripts();
    const auto done = cli.run({"import", project.path(), "--yes"});
    ASSERT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, "TG Edit files imported succesfully.\n");
    EXPECT_EQ(done.err, "");
    EXPECT_EQ(gameScripts(), scriptsOf(project.path()));
    EXPECT_EQ(backupScripts(), backup);
    EXPECT_EQ(readBytes(cli.app / "tgedit.cfg"), config);
}

TEST_F(CliCopies, BackupWithYesCopiesTheGameIntoBackup) {
    const std::string config = readBytes(cli.app / "tgedit.cfg");
    const std::string game = gameScripts();
    const auto done = cli.run({"backup", "-y"});
    ASSERT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, "Tollgrove files backed up succesfully.\n");
    EXPECT_EQ(backupScripts(), game);
    EXPECT_EQ(gameScripts(), game);
    EXPECT_EQ(readBytes(cli.app / "tgedit.cfg"), config);

    // A Backup folder that has gone is made again.
    stdfs::remove_all(cli.app / "Backup");
    ASSERT_EQ(cli.run({"backup", "--yes"}).exitCode, 0);
    EXPECT_EQ(backupScripts(), game);
}

TEST_F(CliCopies, TheQuestionIsAskedOnTheTerminal) {
    const std::string game = gameScripts();
    const std::string backup = backupScripts();
    struct Case {
        std::string typed;
        bool yes;
    };
    // No answer: an empty line, or the end of the input (Ctrl+D).
    const Case noes[] = {{"n\n", false}, {"NO\n", false}, {"\n", false}, {"\x04", false}};
    for (const Case& c : noes) {
        const auto declined = cli.run({"import", project.path()}, Input::Terminal, c.typed);
        EXPECT_EQ(declined.exitCode, 2) << c.typed;
        EXPECT_EQ(declined.out, "") << c.typed;
        EXPECT_NE(declined.err.find(kImportQuestion), std::string::npos) << declined.err;
        EXPECT_NE(declined.err.find("nothing was imported"), std::string::npos) << declined.err;
        EXPECT_EQ(gameScripts(), game) << c.typed;

        const auto kept = cli.run({"backup"}, Input::Terminal, c.typed);
        EXPECT_EQ(kept.exitCode, 2) << c.typed;
        EXPECT_NE(kept.err.find(kBackupQuestion), std::string::npos) << kept.err;
        EXPECT_EQ(backupScripts(), backup) << c.typed;
    }

    // Anything else is asked again.
    const auto backedUp = cli.run({"backup"}, Input::Terminal, "maybe\nYes\n");
    ASSERT_EQ(backedUp.exitCode, 0) << backedUp.err;
    EXPECT_EQ(backedUp.out, "Tollgrove files backed up succesfully.\n");
    EXPECT_NE(backedUp.err.find("Please answer y or n."), std::string::npos) << backedUp.err;
    EXPECT_EQ(backupScripts(), game);

    const auto imported = cli.run({"import", project.path()}, Input::Terminal, "y\n");
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "TG Edit files imported succesfully.\n");
    EXPECT_EQ(gameScripts(), scriptsOf(project.path()));
}

TEST_F(CliCopies, WithoutATerminalOnlyYesGoesAhead) {
    const std::string game = gameScripts();
    const std::string backup = backupScripts();
    for (Input input : {Input::Pipe, Input::Empty}) {
        const auto import = cli.run({"import", project.path()}, input, "y\n");
        EXPECT_EQ(import.exitCode, 2);
        EXPECT_EQ(import.out, "");
        EXPECT_NE(import.err.find("give --yes"), std::string::npos) << import.err;
        const auto backedUp = cli.run({"backup"}, input, "y\n");
        EXPECT_EQ(backedUp.exitCode, 2);
        EXPECT_NE(backedUp.err.find("give --yes"), std::string::npos) << backedUp.err;
    }
    EXPECT_EQ(gameScripts(), game);
    EXPECT_EQ(backupScripts(), backup);
}

TEST_F(CliCopies, RefusedBeforeAnythingIsReplaced) {
    const std::string game = gameScripts();
    const std::string backup = backupScripts();

    // A project script that is missing: the other three are not copied either.
    stdfs::remove(project / "commoditysettings.lua");
    auto refused = cli.run({"import", project.path(), "--yes"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("Cannot read " + project.path() +
                               "commoditysettings.lua: No such file or directory"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(gameScripts(), game);
    test::copyDemoScripts(project.path());

    // A game script that is missing: Backup keeps all four copies.
    stdfs::remove(cli.gameScript("hub.lua"));
    refused = cli.run({"backup", "--yes"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find(cli.gameScript("hub.lua")), std::string::npos) << refused.err;
    EXPECT_EQ(backupScripts(), backup);

    // No SCRIPTS/DEFAULT to import into.
    stdfs::remove_all(cli.game / "SCRIPTS");
    refused = cli.run({"import", project.path(), "--yes"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find(cli.game / "SCRIPTS/DEFAULT"), std::string::npos) << refused.err;
    EXPECT_FALSE(stdfs::exists(cli.game / "SCRIPTS"));

    // No tgedit.cfg: the game folder is not known.
    stdfs::remove(cli.app / "tgedit.cfg");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"import", project.path(), "--yes"}, {"backup", "--yes"}}) {
        refused = cli.run(args);
        EXPECT_EQ(refused.exitCode, 2) << args[0];
        EXPECT_NE(refused.err.find(cli.app / "tgedit.cfg: No such file or directory"),
                  std::string::npos)
            << refused.err;
        EXPECT_NE(refused.err.find("start TG Edit once"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(backupScripts(), backup);
    EXPECT_FALSE(stdfs::exists(cli.app / "tgedit.cfg"));
}

TEST_F(CliCopies, ACopyFailingPartWayIsReportedAndNeverCalledDone) {
    // A folder where the game's hub.lua should be: that one copy fails.
    stdfs::remove(cli.gameScript("hub.lua"));
    stdfs::create_directory(cli.gameScript("hub.lua"));
    const auto failed = cli.run({"import", project.path(), "--yes"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("Cannot copy " + project.path() + "hub.lua to " +
                              cli.gameScript("hub.lua")),
              std::string::npos)
        << failed.err;
    // The three before it were copied.
    for (const char* name :
         {"blocksettings.lua", "businesssettings.lua", "commoditysettings.lua"}) {
        EXPECT_EQ(readBytes(cli.gameScript(name)), readBytes(project / name)) << name;
    }
    EXPECT_TRUE(stdfs::is_directory(cli.gameScript("hub.lua")));
}

}  // namespace
}  // namespace tg
