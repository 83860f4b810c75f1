#include <gtest/gtest.h>
#include <new>

#include <sys/stat.h>

#include <filesystem>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "test_support.h"

namespace tg {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

// Fails one chosen step of every operation.
class FailingFileSystem : public FileSystem {
public:
    explicit FailingFileSystem(FsStep step) : step_(step) {}

protected:
    std::optional<std::string> faultAt(FsStep step, const std::string&) override {
        if (step == step_) {
            return "injected failure";
        }
        return std::nullopt;
    }

private:
    FsStep step_;
};

TEST(PathExists, ListingRules) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Projects");
    writeBytes(dir / "mc.exe", "x");
    writeBytes(dir / ".hidden", "x");
    FileSystem& fs = realFileSystem();
    EXPECT_TRUE(fs.pathExists(dir / "Projects"));
    EXPECT_FALSE(fs.pathExists(dir / "Projects/"));  // a trailing separator is never found
    EXPECT_FALSE(fs.pathExists(""));
    EXPECT_TRUE(fs.pathExists(dir / "MC.EXE"));  // letter case plays no part
    EXPECT_TRUE(fs.pathExists(dir / "m?.*"));    // wildcards in the last component
    EXPECT_FALSE(fs.pathExists(dir / ".hidden"));
    EXPECT_FALSE(fs.pathExists(dir / "missing"));
    EXPECT_TRUE(fs.pathExists(dir / "PROJECTS"));
}

TEST(PathExists, ANameAsWrittenCountsLikeTheListingWouldCountIt) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Backup");
    writeBytes(dir / "hub.lua", "x");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "hub.lua", dir / "linked.lua");
    std::filesystem::create_symlink(dir / "Backup", dir / "linkedfolder");
    std::filesystem::create_symlink(dir / "gone.lua", dir / "dangling.lua");
    FileSystem& fs = realFileSystem();
    // Each name as written, and the same name through a wildcard, which only
    // the folder listing can answer.
    for (const auto& [name, expected] :
         std::initializer_list<std::pair<std::string, bool>>{{"Backup", true},
                                                             {"hub.lua", true},
                                                             {"linked.lua", true},
                                                             {"linkedfolder", true},
                                                             {"pipe", false},
                                                             {"dangling.lua", false}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fs.pathExists(dir / name), expected);
        EXPECT_EQ(fs.pathExists(dir / (name.substr(0, name.size() - 1) + "?")), expected);
    }
}

TEST(Resolve, FindsEachComponentInAnyLetterCase) {
    TempDir dir;
    std::filesystem::create_directories(dir / "scripts/default");
    writeBytes(dir / "scripts/default/Hub.lua", "x");
    FileSystem& fs = realFileSystem();
    EXPECT_EQ(fs.resolve(dir / "SCRIPTS/DEFAULT/hub.lua"), dir / "scripts/default/Hub.lua");
    EXPECT_EQ(fs.resolve(dir / "SCRIPTS/DEFAULT/new.lua"), dir / "scripts/default/new.lua");
    EXPECT_EQ(fs.resolve(dir / "Missing/Deeper"), dir / "Missing/Deeper");
    std::string bytes;
    EXPECT_FALSE(fs.readFile(dir / "Scripts/Default/HUB.LUA", bytes));
    EXPECT_EQ(bytes, "x");
}

TEST(AtomicWrite, ReplacesTheFileAndKeepsNoTemporary) {
    TempDir dir;
    writeBytes(dir / "hub.lua", "old");
    EXPECT_FALSE(realFileSystem().writeFileAtomic(dir / "hub.lua", "new\r\n"));
    EXPECT_EQ(readBytes(dir / "hub.lua"), "new\r\n");
    EXPECT_EQ(test::listFolder(dir.path()), "hub.lua\n");
}

TEST(AtomicWrite, EveryFailedStepLeavesTheOldFileAndNoTemporary) {
    for (FsStep step : {FsStep::Open, FsStep::Write, FsStep::Flush, FsStep::Rename}) {
        TempDir dir;
        writeBytes(dir / "hub.lua", "old");
        FailingFileSystem fs(step);
        const FsStatus error = fs.writeFileAtomic(dir / "hub.lua", "new");
        ASSERT_TRUE(error) << static_cast<int>(step);
        EXPECT_EQ(error->path, dir / "hub.lua");
        EXPECT_EQ(error->reason, "injected failure");
        EXPECT_EQ(readBytes(dir / "hub.lua"), "old");
        EXPECT_EQ(test::listFolder(dir.path()), "hub.lua\n");
    }
}

TEST(AtomicWrite, TakesTheBytesInPiecesAndKeepsTheOldFileWhenMakingThemThrows) {
    TempDir dir;
    writeBytes(dir / "hub.lua", "old");
    EXPECT_FALSE(realFileSystem().writeFileAtomic(dir / "hub.lua", [](const ByteSink& sink) {
        sink("first\r\n");
        sink("");
        sink("second\r\n");
    }));
    EXPECT_EQ(readBytes(dir / "hub.lua"), "first\r\nsecond\r\n");

    EXPECT_THROW(realFileSystem().writeFileAtomic(dir / "hub.lua",
                                                  [](const ByteSink& sink) {
                                                      sink("half");
                                                      throw std::bad_alloc();
                                                  }),
                 std::bad_alloc);
    EXPECT_EQ(readBytes(dir / "hub.lua"), "first\r\nsecond\r\n");
    EXPECT_EQ(test::listFolder(dir.path()), "hub.lua\n");
}

TEST(AtomicWrite, RefusesFoldersReadOnlyFilesAndMissingFolders) {
    TempDir dir;
    std::filesystem::create_directory(dir / "hub.lua");
    FsStatus error = realFileSystem().writeFileAtomic(dir / "hub.lua", "x");
    ASSERT_TRUE(error);
    EXPECT_NE(error->describe().find("folder"), std::string::npos);

    writeBytes(dir / "blocksettings.lua", "keep");
    std::filesystem::permissions(dir / "blocksettings.lua", std::filesystem::perms::owner_read);
    error = realFileSystem().writeFileAtomic(dir / "blocksettings.lua", "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason, "the file is read-only");
    EXPECT_EQ(readBytes(dir / "blocksettings.lua"), "keep");

    error = realFileSystem().writeFileAtomic(dir / "gone/hub.lua", "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, dir / "gone/hub.lua");
}

TEST(Copy, CopiesBytesAndNamesTheMissingSource) {
    TempDir dir;
    writeBytes(dir / "a.lua", std::string("a\0b\r\n", 5));
    EXPECT_FALSE(realFileSystem().copyFileAtomic(dir / "a.lua", dir / "b.lua"));
    EXPECT_EQ(readBytes(dir / "b.lua"), std::string("a\0b\r\n", 5));
    const FsStatus error = realFileSystem().copyFileAtomic(dir / "none.lua", dir / "b.lua");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, dir / "none.lua");
    EXPECT_EQ(readBytes(dir / "b.lua"), std::string("a\0b\r\n", 5));
}

TEST(Paths, LastPathPart) {
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(lastPathPart(sep + "home" + sep + "MyCity" + sep), "MyCity");
    EXPECT_EQ(lastPathPart(sep + "home" + sep + "MyCity"), "MyCity");
    EXPECT_EQ(lastPathPart(sep), "");
    EXPECT_EQ(lastPathPart("NoSeparator"), "");
    EXPECT_EQ(withTrailingSeparator("a"), "a" + sep);
    EXPECT_EQ(withTrailingSeparator("a" + sep), "a" + sep);
}

}  // namespace
}  // namespace tg
