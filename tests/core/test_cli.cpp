// tgedit-cli from the outside, by the tables in tests/data/cli/: one file per
// command, each case run in an application folder of its own (the built
// program beside the shipped data files, tgedit.cfg naming a copy of the
// stand-in game, Backup filled from it, an empty Projects) and with a project
// holding the stand-in game's scripts. tests/data/cli/README.md describes the
// tables. On Windows the same tables run against tgedit-cli.exe: paths below
// the sandbox are given and read back with '/', and the text-mode line ends
// of the program's output are read as "\n".

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "fs/native_paths.h"
#include "fs/paths.h"
#include "run_command.h"
#include "test_support.h"

namespace tg {
namespace {

namespace stdfs = std::filesystem;
using test::readBytes;
using test::writeBytes;
using Words = std::vector<std::string>;

const std::string kTables = TGEDIT_TEST_DATA_DIR "/cli/";

// What one stream must hold: the lines given (a line in double quotes is a
// word as above, without a line end of its own), or a file of the tables
// with the "- old" lines taken out and the "+ new" lines put in their place.
struct Expected {
    std::string file;
    Words lines;

    std::string text() const {
        std::string out;
        if (file.empty()) {
            for (const std::string& line : lines) {
                out += line[0] == '"' ? test::wordsOf(line)[0] : line + "\n";
            }
            return out;
        }
        Words base = test::linesOf(readBytes(kTables + file));
        std::size_t at = 0;
        for (const std::string& line : lines) {
            if (line.rfind("- ", 0) == 0) {
                const auto found = std::find(base.begin() + at, base.end(), line.substr(2));
                EXPECT_NE(found, base.end()) << file << " has no line " << line;
                at = static_cast<std::size_t>(found - base.begin());
                if (found != base.end()) {
                    base.erase(found);
                }
            } else {
                base.insert(base.begin() + at++, line.substr(2));
            }
        }
        for (const std::string& line : base) {
            out += line + "\n";
        }
        return out;
    }
};

struct Step {
    Words args;
    test::Input input = test::Input::File;
    std::string typed;
    int status = 0;
    Expected out, err;
};

struct Case {
    std::string table, id, title;
    std::string posixOnly;  // why the case cannot run on Windows
    std::vector<Words> setup, files;
    Words luaFolders;
    std::vector<Step> runs;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.table << ".txt " << c.id << ": " << c.title;
}

std::vector<Case> readTable(const std::string& table) {
    std::vector<Case> cases;
    Words* block = nullptr;
    Step next;  // the input of the next run
    for (const std::string& line : test::linesOf(readBytes(kTables + table + ".txt"))) {
        if (block != nullptr && line.rfind("  ", 0) == 0) {
            block->push_back(line.substr(2));
            continue;
        }
        block = nullptr;
        Words w = test::wordsOf(line);
        if (w.empty() || w[0][0] == '#') {
            continue;
        }
        if (w[0] == "==") {
            cases.emplace_back();
            cases.back().table = table;
            cases.back().id = w[1].substr(0, w[1].size() - 1);
            cases.back().title = line.substr(line.find(':') + 2);
            continue;
        }
        Case& c = cases.back();
        const std::string key = w[0];
        w.erase(w.begin());
        if (key == "setup") {
            c.setup.push_back(w);
        } else if (key == "file") {
            c.files.push_back(w);
        } else if (key == "posix-only") {
            c.posixOnly = line.substr(line.find(' ') + 1);
        } else if (key == "lua") {
            c.luaFolders.push_back(w[0]);
        } else if (key == "input") {
            next.input = w[0] == "terminal" ? test::Input::Terminal : test::Input::File;
            next.typed = w[1];
        } else if (key == "run") {
            next.args = w;
            c.runs.push_back(next);
            next = Step{};
        } else if (key == "status") {
            c.runs.back().status = std::stoi(w[0]);
        } else if (key.rfind("stdout", 0) == 0 || key.rfind("stderr", 0) == 0) {
            Expected& e = key[3] == 'o' ? c.runs.back().out : c.runs.back().err;
            e.file = w.size() == 2 ? w[1] : "";
            block = &e.lines;
        } else {
            throw std::runtime_error(table + ".txt: unknown line " + line);
        }
    }
    return cases;
}

std::vector<Case> allCases() {
    std::vector<Case> all;
    for (const char* table :
         {"usage", "show", "set", "diff", "check", "new", "import", "backup", "soak"}) {
        for (Case& c : readTable(table)) {
            all.push_back(std::move(c));
        }
    }
    return all;
}

// What the program printed, with the sandbox written "$ROOT" and, from there
// to the end of the line, the separator written '/'. On Windows the program
// may spell the sandbox in small letters (the file system ignores letter
// case), and a folder given as an argument is followed by '\\'.
std::string tablePaths(std::string text, const std::string& rootName, const Words& args) {
#ifdef _WIN32
    text = test::replaceAll(text, "\r\n", "\n");
#endif
    for (const std::string& arg : args) {
        text = test::replaceAll(text, arg + kPathSeparator, arg + '/');
    }
    text = test::replaceAll(test::replaceAll(text, rootName, "$ROOT"), test::lowered(rootName),
                            "$ROOT");
    for (auto at = text.find("$ROOT"); at != std::string::npos; at = text.find("$ROOT", at + 1)) {
        const auto end = std::min(text.find('\n', at), text.size());
        std::replace(text.begin() + static_cast<std::ptrdiff_t>(at),
                     text.begin() + static_cast<std::ptrdiff_t>(end), kPathSeparator, '/');
    }
    return text;
}

class CliTable : public ::testing::TestWithParam<Case> {};

TEST_P(CliTable, Case) {
    const Case& c = GetParam();
#ifdef _WIN32
    if (!c.posixOnly.empty()) {
        GTEST_SKIP() << c.posixOnly;
    }
#endif
    test::TempDir sandbox;
    const std::string& root = sandbox.path();
    const std::string rootName = root.substr(0, root.size() - 1);
    // A word of the tables with the sandbox's own name for "$ROOT"; on Windows
    // the '/' after it become the separator.
    const auto expand = [&](std::string word) {
        const auto at = std::min(word.find("$ROOT"), word.size());
        std::replace(word.begin() + static_cast<std::ptrdiff_t>(at), word.end(), '/',
                     kPathSeparator);
        return test::replaceAll(word, "$ROOT", rootName);
    };

    const std::string app = sandbox / "app/";
    const std::string cli = app + stdfs::path(TGEDIT_CLI).filename().string();
    test::copyDataFiles(app);
    stdfs::create_directory(nativePath(app + "Projects"));
    test::copyDemoScripts(app + "Backup" + kPathSeparator);
    test::copyDemoScripts(sandbox / "project/");
    test::copyDemoGame(sandbox / "game/");
    writeBytes(app + "tgedit.cfg", sandbox / "game/" + "\r\n 7 \r\n");
    std::error_code linked;
    stdfs::create_hard_link(TGEDIT_CLI, nativePath(cli), linked);
    if (linked) {
        stdfs::copy_file(TGEDIT_CLI, nativePath(cli));
    }

    for (const Words& s : c.setup) {
        const std::string path = sandbox / expand(s[1]);
        if (s[0] == "remove") {
            stdfs::remove_all(path);
        } else if (s[0] == "mkdir") {
            stdfs::create_directories(path);
        } else if (s[0] == "write" || s[0] == "append") {
            writeBytes(path, (s[0] == "append" ? readBytes(path) : "") + s[2]);
        } else if (s[0] == "replace") {
            const std::string bytes = readBytes(path);
            ASSERT_NE(bytes.find(s[2]), std::string::npos) << s[1] << " has no " << s[2];
            writeBytes(path, bytes.substr(0, bytes.find(s[2])) + s[3] +
                                 bytes.substr(bytes.find(s[2]) + s[2].size()));
        } else if (s[0] == "copy") {
            stdfs::copy(path, sandbox / s[2], stdfs::copy_options::recursive);
        } else if (s[0] == "size") {
            writeBytes(path, std::string(std::stoul(s[2]), 'x'));
        } else if (s[0] == "link") {
            stdfs::create_symlink(expand(s[2]), path);
        } else {
            FAIL() << "unknown setup " << s[0];
        }
    }

    const auto before = test::entriesBelow(root);
    for (std::size_t n = 0; n < c.runs.size(); ++n) {
        const Step& r = c.runs[n];
        Words argv = {cli};
        for (const std::string& arg : r.args) {
            argv.push_back(expand(arg));
        }
        const test::CommandResult result = test::runCommand(argv, r.input, r.typed);
        const std::string out = tablePaths(result.out, rootName, r.args);
        const std::string err = tablePaths(result.err, rootName, r.args);
        const std::string what = c.id + "-" + std::to_string(n + 1);
        EXPECT_EQ(result.exitCode, r.status) << "run " << what << "\n" << err;
        const std::string wantOut = r.out.text();
        const std::string wantErr = r.err.text();
        EXPECT_EQ(out, wantOut) << "run " << what;
        EXPECT_EQ(err, wantErr) << "run " << what;
        if (out != wantOut || err != wantErr) {  // kept for a look
            stdfs::create_directories("cli-actual");
            writeBytes("cli-actual/" + c.table + "-" + what + ".out", out);
            writeBytes("cli-actual/" + c.table + "-" + what + ".err", err);
        }
    }

    // Only the files the case names have changed, and as it says.
    const auto after = test::entriesBelow(root);
    std::set<std::string> named;
    for (const Words& f : c.files) {
        const std::string path = expand(f[0]);
        named.insert(path);
        if (f[1] == "changed") {
            EXPECT_NE(test::entryAt(after, path), test::entryAt(before, path)) << path;
        } else {
            EXPECT_EQ(test::entryAt(after, path), f[1] == "=" ? test::entryAt(after, f[2])
                                                  : f[1] == "<"
                                                      ? "file " + readBytes(kTables + f[2])
                                                      : f[1])
                << path;
        }
    }
    for (const auto* all : {&before, &after}) {
        for (const auto& [path, ignored] : *all) {
            EXPECT_TRUE(named.count(path) != 0 ||
                        test::entryAt(after, path) == test::entryAt(before, path))
                << "changed: " << path;
        }
    }

    // The game's interpreter reads the scripts as the editor reads them (on
    // Linux: the Windows build has no Lua interpreter to run).
#ifndef _WIN32
    for (const std::string& folder : c.luaFolders) {
        const auto lua = test::runCommand(
            {TGEDIT_LUA, TGEDIT_SOURCE_DIR "/tests/lua/dump.lua", expand(folder), app});
        const auto shown = test::runCommand({cli, "show", expand(folder)});
        EXPECT_EQ(lua.exitCode, 0) << lua.err;
        EXPECT_EQ(lua.out, shown.out) << c.id << ": Lua reads " << folder << " otherwise";
    }
#endif
}

INSTANTIATE_TEST_SUITE_P(Tables, CliTable, ::testing::ValuesIn(allCases()), [](const auto& param) {
    return param.param.table + "_" + param.param.id;
});

}  // namespace
}  // namespace tg
