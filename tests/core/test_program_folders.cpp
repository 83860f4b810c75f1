// Where the program's files lie: portable or installed, and the user's data
// folder made on the first start or reported when it cannot be.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "fs/paths.h"
#include "project/program_folders.h"
#include "test_support.h"

namespace tg {
namespace {

using test::readBytes;
using test::writeBytes;

// A program folder nobody may write: no file can be opened and no folder
// made below it.
struct ReadOnlyBelow : FileSystem {
    std::string folder;
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override {
        const bool below = !folder.empty() && path.starts_with(folder);
        return below && (step == FsStep::Open || step == FsStep::CreateFolder)
                   ? std::optional<std::string>("Permission denied")
                   : std::nullopt;
    }
};

// $R/ is the root; '/' the platform's separator; $NOTDIR the system's words
// for a file standing where a folder is needed (Windows finds no such path).
// Windows also looks at APPDATA, never set here.
std::string expanded(std::string word, const std::string& root) {
    std::replace(word.begin(), word.end(), '/', kPathSeparator);
    word = test::replaceAll(word, std::string("$R") + kPathSeparator, root);
#ifdef _WIN32
    word = test::replaceAll(word, "XDG_DATA_HOME nor", "XDG_DATA_HOME, APPDATA nor");
    return test::replaceAll(word, "$NOTDIR", "No such file or directory");
#else
    return test::replaceAll(word, "$NOTDIR", "Not a directory");
#endif
}

TEST(ProgramFolders, AsTheTableSays) {
    for (const std::string& line :
         test::linesOf(readBytes(TGEDIT_TEST_DATA_DIR "/program_folders.txt"))) {
        const std::vector<std::string> w = test::wordsOf(line);
        if (w.empty() || w[0][0] == '#') {
            continue;
        }
        SCOPED_TRACE(line);
        test::TempDir root;
        const std::string program = root / "usr/bin/";
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(root / "xdg");
        std::filesystem::create_directories(root / "home");
        writeBytes(root / "file", "not a folder");
        const std::string tables = w[0] == "share" ? root / "usr/share/tgedit/" : program;
        std::filesystem::create_directories(tables);
        writeBytes(tables + "blk_code.txt", "\"AIRPORT\"\r\n");
        const auto before = test::entriesBelow(root.path());

        const std::map<std::string, std::string> environment = {
            {"XDG_DATA_HOME", expanded(w[1], root.path())}, {"HOME", expanded(w[2], root.path())}};
        ReadOnlyBelow fs;
        fs.folder = w[0] == "readonly" ? program : "";
        const ProgramFoldersOutcome outcome =
            settleProgramFolders(fs, program, [&](const char* name) -> std::optional<std::string> {
                const auto it = environment.find(name);
                return it == environment.end() || it->second == "-" ? std::nullopt
                                                                    : std::optional(it->second);
            });

        EXPECT_EQ(outcome.folders.shipped, expanded(w[4], root.path()));
        EXPECT_EQ(outcome.folders.user, expanded(w[5], root.path()));
        EXPECT_EQ(outcome.folders.installed, w[0] != "beside");
        Notices notices;
        auto made = before;
        for (std::size_t i = 6; i + 1 < w.size(); i += 2) {
            if (w[i] == "made") {
                made[w[i + 1]] = "folder";
            } else {
                notices.push_back({kTitleTGEdit, expanded(w[i + 1], root.path())});
            }
        }
        EXPECT_EQ(outcome.notices, notices);
        EXPECT_EQ(test::entriesBelow(root.path()), made);
    }
}

}  // namespace
}  // namespace tg
