#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project/app_context.h"
#include "project/projects.h"
#include "project_fixtures.h"
#include "scripts/text_ops.h"

namespace tg {
namespace {

using test::FaultyFileSystem;
using test::kScriptNames;
using test::kTemplateMarker;
using test::makeAppFolder;
using test::readBytes;
using test::scriptBytes;
using test::TempDir;
using test::writeBytes;

namespace stdfs = std::filesystem;

constexpr const char* kProjectFiles =
    "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\ntgedit.prj\n";

Notice appTitled(std::string_view text) {
    return {"TGEdit", std::string(text)};
}

TEST(CreateProject, CopiesBackupAndTemplateByteForByte) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    AppContext ctx(app);

    const ProjectOutcome outcome = createProject(ctx, app + "Projects/", "MyCity");
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.notices.empty());
    const std::string project = app + "Projects/MyCity/";
    EXPECT_EQ(ctx.state.ProjectPath, project);
    EXPECT_EQ(test::listFolder(project), kProjectFiles);
    for (std::string_view name : kScriptNames) {
        EXPECT_EQ(readBytes(project + std::string(name)), scriptBytes("backup", name));
    }
    EXPECT_EQ(readBytes(project + "tgedit.prj"), kTemplateMarker);
}

TEST(CreateProject, ParentWithoutTrailingSeparatorIsJoinedAsAFolder) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    AppContext ctx(app);
    EXPECT_TRUE(createProject(ctx, app + "Projects", "A").ok);
    EXPECT_EQ(ctx.state.ProjectPath, app + "Projects/A/");
}

TEST(CreateProject, RefusedNamesCreateNothing) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    stdfs::create_directory(app + "Projects/Taken");
    writeBytes(app + "Projects/notes.txt", "mine");
    stdfs::create_directory(app + "Projects/.hidden");
    writeBytes(app + "Projects/.hidden/hub.lua", "keep");
    AppContext ctx(app);
    ctx.state.ProjectPath = "/before/";

    struct Case {
        std::string name;
        Notice notice;
    };
    const Case cases[] = {
        {"", appTitled("Please enter a Project Name.")},
        {"Taken", appTitled("This Project already exists, please choose another name.")},
        {"TAKEN", appTitled("This Project already exists, please choose another name.")},
        {"notes.txt", appTitled("This Project already exists, please choose another name.")},
        {"a/b", Notice{"TG Edit", std::string(kForbiddenNameMessage)}},
        {".", appTitled(kDotNameMessage)},
        {"..", appTitled(kDotNameMessage)},
        {".hidden", appTitled(kDotNameMessage)},
    };
    for (const Case& c : cases) {
        const ProjectOutcome outcome = createProject(ctx, app + "Projects/", c.name);
        EXPECT_FALSE(outcome.ok) << c.name;
        ASSERT_EQ(outcome.notices.size(), 1u) << c.name;
        EXPECT_EQ(outcome.notices[0], c.notice) << c.name;
    }
    EXPECT_EQ(ctx.state.ProjectPath, "/before/");
    EXPECT_EQ(test::listFolder(app + "Projects"), ".hidden\nTaken\nnotes.txt\n");
    EXPECT_EQ(test::listFolder(app + "Projects/Taken"), "");
    EXPECT_EQ(test::listFolder(app + "Projects/.hidden"), "hub.lua\n");
    EXPECT_EQ(readBytes(app + "Projects/notes.txt"), "mine");
    EXPECT_EQ(test::listFolder(app), "Backup\nProjects\ntge.prj\n");
}

TEST(CreateProject, FailedCopyLeavesNoMarkerAndNamesTheFile) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    stdfs::remove(app + "Backup/commoditysettings.lua");
    AppContext ctx(app);

    const ProjectOutcome outcome = createProject(ctx, app + "Projects/", "Half");
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0],
              (Notice{"TG Edit", "Cannot copy " + app +
                                     "Backup/commoditysettings.lua: No such file or directory"}));
    EXPECT_EQ(ctx.state.ProjectPath, "");
    EXPECT_FALSE(stdfs::exists(app + "Projects/Half/tgedit.prj"));
    // Without a marker the folder is not a project.
    EXPECT_FALSE(openProject(ctx, app + "Projects/Half/").ok);
}

TEST(CreateProject, MissingTemplateOrFolderIsReported) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    stdfs::remove(app + "tge.prj");
    AppContext ctx(app);
    ProjectOutcome outcome = createProject(ctx, app + "Projects/", "NoMarker");
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].text, "Cannot copy " + app + "tge.prj: No such file or directory");

    outcome = createProject(ctx, app + "Gone/", "X");
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].text,
              "Cannot create the folder " + app + "Gone/X: No such file or directory");
    EXPECT_EQ(ctx.state.ProjectPath, "");
}

TEST(OpenProject, FirstOpenRefreshesHubOnceAndCountsOpens) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    AppContext ctx(app);
    ASSERT_TRUE(createProject(ctx, app + "Projects/", "City").ok);
    const std::string project = app + "Projects/City/";
    ctx.state.ProjectPath.clear();
    // The project's scripts differ from Backup, as after editing.
    for (std::string_view name : kScriptNames) {
        writeBytes(project + std::string(name), scriptBytes("edited", name));
    }

    ProjectOutcome outcome = openProject(ctx, project);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.notices.empty());
    EXPECT_EQ(ctx.state.ProjectPath, project);
    EXPECT_EQ(readBytes(project + "hub.lua"), scriptBytes("backup", "hub.lua"));
    EXPECT_EQ(readBytes(project + "blocksettings.lua"), scriptBytes("edited", "blocksettings.lua"));
    EXPECT_EQ(readBytes(project + "tgedit.prj"), "TG Edit: 1.0.0.1\r\n 1 \r\n");

    writeBytes(project + "hub.lua", scriptBytes("edited", "hub.lua"));
    EXPECT_TRUE(openProject(ctx, app + "Projects/City").ok);
    EXPECT_EQ(ctx.state.ProjectPath, project);
    EXPECT_EQ(readBytes(project + "hub.lua"), scriptBytes("edited", "hub.lua"));
    EXPECT_EQ(readBytes(project + "tgedit.prj"), "TG Edit: 1.0.0.1\r\n 2 \r\n");
    EXPECT_EQ(test::listFolder(project), kProjectFiles);
}

TEST(OpenProject, MarkerTextIsComparedTrimmedAndWithLetterCase) {
    struct Case {
        std::string marker;
        bool refreshes;
        std::string rewritten;
    };
    const Case cases[] = {
        {"  DO NOT DELETE THIS FILE.   \r\n 5 \r\n", true, "TG Edit: 1.0.0.1\r\n 6 \r\n"},
        {"Do not delete this file.\r\n 5 \r\n", false, "TG Edit: 1.0.0.1\r\n 6 \r\n"},
        {"\"DO NOT DELETE THIS FILE.\"\n9", true, "TG Edit: 1.0.0.1\r\n 10 \r\n"},
        // Damaged or full counts.
        {"DO NOT DELETE THIS FILE.", true, "TG Edit: 1.0.0.1\r\n 1 \r\n"},
        {"TG Edit: 1.0.0.1\r\nlots\r\n", false, "TG Edit: 1.0.0.1\r\n 1 \r\n"},
        {"TG Edit: 1.0.0.1\r\n 32767 \r\n", false, "TG Edit: 1.0.0.1\r\n 32767 \r\n"},
        {"", false, "TG Edit: 1.0.0.1\r\n 1 \r\n"},
    };
    for (const Case& c : cases) {
        TempDir root;
        const std::string app = makeAppFolder(root, true);
        const std::string project = app + "Projects/P/";
        stdfs::create_directory(project);
        writeBytes(project + "hub.lua", "-- mine\r\n");
        writeBytes(project + "tgedit.prj", c.marker);
        AppContext ctx(app);

        EXPECT_TRUE(openProject(ctx, project).ok) << c.marker;
        EXPECT_EQ(readBytes(project + "hub.lua"),
                  c.refreshes ? scriptBytes("backup", "hub.lua") : "-- mine\r\n")
            << c.marker;
        EXPECT_EQ(readBytes(project + "tgedit.prj"), c.rewritten) << c.marker;
    }
}

TEST(OpenProject, FolderWithoutMarkerIsRefused) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    AppContext ctx(app);
    ctx.state.ProjectPath = "/kept/";
    for (const std::string& folder :
         {app + "Projects/", app + "Projects", app + "Missing/", std::string()}) {
        const ProjectOutcome outcome = openProject(ctx, folder);
        EXPECT_FALSE(outcome.ok) << folder;
        ASSERT_EQ(outcome.notices.size(), 1u);
        EXPECT_EQ(outcome.notices[0], appTitled("Invalid Project Path."));
    }
    EXPECT_EQ(ctx.state.ProjectPath, "/kept/");
    EXPECT_EQ(test::listFolder(app + "Projects"), "");
}

TEST(OpenProject, FailedRefreshLeavesMarkerAndProjectUnopened) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    AppContext ctx(app);
    ASSERT_TRUE(createProject(ctx, app + "Projects/", "P").ok);
    const std::string project = ctx.state.ProjectPath;
    ctx.state.ProjectPath = "/kept/";
    stdfs::remove(app + "Backup/hub.lua");
    writeBytes(project + "hub.lua", "-- mine\r\n");

    const ProjectOutcome outcome = openProject(ctx, project);
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].text,
              "Cannot copy " + app + "Backup/hub.lua: No such file or directory");
    EXPECT_EQ(ctx.state.ProjectPath, "/kept/");
    EXPECT_EQ(readBytes(project + "hub.lua"), "-- mine\r\n");
    EXPECT_EQ(readBytes(project + "tgedit.prj"), kTemplateMarker);
}

TEST(OpenProject, FailedMarkerWriteLeavesProjectUnopened) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    const std::string project = app + "Projects/P/";
    stdfs::create_directory(project);
    writeBytes(project + "tgedit.prj", "TG Edit: 1.0.0.1\r\n 4 \r\n");
    FaultyFileSystem fs(FsStep::Rename, "tgedit.prj");
    AppContext ctx(app, fs);

    const ProjectOutcome outcome = openProject(ctx, project);
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].text, "Cannot write " + project + "tgedit.prj: injected failure");
    EXPECT_EQ(ctx.state.ProjectPath, "");
    EXPECT_EQ(readBytes(project + "tgedit.prj"), "TG Edit: 1.0.0.1\r\n 4 \r\n");
}

TEST(ProjectName, CleanedOneKindOfCharacterAtATimeInTestOrder) {
    EXPECT_EQ(firstForbiddenCharacter("Plain name"), std::nullopt);
    EXPECT_EQ(firstForbiddenCharacter("a|b:c\\d"), '\\');
    EXPECT_EQ(firstForbiddenCharacter("a|b:c"), ':');
    EXPECT_EQ(firstForbiddenCharacter("x\"y<z"), '"');
    EXPECT_EQ(firstForbiddenCharacter("|"), '|');

    std::string name = "a/b\\c/d:";
    int passes = 0;
    while (auto c = firstForbiddenCharacter(name)) {
        name = removeCharacter(name, *c);
        ++passes;
    }
    EXPECT_EQ(name, "abcd");
    EXPECT_EQ(passes, 3);
}

TEST(ProjectName, RefusalComesInTheDialogsOrderAndCreatesNothing) {
    TempDir root;
    const std::string app = makeAppFolder(root, true);
    stdfs::create_directory(app + "Projects/Taken");
    AppContext ctx(app);
    const std::string parent = app + "Projects";  // without its separator

    EXPECT_FALSE(projectNameRefusal(ctx, parent, "Fresh"));
    const auto text = [&](const std::string& name) {
        const auto refusal = projectNameRefusal(ctx, parent, name);
        return refusal ? refusal->text : std::string("(none)");
    };
    EXPECT_EQ(text(""), kEmptyNameMessage);
    EXPECT_EQ(text("./Taken"), kForbiddenNameMessage);  // before the dot and the name
    EXPECT_EQ(text(".Taken"), kDotNameMessage);         // before the name
    EXPECT_EQ(text("taken"), kProjectExistsMessage);
    EXPECT_EQ(test::listFolder(app + "Projects"), "Taken\n");
}

}  // namespace
}  // namespace tg
