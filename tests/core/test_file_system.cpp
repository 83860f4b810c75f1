// The file-system layer: which names count as there, and replacing a file
// atomically, also through symbolic links, in a folder named beyond ASCII.
// (Paths in any letter case: the project tests' game in scripts/default.)

#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "fs/file_system.h"
#include "fs/native_paths.h"
#include "fs/paths.h"
#include "test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// Windows lets only a privileged user make symbolic links (Wine makes none):
// the cases with links run on POSIX systems only.
#ifdef _WIN32
constexpr bool kMakesLinks = false;
#else
constexpr bool kMakesLinks = true;
#endif

TEST(PathExists, VisibleFilesAndFoldersInAnyLetterCaseAndByWildcard) {
    TempDir dir;
    stdfs::create_directory(dir / "Projects");
    writeBytes(dir / "Café.exe", "x");
    // A name as written is found without listing the folder; a wildcard
    // only by the listing: both must count the same entries.
    std::vector<std::pair<std::string, bool>> cases = {
        {"Projects", true}, {"PROJECTS", true}, {"Projects/", false},
        {"CAFé.EXE", true}, {"c?fé.*", true},   {"missing", false},
    };
#ifndef _WIN32
    // Hidden by a leading dot (by an attribute on Windows), and entries that
    // are neither a file nor a folder: a named pipe, a link that leads nowhere.
    writeBytes(dir / ".hidden", "x");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    stdfs::create_symlink(dir / "Café.exe", dir / "linked.exe");
    stdfs::create_symlink(dir / "Projects", dir / "linkedfolder");
    stdfs::create_symlink(dir / "gone.lua", dir / "dangling");
    const std::pair<std::string, bool> posix[] = {
        {".hidden", false},     {"pipe", false},      {"pip?", false},
        {"linked.exe", true},   {"linked.ex?", true}, {"linkedfolder", true},
        {"linkedfolde?", true}, {"dangling", false},  {"danglin?", false},
    };
    cases.insert(cases.end(), std::begin(posix), std::end(posix));
#endif
    FileSystem& fs = realFileSystem();
    EXPECT_FALSE(fs.pathExists(""));
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(fs.pathExists(dir / name), expected) << name;
    }
}

constexpr auto kMode =
    stdfs::perms::owner_read | stdfs::perms::owner_write | stdfs::perms::group_read;

// Café/hub.lua beside a folder store/: a file of its own (link ""), or a
// link with the given text ("$/" for the folder) that leads to store/hub.lua.
struct Place {
    TempDir dir;
    std::string target = dir / "Café/hub.lua";
    std::string real;
    explicit Place(const std::string& link)
        : real(dir / (link.empty() ? "Café/hub.lua" : "store/hub.lua")) {
        stdfs::create_directories(nativePath(dir / "Café"));
        stdfs::create_directories(dir / "store");
        writeBytes(real, "old");
        stdfs::permissions(nativePath(real), kMode);
        if (!link.empty()) {
            stdfs::create_symlink(link.rfind("$/", 0) == 0 ? dir / link.substr(2) : link, target);
        }
    }
};

TEST(AtomicReplace, WritesThroughLinksKeepingThemAndThePermissionBits) {
    std::vector<std::string> links = {""};
    if (kMakesLinks) {
        links.insert(links.end(), {"../store/hub.lua", "$/store/hub.lua", "../store/current.lua"});
    }
    for (const std::string& link : links) {
        Place p(link);
        if (link == "../store/current.lua") {
            stdfs::create_symlink("hub.lua", p.dir / "store/current.lua");
        }
        // Copies read their source through links too.
        writeBytes(p.dir / "source.lua", "copied");
        const std::string source = p.dir / (link.empty() ? "source.lua" : "store/source.lua");
        if (!link.empty()) {
            stdfs::create_symlink(p.dir / "source.lua", source);
        }
        const auto mode = stdfs::status(nativePath(p.real)).permissions();
        auto before = test::entriesBelow(p.dir.path());

        // The temporary file goes beside the file the link leads to, and that
        // file's folder is flushed last.
        test::FailOneFile fs;  // armed for no step: it only notes them
        ASSERT_FALSE(fs.writeFileAtomic(p.target, "new")) << link;
        const std::string folder =
            link.empty() ? p.dir / "Café" : stdfs::canonical(p.dir / "store").string();
        const std::string temporary = folder + kPathSeparator + ".hub.lua";
        EXPECT_EQ(fs.steps,
                  (std::vector<std::string>{
                      "open " + temporary, "write " + temporary, "flush " + temporary,
                      "rename " + folder + kPathSeparator + "hub.lua", "flush folder " + folder}));
        const std::string real = test::replaceAll(p.real.substr(p.dir.path().size()), "\\", "/");
        before[real] = "file new";
        EXPECT_EQ(test::entriesBelow(p.dir.path()), before) << link;
        ASSERT_FALSE(realFileSystem().copyFileAtomic(source, p.target));
        before[real] = "file copied";
        EXPECT_EQ(test::entriesBelow(p.dir.path()), before) << link;
        EXPECT_EQ(stdfs::status(nativePath(p.real)).permissions(), mode);
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
        if (!kMakesLinks && !c.link.empty()) {
            continue;
        }
        Place p(c.link);
        if (c.made == "folder") {
            stdfs::remove(nativePath(p.target));
            stdfs::create_directory(nativePath(p.target));
        } else if (c.made == "read-only") {
            stdfs::permissions(nativePath(p.target), stdfs::perms::owner_read);
        } else if (c.made == "loop") {
            stdfs::create_symlink("hub.lua", p.dir / "Café/loop.lua");
        }
        const auto before = test::entriesBelow(p.dir.path());
        const FsStatus error = realFileSystem().writeFileAtomic(p.target, "new");
        ASSERT_TRUE(error) << c.reason;
        EXPECT_EQ(*error, (FsError{p.target, c.reason}));
        EXPECT_EQ(test::entriesBelow(p.dir.path()), before) << c.reason;
        if (c.made == "read-only") {
            stdfs::permissions(nativePath(p.real), kMode);  // Windows removes no read-only file
        }
    }
    TempDir dir;
    const FsStatus error = realFileSystem().writeFileAtomic(dir / "gone/hub.lua", "x");
    EXPECT_EQ(error, (FsError{dir / "gone/hub.lua", "No such file or directory"}));
    EXPECT_EQ(test::listFolder(dir.path()), "");
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
    EXPECT_EQ(test::listFolder(p.dir / "Café"), "hub.lua\n");
}

}  // namespace
}  // namespace tg
