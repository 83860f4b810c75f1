// The start-up check: the first start writes tgedit.cfg last, after Projects
// and a filled Backup; a later start reads the game folder, counts the start
// once per run, makes lost folders again and fills only missing Backup copies.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "project/app_context.h"
#include "project/startup.h"
#include "project_fixtures.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(FirstStart, MakesTheFoldersFillsBackupAndWritesTheConfigLast) {
    TempDir root;
    // A game copied from Windows may spell its folders in any letter case.
    const std::string game = test::makeGame(root, "Tollgrove", "scripts/default");
    const std::string app = test::makeAppFolder(root, false);
    AppContext ctx(app);
    EXPECT_FALSE(configExists(ctx));
    ctx.state.GamePath = game;
    EXPECT_TRUE(completeFirstStart(ctx).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 1 \r\n");
    EXPECT_TRUE(stdfs::is_directory(app + "Projects"));
    for (std::string_view name : kScriptFiles) {
        EXPECT_EQ(readBytes(app + "Backup/" + std::string(name)), test::scriptBytes("game", name));
    }
    // Back at the start menu in the same run, this start is counted once.
    EXPECT_TRUE(configExists(ctx));
    EXPECT_TRUE(checkExistingConfig(ctx).empty());
    EXPECT_TRUE(checkExistingConfig(ctx).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 2 \r\n");
    AppContext nextRun(app);
    EXPECT_TRUE(checkExistingConfig(nextRun).empty());
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), game + "\r\n 3 \r\n");

    // A folder that cannot be made leaves the next start a first start.
    TempDir other;
    const std::string blocked = test::makeAppFolder(other, false);
    stdfs::create_symlink(blocked + "nowhere", blocked + "Backup");
    AppContext failing(blocked);
    failing.state.GamePath = game;
    EXPECT_EQ(
        completeFirstStart(failing),
        (Notices{{kTitleTGEdit, "Cannot create the folder " + blocked + "Backup: File exists"}}));
    EXPECT_FALSE(configExists(failing));
}

TEST(LaterStart, CountsOncePerRunAndFillsWhatIsMissing) {
    // In the texts $G is the game folder and $A the application folder.
    const struct {
        std::string game, config;
        std::vector<std::string> removed;
        std::string configAfter, backupFrom;  // per script: backup, game or missing
        std::vector<std::string> notices;
    } cases[] = {
        {"Tollgrove", "$G\r\n 41 \r\n", {}, "$G\r\n 42 \r\n", "bbbb", {}},
        {"Tollgrove", "$G\n", {}, "$G\r\n 1 \r\n", "bbbb", {}},
        {"Tollgrove", "$G\r\n 2147483647 \r\n", {}, "$G\r\n 2147483647 \r\n", "bbbb", {}},
        {"Toll,grove", "\"$G\"\r\n 1 \r\n", {"hub.lua"}, "\"$G\"\r\n 2 \r\n", "bbbg", {}},
        {"Tollgrove", "$G\r\n 1 \r\n", {"businesssettings.lua"}, "$G\r\n 2 \r\n", "bgbb", {}},
        {"Tollgrove", "$G\r\n 1 \r\n", {"", "../Projects"}, "$G\r\n 2 \r\n", "gggg", {}},
        {"gone",
         "$G\r\n 5 \r\n",
         {"hub.lua", "blocksettings.lua"},
         "$G\r\n 6 \r\n",
         "-bb-",
         {"Cannot copy $GSCRIPTS/DEFAULT/blocksettings.lua: No such file or directory",
          "Cannot copy $GSCRIPTS/DEFAULT/hub.lua: No such file or directory"}},
        {"Tollgrove",
         "",
         {"hub.lua"},
         "\r\n 1 \r\n",
         "bbb-",
         {"Cannot fill $ABackup: tgedit.cfg names no Tollgrove folder"}},
    };
    for (const auto& c : cases) {
        TempDir root;
        const std::string app = test::makeAppFolder(root, true);
        const std::string game = c.game == "gone" ? root / "gone/" : test::makeGame(root, c.game);
        const auto expand = [&](std::string text) {
            for (const auto& [from, to] : {std::pair{"$G", game}, std::pair{"$A", app}}) {
                for (auto at = text.find(from); at != std::string::npos; at = text.find(from)) {
                    text.replace(at, 2, to);
                }
            }
            return text;
        };
        writeBytes(app + "tgedit.cfg", expand(c.config));
        for (const std::string& name : c.removed) {
            stdfs::remove_all(app + "Backup/" + name);
        }
        AppContext ctx(app);
        Notices expected;
        for (const std::string& text : c.notices) {
            expected.push_back({kTitleTGEdit, expand(text)});
        }
        EXPECT_EQ(checkExistingConfig(ctx), expected) << c.config;
        EXPECT_EQ(ctx.state.GamePath, c.config.empty() ? "" : game);
        EXPECT_EQ(readBytes(app + "tgedit.cfg"), expand(c.configAfter));
        EXPECT_TRUE(stdfs::is_directory(app + "Projects"));
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string path = app + "Backup/" + std::string(kScriptFiles[i]);
            const char from = c.backupFrom[i];
            EXPECT_EQ(stdfs::exists(path) ? readBytes(path) : "-",
                      from == '-'
                          ? "-"
                          : test::scriptBytes(from == 'b' ? "backup" : "game", kScriptFiles[i]))
                << c.config << " " << kScriptFiles[i];
        }
        checkExistingConfig(ctx);  // once per run
        EXPECT_EQ(readBytes(app + "tgedit.cfg"), expand(c.configAfter));
    }
}

TEST(LaterStart, AnUnreadableConfigIsReportedAndLeftAlone) {
    TempDir root;
    const std::string app = test::makeAppFolder(root, true);
    stdfs::create_directory(app + "tgedit.cfg");
    AppContext ctx(app);
    EXPECT_EQ(
        checkExistingConfig(ctx),
        (Notices{{kTitleTGEdit, "Cannot read " + app + "tgedit.cfg: it is a folder, not a file"}}));
    EXPECT_FALSE(ctx.state.bStartCounted);
    EXPECT_TRUE(stdfs::is_directory(app + "tgedit.cfg"));
}

TEST(GameFolder, AcceptedWithTheProgramFileAndReadWithoutCounting) {
    TempDir root;
    const std::string game = test::makeGame(root);
    const std::string app = test::makeAppFolder(root, true);
    AppContext ctx(app);
    EXPECT_EQ(gameFolderOf(root / "Tollgrove"), game);
    EXPECT_EQ(gameFolderOf(game), game);
    EXPECT_EQ(gameFolderOf("/"), "/");
    EXPECT_TRUE(isGameFolder(ctx, game));
    EXPECT_FALSE(isGameFolder(ctx, app));
    EXPECT_FALSE(isGameFolder(ctx, ""));

    writeBytes(app + "tgedit.cfg", root / "Tollgrove\r\n 41 \r\n");
    EXPECT_TRUE(readGameFolder(ctx).empty());
    EXPECT_EQ(ctx.state.GamePath, game);  // one separator added
    EXPECT_FALSE(ctx.state.bStartCounted);
    EXPECT_EQ(readBytes(app + "tgedit.cfg"), root / "Tollgrove\r\n 41 \r\n");
}

}  // namespace
}  // namespace tg
