#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project/app_context.h"
#include "project/commands.h"
#include "project_fixtures.h"

namespace tg {
namespace {

using test::FaultyFileSystem;
using test::kScriptNames;
using test::makeAppFolder;
using test::makeGame;
using test::readBytes;
using test::scriptBytes;
using test::TempDir;
using test::writeBytes;

namespace stdfs = std::filesystem;

// An application folder with Backup, a game and a project whose scripts
// differ from both.
struct Workspace {
    TempDir root;
    std::string app = makeAppFolder(root, true);
    std::string game = makeGame(root, "Tollgrove", "scripts/default");
    std::string project = app + "Projects/MyCity/";
    AppContext ctx{app};

    Workspace() {
        stdfs::create_directory(project);
        for (std::string_view name : kScriptNames) {
            writeBytes(project + std::string(name), scriptBytes("project", name));
        }
        ctx.state.GamePath = game;
        ctx.state.ProjectPath = project;
    }

    std::string gameScript(std::string_view name) const {
        return game + "scripts/default/" + std::string(name);
    }
};

TEST(SaveMessage, NamesTheProjectInUpperCase) {
    AppContext ctx("/x/");
    ctx.state.ProjectPath = "/x/Projects/MyCity/";
    EXPECT_EQ(saveMessage(ctx), "Project: MYCITY has been successfully saved.");
    ctx.state.ProjectPath = "/x/Projects/My City 2";
    EXPECT_EQ(saveMessage(ctx), "Project: MY CITY 2 has been successfully saved.");
    ctx.state.ProjectPath = "/";
    EXPECT_EQ(saveMessage(ctx), "Project:  has been successfully saved.");
}

TEST(Import, ProjectScriptsReplaceTheGamesByteForByte) {
    Workspace s;
    EXPECT_TRUE(importProject(s.ctx).empty());
    for (std::string_view name : kScriptNames) {
        EXPECT_EQ(readBytes(s.gameScript(name)), scriptBytes("project", name)) << name;
        EXPECT_EQ(readBytes(s.project + std::string(name)), scriptBytes("project", name));
        EXPECT_EQ(readBytes(s.app + "Backup/" + std::string(name)), scriptBytes("backup", name));
    }
    // Replaced under their own spelling, with no stray copies beside them.
    EXPECT_EQ(test::listFolder(s.game + "scripts/default"),
              "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n");
}

TEST(Import, StopsAtTheFirstFailedCopyAndNamesIt) {
    Workspace s;
    stdfs::remove(s.project + "commoditysettings.lua");
    const Notices notices = importProject(s.ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0],
              (Notice{"TG Edit", "Cannot copy " + s.project +
                                     "commoditysettings.lua: No such file or directory"}));
    EXPECT_EQ(readBytes(s.gameScript("blocksettings.lua")),
              scriptBytes("project", "blocksettings.lua"));
    EXPECT_EQ(readBytes(s.gameScript("businesssettings.lua")),
              scriptBytes("project", "businesssettings.lua"));
    EXPECT_EQ(readBytes(s.gameScript("commoditysettings.lua")),
              scriptBytes("game", "commoditysettings.lua"));
    EXPECT_EQ(readBytes(s.gameScript("hub.lua")), scriptBytes("game", "hub.lua"));
}

TEST(Import, FailedWriteKeepsTheGameScriptWhole) {
    Workspace s;
    FaultyFileSystem fs(FsStep::Write, "hub.lua");
    AppContext ctx(s.app, fs);
    ctx.state = s.ctx.state;
    const Notices notices = importProject(ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "Cannot copy " + s.project + "hub.lua to " + s.game +
                                   "SCRIPTS/DEFAULT/hub.lua: injected failure");
    EXPECT_EQ(readBytes(s.gameScript("hub.lua")), scriptBytes("game", "hub.lua"));
    EXPECT_EQ(test::listFolder(s.game + "scripts/default"),
              "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n");
}

TEST(Import, NothingIsCopiedWithoutBothFolders) {
    Workspace s;
    s.ctx.state.ProjectPath.clear();
    EXPECT_EQ(importProject(s.ctx).size(), 1u);
    s.ctx.state.ProjectPath = s.project;
    s.ctx.state.GamePath.clear();
    EXPECT_EQ(importProject(s.ctx).size(), 1u);
    EXPECT_EQ(backupGame(s.ctx).size(), 1u);
    for (std::string_view name : kScriptNames) {
        EXPECT_EQ(readBytes(s.gameScript(name)), scriptBytes("game", name));
        EXPECT_EQ(readBytes(s.app + "Backup/" + std::string(name)), scriptBytes("backup", name));
    }
}

TEST(Backup, GameScriptsReplaceTheCopiesEachTime) {
    Workspace s;
    EXPECT_TRUE(backupGame(s.ctx).empty());
    for (std::string_view name : kScriptNames) {
        EXPECT_EQ(readBytes(s.app + "Backup/" + std::string(name)), scriptBytes("game", name));
    }
    writeBytes(s.gameScript("hub.lua"), "-- newer\r\n");
    EXPECT_TRUE(backupGame(s.ctx).empty());
    EXPECT_EQ(readBytes(s.app + "Backup/hub.lua"), "-- newer\r\n");
    for (std::string_view name : kScriptNames) {
        EXPECT_EQ(readBytes(s.project + std::string(name)), scriptBytes("project", name));
    }
}

TEST(Backup, MissingGameScriptIsReported) {
    Workspace s;
    stdfs::remove(s.gameScript("blocksettings.lua"));
    const Notices notices = backupGame(s.ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "Cannot copy " + s.game +
                                   "SCRIPTS/DEFAULT/blocksettings.lua: No such file or directory");
    EXPECT_EQ(readBytes(s.app + "Backup/blocksettings.lua"),
              scriptBytes("backup", "blocksettings.lua"));
    EXPECT_EQ(readBytes(s.app + "Backup/hub.lua"), scriptBytes("backup", "hub.lua"));
}

}  // namespace
}  // namespace tg
