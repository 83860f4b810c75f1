// tgedit-cli new: a project made from Backup and the template, with the
// project dialog's refusals.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_app.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

class CliNew : public ::testing::Test {
protected:
    void SetUp() override {
        cli.writeConfig();
        cli.fillBackup();
    }

    void expectProjectFromBackup(const std::string& folder) {
        EXPECT_EQ(test::listFolder(folder),
                  "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n"
                  "tgedit.prj\n");
        EXPECT_EQ(test::scriptsOf(folder + "/"), test::scriptsOf(cli.app / "Backup/"));
        EXPECT_EQ(readBytes(folder + "/tgedit.prj"), readBytes(cli.app / "tge.prj"));
    }

    test::CliApp cli;
};

TEST_F(CliNew, CreatesTheProjectInProjectsAndPrintsItsFolder) {
    const std::string config = readBytes(cli.app / "tgedit.cfg");
    const auto made = cli.run({"new", "My City"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(made.out, cli.app / "Projects/My City\n");
    expectProjectFromBackup(cli.app / "Projects/My City");
    EXPECT_EQ(readBytes(cli.app / "tgedit.cfg"), config);  // the start count is left alone

    // The new project reads as the editor reads it.
    EXPECT_EQ(cli.run({"check", cli.app / "Projects/My City"}).exitCode, 0);
}

TEST_F(CliNew, CreatesTheProjectInAnotherFolderAndMakesAMissingProjects) {
    TempDir elsewhere;
    const auto made = cli.run({"new", "--in", elsewhere.path(), "Harbour"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.out, elsewhere / "Harbour\n");
    expectProjectFromBackup(elsewhere / "Harbour");

    stdfs::remove_all(cli.app / "Projects");
    ASSERT_EQ(cli.run({"new", "Again"}).exitCode, 0);
    expectProjectFromBackup(cli.app / "Projects/Again");

    const auto nowhere = cli.run({"new", "X", "--in=" + elsewhere / "missing"});
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_NE(nowhere.err.find(elsewhere / "missing/X: No such file or directory"),
              std::string::npos)
        << nowhere.err;
    EXPECT_FALSE(stdfs::exists(elsewhere / "missing"));
}

TEST_F(CliNew, RefusedNamesCreateNothingAndSayWhy) {
    stdfs::create_directory(cli.app / "Projects/Taken");
    writeBytes(cli.app / "Projects/notes.txt", "mine");
    const struct {
        std::string name;
        std::vector<std::string> messages;
    } cases[] = {
        {"", {"Please enter a Project Name."}},
        {"a/b:c*",
         {"A project name cannot contain any of the following characters: \\ / : * ? \" < > |",
          "the name 'a/b:c*' holds '/' ':' '*'"}},
        {"..", {"A project name cannot begin with a dot."}},
        {".hidden", {"A project name cannot begin with a dot."}},
        {"TAKEN", {"This Project already exists, please choose another name."}},
        {"notes.txt", {"This Project already exists, please choose another name."}},
        {"two\nlines", {"A project name cannot contain control characters."}},
    };
    for (const auto& c : cases) {
        const auto refused = cli.run({"new", c.name});
        EXPECT_EQ(refused.exitCode, 2) << c.name;
        EXPECT_EQ(refused.out, "") << c.name;
        const auto lines = test::linesOf(refused.err);
        ASSERT_GE(lines.size(), c.messages.size()) << c.name;
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(lines[i], "tgedit-cli: " + c.messages[i]) << c.name;
        }
    }
    EXPECT_EQ(test::listFolder(cli.app / "Projects"), "Taken\nnotes.txt\n");
    EXPECT_EQ(test::listFolder(cli.app / "Projects/Taken"), "");
}

TEST_F(CliNew, WithoutACompleteBackupItSaysWhatToDo) {
    stdfs::remove(cli.backupScript("hub.lua"));
    auto refused = cli.run({"new", "City"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find(cli.backupScript("hub.lua") + " is missing"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("start TG Edit once"), std::string::npos);
    EXPECT_NE(refused.err.find("tgedit-cli backup --yes"), std::string::npos);
    EXPECT_EQ(test::listFolder(cli.app / "Projects"), "");

    // Without tgedit.cfg the backup command could not help.
    stdfs::remove(cli.app / "tgedit.cfg");
    refused = cli.run({"new", "City"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.find("backup --yes"), std::string::npos) << refused.err;

    // Neither is a project made without the template.
    test::copyDemoScripts(cli.app / "Backup/");
    stdfs::remove(cli.app / "tge.prj");
    refused = cli.run({"new", "City"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("tge.prj is missing"), std::string::npos) << refused.err;
    EXPECT_EQ(test::listFolder(cli.app / "Projects"), "");
}

}  // namespace
}  // namespace tg
