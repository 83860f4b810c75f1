// Projects and the File menu's commands in the core: names a new project may
// not take, the first open's refresh and the open count, the save message,
// saves through symbolic links, and import and backup without their folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project/app_context.h"
#include "project/commands.h"
#include "project/edits.h"
#include "project/projects.h"
#include "project_fixtures.h"
#include "scripts/script_files.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::scriptBytes;
using test::TempDir;
using test::writeBytes;

TEST(CreateProject, RefusedNamesCreateNothingAndSayWhyInTheDialogsOrder) {
    TempDir root;
    const std::string app = test::makeAppFolder(root, true);
    stdfs::create_directory(app + "Projects/Taken");
    writeBytes(app + "Projects/notes.txt", "mine");
    stdfs::create_directory(app + "Projects/.hidden");
    AppContext ctx(app);
    ctx.state.ProjectPath = "/before/";
    const Notice exists{kApplicationTitle, std::string(kProjectExistsMessage)};
    const Notice dot{kApplicationTitle, std::string(kDotNameMessage)};
    const Notice forbidden{kTitleTGEdit, std::string(kForbiddenNameMessage)};
    const std::pair<std::string, Notice> cases[] = {
        {"", {kApplicationTitle, std::string(kEmptyNameMessage)}},
        {"Taken", exists},
        {"TAKEN", exists},
        {"notes.txt", exists},
        {".", dot},
        {"..", dot},
        {".hidden", dot},
        {".Taken", dot},         // the dot before the name taken
        {"./Taken", forbidden},  // a forbidden character before both
        {"a/b", forbidden},
    };
    for (const auto& [name, notice] : cases) {
        const ProjectOutcome outcome = createProject(ctx, app + "Projects", name);
        EXPECT_FALSE(outcome.ok) << name;
        EXPECT_EQ(outcome.notices, Notices{notice}) << name;
    }
    EXPECT_EQ(ctx.state.ProjectPath, "/before/");
    EXPECT_EQ(test::listFolder(app + "Projects"), ".hidden\nTaken\nnotes.txt\n");

    // The name box removes one kind of forbidden character at a time, in
    // the order \ / : * ? " < > |.
    const std::pair<std::string, std::optional<char>> firsts[] = {{"Plain name", std::nullopt},
                                                                  {"a|b:c\\d", '\\'},
                                                                  {"a|b:c", ':'},
                                                                  {"x\"y<z", '"'},
                                                                  {"|", '|'}};
    for (const auto& [name, first] : firsts) {
        EXPECT_EQ(firstForbiddenCharacter(name), first) << name;
    }
}

TEST(OpenProject, TheFreshMarkerRefreshesHubOnceAndEveryOpenCountsOnce) {
    const struct {
        std::string marker;
        bool refreshes;
        std::string rewritten;
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
        TempDir root;
        const std::string app = test::makeAppFolder(root, true);
        const std::string project = app + "Projects/P/";
        stdfs::create_directory(project);
        writeBytes(project + "hub.lua", "-- mine\r\n");
        writeBytes(project + "tgedit.prj", c.marker);
        AppContext ctx(app);

        EXPECT_TRUE(openProject(ctx, app + "Projects/P").ok) << c.marker;
        EXPECT_EQ(ctx.state.ProjectPath, project);
        EXPECT_EQ(readBytes(project + "hub.lua"),
                  c.refreshes ? scriptBytes("backup", "hub.lua") : "-- mine\r\n")
            << c.marker;
        EXPECT_EQ(readBytes(project + "tgedit.prj"), "TG Edit: 1.0.0.1\r\n" + c.rewritten + "\r\n");
    }
}

TEST(OpenProject, AFolderWithoutMarkerIsRefused) {
    TempDir root;
    const std::string app = test::makeAppFolder(root, true);
    AppContext ctx(app);
    ctx.state.ProjectPath = "/kept/";
    for (const std::string& folder :
         {app + "Projects/", app + "Projects", app + "Missing/", std::string()}) {
        const ProjectOutcome outcome = openProject(ctx, folder);
        EXPECT_FALSE(outcome.ok) << folder;
        EXPECT_EQ(outcome.notices,
                  (Notices{{kApplicationTitle, std::string(kInvalidProjectPathMessage)}}));
    }
    EXPECT_EQ(ctx.state.ProjectPath, "/kept/");
    EXPECT_EQ(test::listFolder(app + "Projects"), "");
}

TEST(SaveMessage, NamesTheProjectInUpperCase) {
    AppContext ctx("/x/");
    const std::pair<std::string, std::string> cases[] = {
        {"/x/Projects/MyCity/", "MYCITY"}, {"/x/Projects/My City 2", "MY CITY 2"}, {"/", ""}};
    for (const auto& [folder, name] : cases) {
        ctx.state.ProjectPath = folder;
        EXPECT_EQ(saveMessage(ctx), "Project: " + name + " has been successfully saved.");
    }
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
    TempDir root;
    const std::string app = test::makeAppFolder(root, true);
    const std::string game = test::makeGame(root, "Tollgrove", "scripts/default");
    const std::string project = app + "Projects/City/";
    stdfs::create_directory(project);
    for (std::string_view name : kScriptFiles) {
        writeBytes(project + std::string(name), scriptBytes("project", name));
    }
    AppContext ctx(app);
    ctx.state.GamePath = game;
    EXPECT_TRUE(backupGame(ctx).empty());
    // Not known: nothing is copied from or to where the program happens to run.
    EXPECT_EQ(importProject(ctx).size(), 1u);
    ctx.state.ProjectPath = project;
    ctx.state.GamePath.clear();
    EXPECT_EQ(importProject(ctx).size(), 1u);
    EXPECT_EQ(backupGame(ctx).size(), 1u);
    ctx.state.GamePath = game;
    EXPECT_TRUE(importProject(ctx).empty());
    for (std::string_view name : kScriptFiles) {
        EXPECT_EQ(readBytes(game + "scripts/default/" + std::string(name)),
                  scriptBytes("project", name));
        EXPECT_EQ(readBytes(app + "Backup/" + std::string(name)), scriptBytes("game", name));
    }
    EXPECT_EQ(test::listFolder(game + "scripts/default"),
              "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\n");
}

}  // namespace
}  // namespace tg
