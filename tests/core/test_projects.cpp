// Start-up, projects and the File menu's copies in the core: what the
// tgedit-cli tables and the window tests do not already show.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fs/paths.h"
#include "project/app_context.h"
#include "project/commands.h"
#include "project/projects.h"
#include "project/startup.h"
#include "scripts/script_files.h"
#include "test_support.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// A different text per place and script, so a copy from the wrong place shows.
std::string scriptBytes(std::string_view place, std::string_view name) {
    return "-- " + std::string(place) + " " + std::string(name) + "\r\n";
}

// Under root: a game (mc.exe and the scripts in scriptsFolder, spelt in any
// letter case) and an application folder with tge.prj, Projects and Backup.
struct Folders {
    TempDir root;
    std::string app = root / "app/";
    std::string game = root / "Tollgrove/";

    explicit Folders(const std::string& scriptsFolder = "SCRIPTS/DEFAULT/") {
        stdfs::create_directories(app + "Projects");
        stdfs::create_directories(app + "Backup");
        stdfs::create_directories(game + scriptsFolder);
        writeBytes(app + "tge.prj", "DO NOT DELETE THIS FILE.\r\n 0 \r\n");
        writeBytes(game + "mc.exe", "MZ");
        for (std::string_view name : kScriptFiles) {
            writeBytes(app + "Backup/" + std::string(name), scriptBytes("backup", name));
            writeBytes(game + scriptsFolder + std::string(name), scriptBytes("game", name));
        }
    }
};

TEST(FirstStart, AFolderThatCannotBeMadeLeavesTheNextStartAFirstStart) {
#ifdef _WIN32
    GTEST_SKIP() << "a symbolic link needs a privilege that a Windows user does not have";
#endif
    Folders f;
    stdfs::remove_all(f.app + "Backup");
    stdfs::create_symlink(f.app + "nowhere", f.app + "Backup");
    AppContext ctx(f.app);
    ctx.state.GamePath = f.game;
    EXPECT_EQ(
        completeFirstStart(ctx),
        (Notices{{kTitleTGEdit, "Cannot create the folder " + f.app + "Backup: File exists"}}));
    EXPECT_FALSE(configExists(ctx));
}

TEST(StartsAndOpens, AsTheTableSays) {
    const std::string table = readBytes(TGEDIT_TEST_DATA_DIR "/starts_and_opens.txt");
    for (const std::string& line : test::linesOf(table)) {
        const std::vector<std::string> w = test::wordsOf(line);
        if (w.empty() || w[0][0] == '#') {
            continue;
        }
        SCOPED_TRACE(line);
        Folders f;
        AppContext ctx(f.app);
        if (w[0] == "open") {
            const std::string project = f.root / "app/Projects/P/";
            stdfs::create_directory(project);
            writeBytes(project + "hub.lua", "-- mine\r\n");
            writeBytes(project + "tgedit.prj", w[1]);
            EXPECT_TRUE(openProject(ctx, f.root / "app/Projects/P").ok);
            EXPECT_EQ(ctx.state.ProjectPath, project);
            EXPECT_EQ(readBytes(project + "hub.lua"),
                      w[2] == "refresh" ? scriptBytes("backup", "hub.lua") : "-- mine\r\n");
            EXPECT_EQ(readBytes(project + "tgedit.prj"), "TG Edit: 1.0.0.1\r\n" + w[3] + "\r\n");
            continue;
        }
        test::copyTree(f.game, f.root / "Toll,grove");
        // '/' is the platform's separator; $A the application folder as the
        // program spells it.
        const auto expand = [&](std::string text) {
            std::replace(text.begin(), text.end(), '/', kPathSeparator);
            text = test::replaceAll(text, "$G", f.game);
            text = test::replaceAll(text, "$C", f.root / "Toll,grove/");
            return test::replaceAll(text, "$A", ctx.app.Path);
        };
        const auto config = [&f] {
            return stdfs::is_directory(f.app + "tgedit.cfg") ? std::string("folder")
                                                             : readBytes(f.app + "tgedit.cfg");
        };
        std::string after, backup;
        Notices notices;
        for (std::size_t i = 2; i + 1 < w.size(); i += 2) {
            if (w[i] == "remove") {
                stdfs::remove_all(f.app + "Backup/" + w[i + 1]);
            } else if (w[i] == "after") {
                after = expand(w[i + 1]);
            } else if (w[i] == "backup") {
                backup = w[i + 1];
            } else {
                notices.push_back({kTitleTGEdit, expand(w[i + 1])});
            }
        }
        if (w[1] == "folder") {
            stdfs::create_directory(f.app + "tgedit.cfg");
        } else {
            writeBytes(f.app + "tgedit.cfg", expand(w[1]));
        }
        for (int check = 0; check < 2; ++check) {
            EXPECT_EQ(checkExistingConfig(ctx), notices);
            EXPECT_EQ(config(), after);
        }
        EXPECT_TRUE(stdfs::is_directory(f.app + "Projects"));
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string path = f.app + "Backup/" + std::string(kScriptFiles[i]);
            const std::string place = backup[i] == 'b' ? "backup" : "game";
            EXPECT_EQ(stdfs::exists(path) ? readBytes(path) : "-",
                      backup[i] == '-' ? "-" : scriptBytes(place, kScriptFiles[i]));
        }
    }
}

TEST(Projects, NamesAndFoldersAreRefusedInTheDialogsOrder) {
    Folders f;
    stdfs::create_directory(f.app + "Projects/Taken");
    AppContext ctx(f.app);
    const std::pair<std::string, std::string_view> names[] = {
        {"./Taken", kForbiddenNameMessage},  // before the dot and the name
        {".Taken", kDotNameMessage},         // before the name
        {"taken", kProjectExistsMessage},
    };
    for (const auto& [name, text] : names) {
        const ProjectOutcome outcome = createProject(ctx, f.app + "Projects", name);
        ASSERT_EQ(outcome.notices.size(), 1u) << name;
        EXPECT_EQ(outcome.notices[0].text, text) << name;
    }
    EXPECT_EQ(test::listFolder(f.app + "Projects"), "Taken\n");
    for (const std::string& folder : {f.app + "Projects", f.app + "Missing/", std::string()}) {
        EXPECT_EQ(openProject(ctx, folder).notices,
                  (Notices{{kApplicationTitle, std::string(kInvalidProjectPathMessage)}}));
    }
    EXPECT_EQ(ctx.state.ProjectPath, "");
}

TEST(ImportAndBackup, CopyUnderTheGamesOwnSpellingAndNeedTheirFolders) {
    Folders f("scripts/default/");
    const std::string project = f.app + "Projects/City/";
    stdfs::create_directory(project);
    for (std::string_view name : kScriptFiles) {
        writeBytes(project + std::string(name), scriptBytes("project", name));
    }
    AppContext ctx(f.app);
    ctx.state.GamePath = f.game;
    EXPECT_TRUE(backupGame(ctx).empty());
    // Not known: nothing is copied from or to where the program happens to run.
    EXPECT_EQ(importProject(ctx).size(), 1u);
    ctx.state.ProjectPath = project;
    ctx.state.GamePath.clear();
    EXPECT_EQ(importProject(ctx).size(), 1u);
    EXPECT_EQ(backupGame(ctx).size(), 1u);
    ctx.state.GamePath = f.game;
    EXPECT_TRUE(importProject(ctx).empty());
    for (std::string_view name : kScriptFiles) {
        EXPECT_EQ(readBytes(f.game + "scripts/default/" + std::string(name)),
                  scriptBytes("project", name));
        EXPECT_EQ(readBytes(f.app + "Backup/" + std::string(name)), scriptBytes("game", name));
    }
    EXPECT_EQ(test::listFolder(f.game + "scripts/default"),
              "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n");
}

}  // namespace
}  // namespace tg
