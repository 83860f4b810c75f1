// Every write and every copy the program makes, failed at each step: the old
// file keeps its bytes, no temporary file is left behind, and the failure is
// reported naming the file and the reason. Then the same for real: missing
// folders, targets that are folders, read-only files and a full disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>
#endif

#include "fs/file_system.h"
#include "project/commands.h"
#include "project/projects.h"
#include "project/startup.h"
#include "reliability_support.h"
#include "scripts/script_files.h"
#include "test_support.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::writeBytes;

constexpr const char* kReason = "injected failure";

// Fails one step of the work on one file. On the target side that is the
// temporary file a write goes through (open, write, flush) or the rename onto
// the target; on the source side, the opening or reading of a copy's source.
class FailOneFile : public FileSystem {
public:
    enum class Side { Target, Source };

    FailOneFile(FsStep step, std::string file, Side side)
        : step_(step), file_(std::move(file)), side_(side) {}

    int hits() const { return hits_; }

protected:
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override {
        if (step != step_ || !matches(step, path)) {
            return std::nullopt;
        }
        ++hits_;
        return std::string(kReason);
    }

private:
    bool matches(FsStep step, const std::string& path) const {
        if (side_ == Side::Source || step == FsStep::Rename) {
            return path == file_;
        }
        const auto cut = file_.rfind('/');
        const std::string temporaryStart =
            file_.substr(0, cut + 1) + "." + file_.substr(cut + 1) + ".tgedit-";
        return path.rfind(temporaryStart, 0) == 0;
    }

    FsStep step_;
    std::string file_;
    Side side_;
    int hits_ = 0;
};

std::string stepName(FsStep step) {
    switch (step) {
        case FsStep::Open:
            return "open";
        case FsStep::Read:
            return "read";
        case FsStep::Write:
            return "write";
        case FsStep::Flush:
            return "flush";
        case FsStep::Rename:
            return "rename";
        default:
            return "create folder";
    }
}

// Every file below a folder with its bytes.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().string()] = readBytes(entry.path().string());
        }
    }
    return files;
}

// An application folder with Backup, a game and an opened project, each
// place's scripts with bytes of their own so a copy from the wrong place
// shows.
struct Workspace {
    test::TempDir root;
    std::string app = root / "app/";
    std::string game = root / "game/";
    std::string project;
    std::unique_ptr<AppContext> ctx;

    explicit Workspace(FileSystem& fs = realFileSystem()) {
        stdfs::create_directories(app);
        test::copyDataFiles(app);
        test::copyDemoGame(game);
        for (std::string_view name : kScriptFiles) {
            const std::string path = gameScript(name);
            writeBytes(path, readBytes(path) + "-- as in the game\r\n");
        }
        ctx = std::make_unique<AppContext>(app);
        ctx->state.GamePath = game;
        EXPECT_TRUE(completeFirstStart(*ctx).empty());
        EXPECT_TRUE(createProject(*ctx, app + "Projects/", "City").ok);
        EXPECT_TRUE(openProject(*ctx, app + "Projects/City/").ok);
        project = ctx->state.ProjectPath;
        for (std::string_view name : kScriptFiles) {
            writeBytes(project + std::string(name),
                       readBytes(project + std::string(name)) + "-- in the project\r\n");
        }
        useFileSystem(fs);
    }

    // A context like the program's, on the given file system.
    void useFileSystem(FileSystem& fs) {
        auto next = std::make_unique<AppContext>(app, fs);
        next->state = ctx->state;
        ctx = std::move(next);
    }

    std::string gameScript(std::string_view name) const {
        return game + "SCRIPTS/DEFAULT/" + std::string(name);
    }
    std::string backupScript(std::string_view name) const {
        return app + "Backup/" + std::string(name);
    }
    std::string projectScript(std::string_view name) const { return project + std::string(name); }
};

void expectReported(const Notices& notices, const std::string& file, const std::string& reason,
                    const std::string& what) {
    ASSERT_EQ(notices.size(), 1u) << what;
    EXPECT_EQ(notices[0].title, "TG Edit") << what;
    EXPECT_NE(notices[0].text.find(file), std::string::npos) << what << ": " << notices[0].text;
    EXPECT_NE(notices[0].text.find(reason), std::string::npos) << what << ": " << notices[0].text;
}

// ---------------------------------------------------------------------------
// Copies and small files, table-driven over operations, files and steps
// ---------------------------------------------------------------------------

struct CopyCase {
    std::string name;
    // The file whose write fails, or whose source fails to read.
    std::function<std::string(const Workspace&, std::size_t)> target;
    std::function<std::string(const Workspace&, std::size_t)> source;
    // Prepares the workspace (on the real file system) before the failing run.
    std::function<void(Workspace&, std::size_t)> prepare;
    std::function<Notices(Workspace&)> run;
    std::size_t files;  // how many files the operation writes, in order
};

std::vector<CopyCase> copyCases() {
    auto none = [](Workspace&, std::size_t) {};
    return {
        {"import", [](const Workspace& w, std::size_t i) { return w.gameScript(kScriptFiles[i]); },
         [](const Workspace& w, std::size_t i) { return w.projectScript(kScriptFiles[i]); }, none,
         [](Workspace& w) { return importProject(*w.ctx); }, 4},
        {"backup",
         [](const Workspace& w, std::size_t i) { return w.backupScript(kScriptFiles[i]); },
         [](const Workspace& w, std::size_t i) { return w.gameScript(kScriptFiles[i]); }, none,
         [](Workspace& w) { return backupGame(*w.ctx); }, 4},
        {"new project",
         [](const Workspace& w, std::size_t i) {
             return w.app + "Projects/Fresh/" +
                    (i < 4 ? std::string(kScriptFiles[i]) : std::string("tgedit.prj"));
         },
         [](const Workspace& w, std::size_t i) {
             return i < 4 ? w.backupScript(kScriptFiles[i]) : w.app + "tge.prj";
         },
         none,
         [](Workspace& w) { return createProject(*w.ctx, w.app + "Projects/", "Fresh").notices; },
         5},
        {"filling the backup",
         [](const Workspace& w, std::size_t i) { return w.backupScript(kScriptFiles[i]); },
         [](const Workspace& w, std::size_t i) { return w.gameScript(kScriptFiles[i]); },
         [](Workspace& w, std::size_t i) { stdfs::remove(w.backupScript(kScriptFiles[i])); },
         [](Workspace& w) { return Fill_Backup(*w.ctx); }, 4},
        {"refreshing hub.lua on a first open",
         [](const Workspace& w, std::size_t) { return w.projectScript("hub.lua"); },
         [](const Workspace& w, std::size_t) { return w.backupScript("hub.lua"); },
         [](Workspace& w, std::size_t) {
             stdfs::copy_file(w.app + "tge.prj", w.project + "tgedit.prj",
                              stdfs::copy_options::overwrite_existing);
             w.ctx->state.ProjectPath.clear();
         },
         [](Workspace& w) { return openProject(*w.ctx, w.project).notices; }, 1},
        {"tgedit.prj on an open",
         [](const Workspace& w, std::size_t) { return w.project + "tgedit.prj"; }, nullptr,
         [](Workspace& w, std::size_t) { w.ctx->state.ProjectPath.clear(); },
         [](Workspace& w) { return openProject(*w.ctx, w.project).notices; }, 1},
        {"tgedit.cfg on a later start",
         [](const Workspace& w, std::size_t) { return w.app + "tgedit.cfg"; }, nullptr, none,
         [](Workspace& w) { return checkExistingConfig(*w.ctx); }, 1},
        {"tgedit.cfg on a first start",
         [](const Workspace& w, std::size_t) { return w.app + "tgedit.cfg"; }, nullptr,
         [](Workspace& w, std::size_t) { stdfs::remove(w.app + "tgedit.cfg"); },
         [](Workspace& w) { return completeFirstStart(*w.ctx); }, 1},
    };
}

void runCopyCase(const CopyCase& c, std::size_t i, FsStep step, FailOneFile::Side side) {
    const std::string what = c.name + ", file " + std::to_string(i + 1) + ", " + stepName(step) +
                             (side == FailOneFile::Side::Source ? " of the source" : "");
    SCOPED_TRACE(what);
    Workspace w;
    c.prepare(w, i);
    const std::string failing = side == FailOneFile::Side::Target ? c.target(w, i) : c.source(w, i);
    FailOneFile fs(step, failing, side);
    w.useFileSystem(fs);
    const std::string state = w.ctx->state.ProjectPath;
    const auto before = snapshot(w.root.path());

    const Notices notices = c.run(w);

    EXPECT_GT(fs.hits(), 0) << "the failure was never injected";
    expectReported(notices, failing, kReason, what);
    const std::string target = c.target(w, i);
    if (before.count(target) != 0) {
        EXPECT_EQ(readBytes(target), before.at(target)) << target << " lost its bytes";
    } else {
        EXPECT_FALSE(stdfs::exists(target)) << target << " was made though its write failed";
    }
    // Files after the failing one are untouched: the operation stopped.
    for (std::size_t later = i + 1; later < c.files; ++later) {
        const std::string path = c.target(w, later);
        if (before.count(path) != 0) {
            EXPECT_EQ(readBytes(path), before.at(path)) << path;
        } else {
            EXPECT_FALSE(stdfs::exists(path)) << path;
        }
    }
    EXPECT_EQ(test::temporaryFilesBelow(w.root.path()), std::vector<std::string>{});
    EXPECT_EQ(w.ctx->state.ProjectPath, state) << "a failed operation changed the open project";
}

TEST(FaultInjection, EveryFailedCopyOrSmallFileWriteKeepsTheOldFile) {
    for (const CopyCase& c : copyCases()) {
        for (std::size_t i = 0; i < c.files; ++i) {
            for (FsStep step : {FsStep::Open, FsStep::Write, FsStep::Flush, FsStep::Rename}) {
                runCopyCase(c, i, step, FailOneFile::Side::Target);
            }
            if (c.source) {
                for (FsStep step : {FsStep::Open, FsStep::Read}) {
                    runCopyCase(c, i, step, FailOneFile::Side::Source);
                }
            }
        }
    }
}

TEST(FaultInjection, AFailedNewProjectIsNeverTakenForAProject) {
    for (std::size_t i = 0; i < 5; ++i) {
        Workspace w;
        const std::string file = i < 4 ? std::string(kScriptFiles[i]) : std::string("tgedit.prj");
        FailOneFile fs(FsStep::Rename, w.app + "Projects/Fresh/" + file, FailOneFile::Side::Target);
        w.useFileSystem(fs);
        EXPECT_FALSE(createProject(*w.ctx, w.app + "Projects/", "Fresh").ok) << file;
        w.useFileSystem(realFileSystem());
        EXPECT_FALSE(openProject(*w.ctx, w.app + "Projects/Fresh/").ok) << file;
    }
}

// ---------------------------------------------------------------------------
// Saves: each of the four scripts failed at each step
// ---------------------------------------------------------------------------

// Edits in every kind, the same on every call.
void editEveryKind(EditorState& state) {
    std::mt19937 random(5);
    for (int kind = 0; kind < 4; ++kind) {
        for (int slot : {0, 1, 5}) {
            test::editRecord(state, kind, kind == 3 ? 0 : slot, random, test::EditStyle::Wide);
        }
    }
    // Settings the scripts have no line for, so the save appends too.
    state.model.EditBusinesses[2].commodities[5] = CommodityEntry{"TOYS", 7};
    state.model.EditBusinesses[2].changed = true;
}

TEST(FaultInjection, AFailedSaveKeepsTheScriptTheEditsAndTheFlags) {
    // What a save without failures writes.
    std::vector<std::string> clean;
    SettingsModel cleanReload;
    {
        Workspace w;
        ASSERT_TRUE(reloadProject(*w.ctx).empty());
        editEveryKind(w.ctx->state);
        ASSERT_TRUE(saveProject(*w.ctx).empty());
        for (std::string_view name : kScriptFiles) {
            clean.push_back(readBytes(w.projectScript(name)));
        }
        ASSERT_TRUE(reloadProject(*w.ctx).empty());
        cleanReload = w.ctx->state.model;
    }

    for (std::size_t i = 0; i < kScriptFiles.size(); ++i) {
        for (FsStep step : {FsStep::Open, FsStep::Write, FsStep::Flush, FsStep::Rename}) {
            const std::string what = std::string(kScriptFiles[i]) + ", " + stepName(step);
            SCOPED_TRACE(what);
            Workspace w;
            ASSERT_TRUE(reloadProject(*w.ctx).empty());
            editEveryKind(w.ctx->state);
            const std::string old = readBytes(w.projectScript(kScriptFiles[i]));
            const EditorState edited = w.ctx->state;

            FailOneFile fs(step, w.projectScript(kScriptFiles[i]), FailOneFile::Side::Target);
            w.useFileSystem(fs);
            expectReported(saveProject(*w.ctx), w.projectScript(kScriptFiles[i]), kReason, what);
            EXPECT_EQ(readBytes(w.projectScript(kScriptFiles[i])), old);
            for (std::size_t other = 0; other < kScriptFiles.size(); ++other) {
                if (other != i) {
                    EXPECT_EQ(readBytes(w.projectScript(kScriptFiles[other])), clean[other])
                        << kScriptFiles[other] << " was not saved";
                }
            }
            EXPECT_EQ(test::temporaryFilesBelow(w.root.path()), std::vector<std::string>{});
            // Nothing typed is lost: the working set and the flags are as
            // they were, so saving again once the cause is gone succeeds.
            const EditorState& s = w.ctx->state;
            EXPECT_TRUE(s.model.EditBlocks == edited.model.EditBlocks &&
                        s.model.EditBusinesses == edited.model.EditBusinesses &&
                        s.model.EditCommodities == edited.model.EditCommodities &&
                        s.model.EditTweaks == edited.model.EditTweaks);
            EXPECT_TRUE(s.bBlockHasChanged && s.bBusinessHasChanged && s.bCommodityHasChanged &&
                        s.bCityHasChanged && s.bDataHasChanged);

            w.useFileSystem(realFileSystem());
            ASSERT_TRUE(saveProject(*w.ctx).empty());
            EXPECT_EQ(readBytes(w.projectScript(kScriptFiles[i])), clean[i]);
            ASSERT_TRUE(reloadProject(*w.ctx).empty());
            EXPECT_EQ(test::firstDifference(test::settingsListing(cleanReload),
                                            test::settingsListing(w.ctx->state.model)),
                      "");
        }
    }
}

// ---------------------------------------------------------------------------
// Real failures of the machine
// ---------------------------------------------------------------------------

TEST(RealFailures, MissingFoldersAreReportedAndNothingIsMade) {
    Workspace w;
    stdfs::remove_all(w.game + "SCRIPTS");
    Notices notices = importProject(*w.ctx);
    expectReported(notices, w.gameScript("blocksettings.lua"), "No such file or directory",
                   "import into a game without SCRIPTS/DEFAULT");
    EXPECT_FALSE(stdfs::exists(w.game + "SCRIPTS"));

    stdfs::remove_all(w.app + "Backup");
    notices = backupGame(*w.ctx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_FALSE(stdfs::exists(w.app + "Backup"));

    const std::string project = w.project;
    stdfs::remove_all(project);
    EditorState& s = w.ctx->state;
    s.model.EditBlocks[3].changed = true;
    s.bBlockHasChanged = true;
    notices = saveProject(*w.ctx);
    expectReported(notices, project + "blocksettings.lua", "No such file or directory",
                   "save into a removed project");
    EXPECT_FALSE(stdfs::exists(project));
}

TEST(RealFailures, ATargetThatIsAFolderIsReportedAndTheRestIsWritten) {
    Workspace w;
    stdfs::remove(w.gameScript("hub.lua"));
    stdfs::create_directory(w.gameScript("hub.lua"));
    const Notices notices = importProject(*w.ctx);
    expectReported(notices, w.gameScript("hub.lua"), "folder", "import onto a folder");
    EXPECT_TRUE(stdfs::is_directory(w.gameScript("hub.lua")));
    EXPECT_EQ(readBytes(w.gameScript("blocksettings.lua")),
              readBytes(w.projectScript("blocksettings.lua")));

    ASSERT_TRUE(reloadProject(*w.ctx).empty());
    stdfs::remove(w.projectScript("commoditysettings.lua"));
    stdfs::create_directory(w.projectScript("commoditysettings.lua"));
    editEveryKind(w.ctx->state);
    const std::string hubBefore = readBytes(w.projectScript("hub.lua"));
    expectReported(saveProject(*w.ctx), w.projectScript("commoditysettings.lua"), "folder",
                   "save onto a folder");
    EXPECT_NE(readBytes(w.projectScript("hub.lua")), hubBefore) << "the later script was not saved";
    EXPECT_EQ(test::temporaryFilesBelow(w.root.path()), std::vector<std::string>{});
}

TEST(RealFailures, ReadOnlyFilesAreReportedAndKept) {
    Workspace w;
    const auto readOnly =
        stdfs::perms::owner_read | stdfs::perms::group_read | stdfs::perms::others_read;
    struct Case {
        std::string file;
        std::function<Notices()> run;
    };
    const std::vector<Case> cases = {
        {w.gameScript("businesssettings.lua"), [&] { return importProject(*w.ctx); }},
        {w.backupScript("commoditysettings.lua"), [&] { return backupGame(*w.ctx); }},
        {w.app + "tgedit.cfg", [&] { return checkExistingConfig(*w.ctx); }},
        {w.project + "tgedit.prj", [&] { return openProject(*w.ctx, w.project).notices; }},
    };
    for (const Case& c : cases) {
        const std::string before = readBytes(c.file);
        stdfs::permissions(c.file, readOnly);
        expectReported(c.run(), c.file, "read-only", c.file);
        EXPECT_EQ(readBytes(c.file), before);
        stdfs::permissions(c.file, stdfs::perms::owner_write, stdfs::perm_options::add);
    }
    EXPECT_EQ(test::temporaryFilesBelow(w.root.path()), std::vector<std::string>{});
}

#ifndef _WIN32
// A small memory file system mounted for one test, unmounted whatever
// happens.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const std::string& folder) : folder_(folder) {
        stdfs::create_directories(folder_);
        mounted_ =
            ::geteuid() == 0 && ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool mounted() const { return mounted_; }

private:
    std::string folder_;
    bool mounted_ = false;
};

TEST(RealFailures, AFullDiskFailsTheSaveAndKeepsTheScript) {
    test::DemoProject demo;
    const std::string disk = demo.root / "disk/";
    SmallFileSystem small(disk);
    if (!small.mounted()) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root and mount rights)";
    }
    const std::string project = disk + "Full/";
    stdfs::create_directory(project);
    for (std::string_view name : kScriptFiles) {
        stdfs::copy_file(demo.script(name), project + std::string(name));
    }
    // Fill what is left, so the new businesssettings.lua finds no room.
    const std::string filler = disk + "filler";
    {
        std::FILE* f = std::fopen(filler.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string block(1024, 'x');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() &&
               std::fflush(f) == 0) {
        }
        std::fclose(f);
    }
    AppContext ctx(demo.app);
    ctx.state.ProjectPath = project;
    ASSERT_TRUE(reloadProject(ctx).empty());
    const std::string before = readBytes(project + "businesssettings.lua");
    std::mt19937 random(3);
    test::editRecord(ctx.state, 1, 4, random, test::EditStyle::Wide);

    expectReported(saveProject(ctx), project + "businesssettings.lua", "No space left on device",
                   "save on a full disk");
    EXPECT_EQ(readBytes(project + "businesssettings.lua"), before);
    EXPECT_EQ(test::temporaryFilesBelow(disk), std::vector<std::string>{});

    // With room again the same edits save.
    stdfs::remove(filler);
    ASSERT_TRUE(saveProject(ctx).empty());
    const SettingsModel expected = test::expectedAfterSave(ctx.state);
    ASSERT_TRUE(reloadProject(ctx).empty());
    EXPECT_EQ(ctx.state.model.Businesses[4], expected.Businesses[4]);
}
#endif

}  // namespace
}  // namespace tg
