// Start-up, projects and the File menu's copies in the core: what the
// tgedit-cli tables and the window tests do not already show.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "project/app_context.h"
#include "project/commands.h"
#include "project/edits.h"
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

TEST(LaterStart, CountsOncePerRunAndFillsOnlyWhatIsMissing) {
    // $G is the game folder, $C the same under a name with a comma, $A the
    // application folder.
    const struct {
        std::string config;
        std::vector<std::string> removed;
        std::string configAfter, backupFrom;  // per script: backup, game or missing
        std::vector<std::string> notices;
    } cases[] = {
        {"$G\r\n 41 \r\n", {}, "$G\r\n 42 \r\n", "bbbb", {}},
        {"$G\n", {"businesssettings.lua"}, "$G\r\n 1 \r\n", "bgbb", {}},
        {"$G\r\n 2147483647 \r\n", {}, "$G\r\n 2147483647 \r\n", "bbbb", {}},
        {"\"$C\"\r\n 1 \r\n", {"hub.lua"}, "\"$C\"\r\n 2 \r\n", "bbbg", {}},
        {"$G\r\n 1 \r\n", {"", "../Projects"}, "$G\r\n 2 \r\n", "gggg", {}},
        {"$Agone/\r\n 5 \r\n",
         {"hub.lua", "blocksettings.lua"},
         "$Agone/\r\n 6 \r\n",
         "-bb-",
         {"Cannot copy $Agone/SCRIPTS/DEFAULT/blocksettings.lua: No such file or directory",
          "Cannot copy $Agone/SCRIPTS/DEFAULT/hub.lua: No such file or directory"}},
        {"",
         {"hub.lua"},
         "\r\n 1 \r\n",
         "bbb-",
         {"Cannot fill $ABackup: tgedit.cfg names no Tollgrove folder"}},
        {"(a folder)",
         {},
         "(a folder)",
         "bbbb",
         {"Cannot read $Atgedit.cfg: it is a folder, not a file"}},
    };
    for (const auto& c : cases) {
        Folders f;
        stdfs::create_directory_symlink(f.game, f.root / "Toll,grove");
        const auto expand = [&f](std::string text) {
            for (const auto& [from, to] : {std::pair{"$G", f.game}, std::pair{"$A", f.app},
                                           std::pair{"$C", f.root / "Toll,grove/"}}) {
                for (auto at = text.find(from); at != std::string::npos; at = text.find(from)) {
                    text.replace(at, 2, to);
                }
            }
            return text;
        };
        if (c.config == "(a folder)") {
            stdfs::create_directory(f.app + "tgedit.cfg");
        } else {
            writeBytes(f.app + "tgedit.cfg", expand(c.config));
        }
        for (const std::string& name : c.removed) {
            stdfs::remove_all(f.app + "Backup/" + name);
        }
        Notices expected;
        for (const std::string& text : c.notices) {
            expected.push_back({kTitleTGEdit, expand(text)});
        }
        AppContext ctx(f.app);
        for (int check = 0; check < 2; ++check) {  // counted once per run
            EXPECT_EQ(checkExistingConfig(ctx), expected) << c.config;
            EXPECT_EQ(stdfs::is_directory(f.app + "tgedit.cfg") ? std::string("(a folder)")
                                                                : readBytes(f.app + "tgedit.cfg"),
                      expand(c.configAfter));
        }
        EXPECT_TRUE(stdfs::is_directory(f.app + "Projects"));
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string path = f.app + "Backup/" + std::string(kScriptFiles[i]);
            const char from = c.backupFrom[i];
            EXPECT_EQ(
                stdfs::exists(path) ? readBytes(path) : "-",
                from == '-' ? "-" : scriptBytes(from == 'b' ? "backup" : "game", kScriptFiles[i]))
                << c.config << " " << kScriptFiles[i];
        }
    }
}

TEST(NewProject, NamesAreRefusedInTheDialogsOrder) {
    Folders f;
    stdfs::create_directory(f.app + "Projects/Taken");
    AppContext ctx(f.app);
    const std::pair<std::string, std::string_view> cases[] = {
        {"./Taken", kForbiddenNameMessage},  // before the dot and the name
        {".Taken", kDotNameMessage},         // before the name
        {"taken", kProjectExistsMessage},
    };
    for (const auto& [name, text] : cases) {
        const ProjectOutcome outcome = createProject(ctx, f.app + "Projects", name);
        ASSERT_EQ(outcome.notices.size(), 1u) << name;
        EXPECT_EQ(outcome.notices[0].text, text) << name;
    }
    EXPECT_EQ(test::listFolder(f.app + "Projects"), "Taken\n");
}

TEST(OpenProject, TheFreshMarkerRefreshesHubOnceAndEveryOpenCountsOnce) {
    const struct {
        std::string marker;
        bool refreshes;
        std::string count;
    } cases[] = {
        {"  DO NOT DELETE THIS FILE.   \r\n 5 \r\n", true, " 6 "},
        {"Do not delete this file.\r\n 5 \r\n", false, " 6 "},  // letter case counts
        {"\"DO NOT DELETE THIS FILE.\"\n9", true, " 10 "},
        {"DO NOT DELETE THIS FILE.", true, " 1 "},  // no count
        {"TG Edit: 1.0.0.1\r\nlots\r\n", false, " 1 "},
        {"TG Edit: 1.0.0.1\r\n 32767 \r\n", false, " 32767 "},  // full
        {"", false, " 1 "},
    };
    for (const auto& c : cases) {
        Folders f;
        const std::string project = f.app + "Projects/P/";
        stdfs::create_directory(project);
        writeBytes(project + "hub.lua", "-- mine\r\n");
        writeBytes(project + "tgedit.prj", c.marker);
        AppContext ctx(f.app);
        EXPECT_TRUE(openProject(ctx, f.app + "Projects/P").ok) << c.marker;
        EXPECT_EQ(ctx.state.ProjectPath, project);
        EXPECT_EQ(readBytes(project + "hub.lua"),
                  c.refreshes ? scriptBytes("backup", "hub.lua") : "-- mine\r\n");
        EXPECT_EQ(readBytes(project + "tgedit.prj"), "TG Edit: 1.0.0.1\r\n" + c.count + "\r\n");
    }
    Folders f;
    AppContext ctx(f.app);
    for (const std::string& folder : {f.app + "Projects", f.app + "Missing/", std::string()}) {
        EXPECT_EQ(openProject(ctx, folder).notices,
                  (Notices{{kApplicationTitle, std::string(kInvalidProjectPathMessage)}}));
    }
    EXPECT_EQ(ctx.state.ProjectPath, "");
}

TEST(SaveProject, WritesThroughAScriptThatIsALinkAndKeepsTheLink) {
    for (const std::string link : {"../store/blocksettings.lua", "$/store/blocksettings.lua"}) {
        TempDir root;
        const std::string app = root / "app/";
        const std::string project = root / "project/";
        for (const std::string& folder : {app, project, root / "store/"}) {
            stdfs::create_directories(folder);
        }
        test::copyDataFiles(app);
        test::copyDemoScripts(project);
        stdfs::rename(project + "blocksettings.lua", root / "store/blocksettings.lua");
        const std::string text = link[0] == '$' ? root / link.substr(2) : link;
        stdfs::create_symlink(text, project + "blocksettings.lua");
        AppContext ctx(app);
        ctx.state.ProjectPath = project;
        ASSERT_TRUE(reloadProject(ctx).empty());
        BlockRecord airport = ctx.state.model.EditBlocks[5];
        airport.value = 150;
        airport.prestige = 2.25;
        airport.ownable = true;
        airport.buildingrights = true;
        storeBlock(ctx.state, 5, airport);

        ASSERT_TRUE(saveProject(ctx).empty());
        EXPECT_EQ(stdfs::read_symlink(project + "blocksettings.lua"), text);
        // What tgedit-cli set writes for the same values.
        EXPECT_EQ(readBytes(root / "store/blocksettings.lua"),
                  readBytes(TGEDIT_TEST_DATA_DIR "/cli/set/airport.lua"));
        EXPECT_EQ(test::listFolder(root / "store"), "blocksettings.lua\n");
        EXPECT_EQ(test::listFolder(project),
                  "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n");
    }
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
