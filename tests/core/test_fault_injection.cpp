// Every file the program writes or copies, failed at each step: the failure is
// reported naming the file, the old file keeps its bytes (a failed flush of
// the folder comes after the new file is in place and says so), no temporary
// file is left, a copying command stops there, and a failed save keeps the
// edits and the change flags. Then a real full disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>
#endif

#include "fs/file_system.h"
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
using test::writeBytes;

// An application folder whose Backup was filled by a first start from a
// copy of the stand-in game, and the project City made from it, opened and
// loaded, with every kind marked changed and an entry the script has no
// line for; each place's scripts have bytes of their own, so a copy from the
// wrong place shows.
struct Workspace {
    test::TempDir root;
    test::FailOneFile fs;
    std::string app = root / "app/";
    std::string projects = root / "app/Projects/";
    std::string project = root / "app/Projects/City/";
    AppContext ctx{app, fs};

    Workspace() {
        test::copyDataFiles(app);
        test::copyDemoGame(root / "game/");
        for (std::string_view name : kScriptFiles) {
            const std::string path = root / "game/SCRIPTS/DEFAULT/" + std::string(name);
            writeBytes(path, readBytes(path) + "-- in the game\r\n");
        }
        ctx.state.GamePath = root / "game/";
        EXPECT_TRUE(completeFirstStart(ctx).empty());
        EXPECT_TRUE(createProject(ctx, projects, "City").ok);
        EXPECT_TRUE(openProject(ctx, project).ok);
        for (std::string_view name : kScriptFiles) {
            writeBytes(project + std::string(name),
                       readBytes(project + std::string(name)) + "-- in City\r\n");
        }
        EXPECT_TRUE(reloadProject(ctx).empty());
        SettingsModel& m = ctx.state.model;
        m.EditBusinesses[2].commodities[5] = CommodityEntry{"TOYS", 7};
        storeBlock(ctx.state, 5, m.EditBlocks[5]);
        storeBusiness(ctx.state, 2, m.EditBusinesses[2]);
        storeCommodity(ctx.state, 0, m.EditCommodities[0]);
        storeTweaks(ctx.state, m.EditTweaks);
    }
};

// The files a command writes, in order, below the workspace's root, each
// with the source it copies ("" for bytes composed in memory).
using Files = std::vector<std::pair<std::string, std::string>>;

Files scripts(const std::string& to, const std::string& from, Files more = {}) {
    Files files;
    for (std::string_view name : kScriptFiles) {
        files.emplace_back(to + std::string(name), from.empty() ? "" : from + std::string(name));
    }
    files.insert(files.end(), more.begin(), more.end());
    return files;
}

struct Command {
    std::string name;
    Files files;
    std::function<Notices(Workspace&)> run;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"save", scripts("app/Projects/City/", ""),
         [](Workspace& w) { return saveProject(w.ctx); }},
        {"import", scripts("game/SCRIPTS/DEFAULT/", "app/Projects/City/"),
         [](Workspace& w) { return importProject(w.ctx); }},
        {"backup", scripts("app/Backup/", "game/SCRIPTS/DEFAULT/"),
         [](Workspace& w) { return backupGame(w.ctx); }},
        {"new_project",
         scripts("app/Projects/Fresh/", "app/Backup/",
                 {{"app/Projects/Fresh/tgedit.prj", "app/tge.prj"}}),
         [](Workspace& w) { return createProject(w.ctx, w.projects, "Fresh").notices; }},
        // Fills the Backup copy that is missing, then writes tgedit.cfg.
        {"first_start", scripts("app/Backup/", "game/SCRIPTS/DEFAULT/", {{"app/tgedit.cfg", ""}}),
         [](Workspace& w) { return completeFirstStart(w.ctx); }},
        {"later_start",
         {{"app/tgedit.cfg", ""}},
         [](Workspace& w) { return checkExistingConfig(w.ctx); }},
        // A fresh marker: hub.lua is taken from Backup, then the marker rewritten.
        {"first_open",
         {{"app/Projects/City/hub.lua", "app/Backup/hub.lua"},
          {"app/Projects/City/tgedit.prj", ""}},
         [](Workspace& w) { return openProject(w.ctx, w.project).notices; }},
    };
    return all;
}

struct Fault {
    std::size_t command, file;
    FsStep step;
    bool source;
};

std::vector<Fault> allFaults() {
    std::vector<Fault> faults;
    for (std::size_t c = 0; c < commands().size(); ++c) {
        for (std::size_t i = 0; i < commands()[c].files.size(); ++i) {
            for (FsStep step : {FsStep::Open, FsStep::Write, FsStep::Flush, FsStep::Rename,
                                FsStep::FlushFolder}) {
                faults.push_back({c, i, step, false});
            }
            if (!commands()[c].files[i].second.empty()) {
                faults.push_back({c, i, FsStep::Open, true});
                faults.push_back({c, i, FsStep::Read, true});
            }
        }
    }
    return faults;
}

std::string faultName(const ::testing::TestParamInfo<Fault>& info) {
    constexpr const char* kSteps[] = {"Open",   "Read", "Write",      "Flush",
                                      "Rename", "",     "FlushFolder"};
    const Fault& f = info.param;
    return commands()[f.command].name + "_" + std::to_string(f.file + 1) + "_" +
           (f.source ? "Source" : "") + kSteps[static_cast<int>(f.step)];
}

// What a save of the workspace's edits writes when nothing fails.
const std::map<std::string, std::string>& cleanSave() {
    static const std::map<std::string, std::string> saved = [] {
        Workspace w;
        EXPECT_TRUE(saveProject(w.ctx).empty());
        return test::entriesBelow(w.root.path());
    }();
    return saved;
}

class FaultInjection : public ::testing::TestWithParam<Fault> {};

TEST_P(FaultInjection, IsReportedAndLosesNothing) {
    const Fault f = GetParam();
    const Command& c = commands()[f.command];
    const auto& [target, source] = c.files[f.file];
    Workspace w;
    if (c.name == "first_start") {
        stdfs::remove(w.app + "tgedit.cfg");
        stdfs::remove(w.root / c.files[std::min<std::size_t>(f.file, 3)].first);
    } else if (c.name == "first_open") {
        writeBytes(w.project + "tgedit.prj", readBytes(w.app + "tge.prj"));
        w.ctx.state.ProjectPath.clear();
    }
    const auto before = test::entriesBelow(w.root.path());
    const EditorState edited = w.ctx.state;

    const std::string failing = w.root / (f.source ? source : target);
    w.fs.arm(f.step, failing);
    const Notices notices = c.run(w);
    w.fs.arm(std::nullopt, "");
    const auto after = test::entriesBelow(w.root.path());

    EXPECT_GT(w.fs.hits, 0) << "the failure was never injected";
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "TG Edit");
    EXPECT_NE(test::pathKey(notices[0].text).find(test::pathKey(failing + ": ")), std::string::npos)
        << notices[0].text;
    EXPECT_TRUE(notices[0].text.ends_with(
        (f.step == FsStep::FlushFolder ? ": the new file is in place, but its folder could not be "
                                         "flushed to the disk, so the save may not survive a "
                                         "power cut: "
                                       : ": ") +
        std::string("injected failure")))
        << notices[0].text;
    // The file keeps its old bytes, or is not made; but a folder that could
    // not be flushed comes after the new file is in place.
    if (f.step != FsStep::FlushFolder) {
        EXPECT_EQ(test::entryAt(after, target), test::entryAt(before, target));
    } else if (!source.empty()) {
        EXPECT_EQ(test::entryAt(after, target), test::entryAt(after, source));
    } else {
        EXPECT_NE(test::entryAt(after, target), test::entryAt(before, target));
    }
    // A copying command stops there; a save goes on with the other scripts.
    for (std::size_t other = 0; other < c.files.size(); ++other) {
        const std::string& path = c.files[other].first;
        if (c.name == "save" && (other != f.file || f.step == FsStep::FlushFolder)) {
            EXPECT_EQ(test::entryAt(after, path), test::entryAt(cleanSave(), path));
        } else if (other > f.file) {
            EXPECT_EQ(test::entryAt(after, path), test::entryAt(before, path));
        }
    }
    for (const auto& [path, ignored] : after) {
        EXPECT_EQ(path.find(".tgedit-"), std::string::npos) << "a temporary file is left: " << path;
    }
    // Nothing typed is lost and no project is opened; a save once the cause
    // is gone writes what a save without the failure writes.
    const EditorState& s = w.ctx.state;
    EXPECT_EQ(s.ProjectPath, edited.ProjectPath);
    EXPECT_TRUE(s.model.EditBlocks == edited.model.EditBlocks &&
                s.model.EditBusinesses == edited.model.EditBusinesses &&
                s.model.EditCommodities == edited.model.EditCommodities &&
                s.model.EditTweaks == edited.model.EditTweaks);
    EXPECT_TRUE(s.bBlockHasChanged && s.bBusinessHasChanged && s.bCommodityHasChanged &&
                s.bCityHasChanged && s.bDataHasChanged);
    if (c.name == "save" && f.step != FsStep::FlushFolder) {
        EXPECT_TRUE(saveProject(w.ctx).empty());
        EXPECT_EQ(test::entryAt(test::entriesBelow(w.root.path()), target),
                  test::entryAt(cleanSave(), target));
    }
    // A folder is a project once its marker is there, and that goes last.
    if (c.name == "new_project" && f.step != FsStep::FlushFolder) {
        EXPECT_FALSE(openProject(w.ctx, w.projects + "Fresh").ok);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStep, FaultInjection, ::testing::ValuesIn(allFaults()), faultName);

#ifndef _WIN32
TEST(RealFailure, AFullDiskFailsTheSaveKeepsTheScriptsAndSavesOnceThereIsRoom) {
    Workspace w;
    const std::string disk = w.root / "disk/";
    stdfs::create_directory(disk);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root and mount rights)";
    }
    const struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    stdfs::copy(w.project, disk);
    w.ctx.state.ProjectPath = disk;
    // Fill what is left, so the new scripts find no room.
    std::FILE* filler = std::fopen((disk + "filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    const std::string block(1024, 'x');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
           std::fflush(filler) == 0) {
    }
    std::fclose(filler);
    const auto before = test::entriesBelow(disk);

    const Notices notices = saveProject(w.ctx);
    ASSERT_FALSE(notices.empty());
    for (const Notice& notice : notices) {
        EXPECT_NE(notice.text.find("No space left on device"), std::string::npos) << notice.text;
    }
    EXPECT_EQ(test::entriesBelow(disk), before);

    stdfs::remove(disk + "filler");
    EXPECT_TRUE(saveProject(w.ctx).empty());
    for (std::string_view name : kScriptFiles) {
        EXPECT_EQ("file " + readBytes(disk + std::string(name)),
                  cleanSave().at("app/Projects/City/" + std::string(name)));
    }
}
#endif

}  // namespace
}  // namespace tg
