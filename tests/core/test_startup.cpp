#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project/app_context.h"
#include "project/startup.h"
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

// A first start on an empty application folder, GamePath chosen as game.
Notices firstStart(AppContext& ctx, const std::string& game) {
    EXPECT_FALSE(configExists(ctx));
    ctx.state.GamePath = game;
    return completeFirstStart(ctx);
}

TEST(FirstStart, WritesConfigCreatesFoldersAndFillsBackup) {
    TempDir root;
    // A game copied from Windows may spell its folders in any letter case.
    const std::string game = makeGame(root, "Tollgrove", "scripts/default");
    const std::string app = makeAppFolder(root, false);
    AppContext ctx(app);

    EXPECT_TRUE(firstStart(ctx, game).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 1 \r\n");
    EXPECT_TRUE(stdfs::is_directory(app + "Projects"));
    EXPECT_EQ(test::listFolder(app + "Backup"),
              "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n");
    for (std::string_view name : kScriptNames) {
        EXPECT_EQ(readBytes(app + "Backup/" + std::string(name)), scriptBytes("game", name));
    }
    EXPECT_FALSE(ctx.state.bStartCounted);
    EXPECT_TRUE(configExists(ctx));

    // Returning to the start menu in the same run counts this start once.
    EXPECT_TRUE(checkExistingConfig(ctx).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 2 \r\n");
    EXPECT_TRUE(checkExistingConfig(ctx).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 2 \r\n");
}

TEST(FirstStart, FailedBackupWritesNoConfigAndNamesTheFile) {
    TempDir root;
    const std::string game = makeGame(root);
    stdfs::remove(game + "SCRIPTS/DEFAULT/commoditysettings.lua");
    const std::string app = makeAppFolder(root, false);
    AppContext ctx(app);

    const Notices notices = firstStart(ctx, game);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "TG Edit");
    EXPECT_EQ(
        notices[0].text,
        "Cannot copy " + game + "SCRIPTS/DEFAULT/commoditysettings.lua: No such file or directory");
    EXPECT_FALSE(stdfs::exists(app + "tgedit.cfg"));
    EXPECT_FALSE(configExists(ctx));
    // The other copies are made; the next first start only adds the missing one.
    EXPECT_TRUE(stdfs::exists(app + "Backup/hub.lua"));

    writeBytes(game + "SCRIPTS/DEFAULT/commoditysettings.lua", "-- back\r\n");
    EXPECT_TRUE(firstStart(ctx, game).empty());
    EXPECT_EQ(readBytes(app + "Backup/commoditysettings.lua"), "-- back\r\n");
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 1 \r\n");
}

TEST(FirstStart, FailedFolderWritesNoConfig) {
    TempDir root;
    const std::string game = makeGame(root);
    const std::string app = makeAppFolder(root, false);
    FaultyFileSystem fs(FsStep::CreateFolder, "Projects");
    AppContext ctx(app, fs);

    const Notices notices = firstStart(ctx, game);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "Cannot create the folder " + app + "Projects: injected failure");
    EXPECT_FALSE(stdfs::exists(app + "tgedit.cfg"));
}

TEST(FirstStart, FailedConfigWriteIsReported) {
    TempDir root;
    const std::string game = makeGame(root);
    const std::string app = makeAppFolder(root, false);
    FaultyFileSystem fs(FsStep::Rename, "tgedit.cfg");
    AppContext ctx(app, fs);

    const Notices notices = firstStart(ctx, game);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "Cannot write " + app + "tgedit.cfg: injected failure");
    EXPECT_FALSE(stdfs::exists(app + "tgedit.cfg"));
}

TEST(LaterStart, ReadsTheGameFolderAndRaisesTheCountOncePerRun) {
    TempDir root;
    const std::string game = makeGame(root);
    const std::string app = makeAppFolder(root, true);
    writeBytes(app + "tgedit.cfg", game + "\r\n 41 \r\n");

    AppContext first(app);
    EXPECT_TRUE(configExists(first));
    EXPECT_TRUE(checkExistingConfig(first).empty());
    EXPECT_EQ(first.state.GamePath, game);
    EXPECT_TRUE(first.state.bStartCounted);
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 42 \r\n");
    EXPECT_TRUE(checkExistingConfig(first).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 42 \r\n");

    AppContext second(app);  // the next run of the program
    EXPECT_TRUE(checkExistingConfig(second).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 43 \r\n");
}

TEST(LaterStart, DamagedOrFullCount) {
    TempDir root;
    const std::string game = makeGame(root);
    const std::string app = makeAppFolder(root, true);

    writeBytes(app + "tgedit.cfg", game + "\n");
    AppContext missing(app);
    EXPECT_TRUE(checkExistingConfig(missing).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 1 \r\n");

    writeBytes(app + "tgedit.cfg", game + "\r\n 2147483647 \r\n");
    AppContext full(app);
    EXPECT_TRUE(checkExistingConfig(full).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 2147483647 \r\n");
}

TEST(LaterStart, GameFolderWithCommaOrQuoteReadsBackWhole) {
    for (const std::string name : {"Toll,grove", "Toll\"grove"}) {
        TempDir root;
        const std::string game = makeGame(root, name);
        const std::string app = makeAppFolder(root, false);
        AppContext run1(app);
        EXPECT_TRUE(firstStart(run1, game).empty());
        EXPECT_EQ(readBytes(app + "tgedit.cfg").front(), '"');

        stdfs::remove(app + "Backup/hub.lua");
        AppContext run2(app);
        EXPECT_TRUE(checkExistingConfig(run2).empty()) << name;
        EXPECT_EQ(run2.state.GamePath, game);
        EXPECT_EQ(readBytes(app + "Backup/hub.lua"), scriptBytes("game", "hub.lua"));
    }
}

TEST(LaterStart, ExistingBackupIsNeverReplaced) {
    TempDir root;
    const std::string game = makeGame(root);
    const std::string app = makeAppFolder(root, true);
    writeBytes(app + "tgedit.cfg", game + "\r\n 1 \r\n");
    stdfs::remove(app + "Backup/businesssettings.lua");

    AppContext ctx(app);
    EXPECT_TRUE(checkExistingConfig(ctx).empty());
    EXPECT_EQ(readBytes(app + "Backup/blocksettings.lua"),
              scriptBytes("backup", "blocksettings.lua"));
    EXPECT_EQ(readBytes(app + "Backup/hub.lua"), scriptBytes("backup", "hub.lua"));
    EXPECT_EQ(readBytes(app + "Backup/businesssettings.lua"),
              scriptBytes("game", "businesssettings.lua"));
}

TEST(LaterStart, RemovedFoldersAreMadeAgain) {
    TempDir root;
    const std::string game = makeGame(root);
    const std::string app = makeAppFolder(root, true);
    writeBytes(app + "tgedit.cfg", game + "\r\n 1 \r\n");
    stdfs::remove_all(app + "Backup");
    stdfs::remove_all(app + "Projects");

    AppContext ctx(app);
    EXPECT_TRUE(checkExistingConfig(ctx).empty());
    EXPECT_TRUE(stdfs::is_directory(app + "Projects"));
    EXPECT_EQ(readBytes(app + "Backup/blocksettings.lua"),
              scriptBytes("game", "blocksettings.lua"));
}

TEST(LaterStart, MovedGameIsReportedPerScript) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    const std::string gone = root / "gone/";
    writeBytes(app + "tgedit.cfg", gone + "\r\n 5 \r\n");
    stdfs::remove(app + "Backup/hub.lua");
    stdfs::remove(app + "Backup/blocksettings.lua");

    AppContext ctx(app);
    const Notices notices = checkExistingConfig(ctx);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].text, "Cannot copy " + gone +
                                   "SCRIPTS/DEFAULT/blocksettings.lua: No such file or directory");
    EXPECT_EQ(notices[1].text,
              "Cannot copy " + gone + "SCRIPTS/DEFAULT/hub.lua: No such file or directory");
    // The count is still kept.
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), gone + "\r\n 6 \r\n");
}

TEST(LaterStart, ConfigWithoutGameFolderCopiesNothing) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    stdfs::remove(app + "Backup/hub.lua");
    writeBytes(app + "tgedit.cfg", "");

    AppContext ctx(app);
    const Notices notices = checkExistingConfig(ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].text.find("tgedit.cfg names no Tollgrove folder"), std::string::npos);
    EXPECT_FALSE(stdfs::exists(app + "Backup/hub.lua"));
}

TEST(LaterStart, UnreadableConfigIsReportedAndLeftAlone) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    writeBytes(app + "tgedit.cfg", "/g/\r\n 3 \r\n");
    FaultyFileSystem fs(FsStep::Read, "tgedit.cfg");
    AppContext ctx(app, fs);

    const Notices notices = checkExistingConfig(ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "Cannot read " + app + "tgedit.cfg: injected failure");
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), "/g/\r\n 3 \r\n");
    EXPECT_FALSE(ctx.state.bStartCounted);
}

TEST(GameFolder, AcceptedOnlyWithTheProgramFile) {
    TempDir root;
    const std::string game = makeGame(root);
    AppContext ctx(root.path());
    EXPECT_EQ(gameFolderOf(root / "Tollgrove"), game);
    EXPECT_EQ(gameFolderOf(game), game);
    EXPECT_EQ(gameFolderOf("/"), "/");
    EXPECT_TRUE(isGameFolder(ctx, game));
    EXPECT_FALSE(isGameFolder(ctx, root.path()));
    EXPECT_FALSE(isGameFolder(ctx, ""));
}

TEST(GameFolderOnly, ReadsTheConfigWithoutCountingOrWriting) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    writeBytes(app + "tgedit.cfg", "/games/Tollgrove\r\n 41 \r\n");
    AppContext ctx(app);

    EXPECT_TRUE(readGameFolder(ctx).empty());
    EXPECT_EQ(ctx.state.GamePath, "/games/Tollgrove/");  // one separator added
    EXPECT_FALSE(ctx.state.bStartCounted);
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), "/games/Tollgrove\r\n 41 \r\n");
    EXPECT_EQ(test::listFolder(app), "Backup\nProjects\ntge.prj\ntgedit.cfg\n");
}

TEST(GameFolderOnly, MissingConfigOrGameFolderIsReported) {
    TempDir root;
    const std::string app = makeAppFolder(root, false);
    AppContext ctx(app);
    Notices notices = readGameFolder(ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "Cannot read " + app + "tgedit.cfg: No such file or directory");
    EXPECT_FALSE(stdfs::exists(app + "tgedit.cfg"));

    writeBytes(app + "tgedit.cfg", "\r\n 3 \r\n");
    ctx.state.GamePath = "/before/";
    notices = readGameFolder(ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, app + "tgedit.cfg names no Tollgrove folder");
    EXPECT_EQ(ctx.state.GamePath, "");
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), "\r\n 3 \r\n");
}

}  // namespace
}  // namespace tg
