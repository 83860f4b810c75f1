// The file-system layer: which names count as there, and replacing a file
// atomically, also through symbolic links. (Paths in any letter case: the
// project tests' game in scripts/default.)

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "fs/file_system.h"
#include "test_support.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(PathExists, VisibleFilesAndFoldersInAnyLetterCaseAndByWildcard) {
    TempDir dir;
    stdfs::create_directory(dir / "Projects");
    writeBytes(dir / "mc.exe", "x");
    writeBytes(dir / ".hidden", "x");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    stdfs::create_symlink(dir / "mc.exe", dir / "linked.exe");
    stdfs::create_symlink(dir / "Projects", dir / "linkedfolder");
    stdfs::create_symlink(dir / "gone.lua", dir / "dangling");
    // A name as written is found without listing the folder; a wildcard
    // only by the listing: both must count the same entries.
    const std::pair<std::string, bool> cases[] = {
        {"Projects", true},     {"PROJECTS", true},   {"Projects/", false}, {"MC.EXE", true},
        {"m?.*", true},         {".hidden", false},   {"missing", false},   {"pipe", false},
        {"pip?", false},        {"linked.exe", true}, {"linked.ex?", true}, {"linkedfolder", true},
        {"linkedfolde?", true}, {"dangling", false},  {"danglin?", false},
    };
    FileSystem& fs = realFileSystem();
    EXPECT_FALSE(fs.pathExists(""));
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(fs.pathExists(dir / name), expected) << name;
    }
}

constexpr auto kMode =
    stdfs::perms::owner_read | stdfs::perms::owner_write | stdfs::perms::group_read;

// project/hub.lua beside a folder store/: a file of its own (link ""), or a
// link with the given text ("$/" for the folder) that leads to store/hub.lua.
struct Place {
    TempDir dir;
    std::string target = dir / "project/hub.lua";
    std::string real;
    explicit Place(const std::string& link)
        : real(dir / (link.empty() ? "project/hub.lua" : "store/hub.lua")) {
        stdfs::create_directories(dir / "project");
        stdfs::create_directories(dir / "store");
        writeBytes(real, "old");
        stdfs::permissions(real, kMode);
        if (!link.empty()) {
            stdfs::create_symlink(link.rfind("$/", 0) == 0 ? dir / link.substr(2) : link, target);
        }
    }
};

const std::string kLinks[] = {"", "../store/hub.lua", "$/store/hub.lua", "../store/current.lua"};

TEST(AtomicReplace, WritesThroughLinksKeepingThemAndThePermissionBits) {
    for (const std::string& link : kLinks) {
        Place p(link);
        if (link == "../store/current.lua") {
            stdfs::create_symlink("hub.lua", p.dir / "store/current.lua");
        }
        // Copies read their source through links too.
        writeBytes(p.dir / "source.lua", "copied");
        stdfs::create_symlink(p.dir / "source.lua", p.dir / "store/source.lua");
        auto before = test::entriesBelow(p.dir.path());

        ASSERT_FALSE(realFileSystem().writeFileAtomic(p.target, "new")) << link;
        before[p.real.substr(p.dir.path().size())] = "file new";
        EXPECT_EQ(test::entriesBelow(p.dir.path()), before) << link;
        ASSERT_FALSE(realFileSystem().copyFileAtomic(p.dir / "store/source.lua", p.target));
        before[p.real.substr(p.dir.path().size())] = "file copied";
        EXPECT_EQ(test::entriesBelow(p.dir.path()), before) << link;
        EXPECT_EQ(stdfs::status(p.real).permissions(), kMode);
    }
}

TEST(AtomicReplace, RefusesWhatItCannotReplaceAndWritesNothing) {
    const struct {
        std::string link, made, reason;
    } cases[] = {
        {"", "folder", "it is a folder, not a file"},
        {"", "read-only", "the file is read-only"},
        {"../store/hub.lua", "read-only", "the file is read-only"},
        {"../store/gone.lua", "",
         "it is a symbolic link to ../store/gone.lua, which does not exist"},
        {"loop.lua", "loop", "it is a symbolic link that leads round in a loop"},
    };
    for (const auto& c : cases) {
        Place p(c.link);
        if (c.made == "folder") {
            stdfs::remove(p.target);
            stdfs::create_directory(p.target);
        } else if (c.made == "read-only") {
            stdfs::permissions(p.target, stdfs::perms::owner_read);
        } else if (c.made == "loop") {
            stdfs::create_symlink("hub.lua", p.dir / "project/loop.lua");
        }
        const auto before = test::entriesBelow(p.dir.path());
        const FsStatus error = realFileSystem().writeFileAtomic(p.target, "new");
        ASSERT_TRUE(error) << c.reason;
        EXPECT_EQ(*error, (FsError{p.target, c.reason}));
        EXPECT_EQ(test::entriesBelow(p.dir.path()), before) << c.reason;
    }
    TempDir dir;
    const FsStatus error = realFileSystem().writeFileAtomic(dir / "gone/hub.lua", "x");
    EXPECT_EQ(error, (FsError{dir / "gone/hub.lua", "No such file or directory"}));
    EXPECT_EQ(test::listFolder(dir.path()), "");
}

// Notes every step with the file it works on, and fails the chosen one.
TEST(AtomicReplace, GoesStepByStepAndAFailedStepKeepsTheOldFile) {
    // The steps taken (the failed one the last), and the file afterwards.
    const struct {
        std::optional<FsStep> failing;
        std::size_t steps;
        std::string after;
    } cases[] = {{std::nullopt, 5, "new"},   {FsStep::Open, 1, "old"},
                 {FsStep::Write, 2, "old"},  {FsStep::Flush, 3, "old"},
                 {FsStep::Rename, 4, "old"}, {FsStep::FlushFolder, 5, "new"}};
    for (const auto& c : cases) {
        Place p("../store/hub.lua");
        const std::string store = stdfs::canonical(p.dir / "store").string();
        test::FailOneFile fs;
        fs.arm(c.failing, store + "/hub.lua");
        const FsStatus error = fs.writeFileAtomic(p.target, "new");
        const std::vector<std::string> steps = {
            "open " + store + "/.hub.lua", "write " + store + "/.hub.lua",
            "flush " + store + "/.hub.lua", "rename " + store + "/hub.lua",
            "flush folder " + store};
        EXPECT_EQ(fs.steps, std::vector<std::string>(steps.begin(), steps.begin() + c.steps));
        EXPECT_EQ(error.has_value(), c.failing.has_value());
        if (error) {
            EXPECT_EQ(error->path, p.target);
            EXPECT_EQ(error->reason, c.failing == FsStep::FlushFolder
                                         ? "the new file is in place, but its folder could not "
                                           "be flushed to the disk, so the save may not "
                                           "survive a power cut: injected failure"
                                         : "injected failure");
        }
        EXPECT_EQ(readBytes(p.dir / "store/hub.lua"), c.after);
        EXPECT_EQ(test::listFolder(p.dir / "store"), "hub.lua\n");
        EXPECT_TRUE(stdfs::is_symlink(p.target));
    }
}

TEST(AtomicReplace, KeepsTheOldFileWhenMakingTheBytesThrows) {
    Place p("");
    EXPECT_THROW(realFileSystem().writeFileAtomic(p.target,
                                                  [](const ByteSink& sink) {
                                                      sink("half");
                                                      throw std::bad_alloc();
                                                  }),
                 std::bad_alloc);
    EXPECT_EQ(readBytes(p.target), "old");
    EXPECT_EQ(test::listFolder(p.dir / "project"), "hub.lua\n");
}

}  // namespace
}  // namespace tg
