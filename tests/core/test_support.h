#pragma once

// Shared helpers of the core tests: temporary folders, whole-file reads and
// writes, and an application folder or project laid out like the real ones.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"

namespace tg::test {

// A fresh folder under the system's temporary folder, removed again when the
// object goes. path() ends in the separator, like every folder text of the
// program.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // relative is written with '/', which becomes the platform's separator.
    std::string operator/(std::string_view relative) const;

private:
    std::string path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);

// Copies the files of a folder tree into folder (made when missing),
// replacing those there.
void copyTree(const std::string& from, const std::string& folder);

// Copies the shipped data files (code tables, tge.prj, ...) into folder.
void copyDataFiles(const std::string& folder);

// Copies the stand-in game's four scripts (SCRIPTS/DEFAULT) into folder.
void copyDemoScripts(const std::string& folder);

// Copies the whole stand-in game (mc.exe and SCRIPTS) into folder.
void copyDemoGame(const std::string& folder);

// Lists the names in a folder, sorted (hidden ones included).
std::string listFolder(const std::string& folder);

// The lines of a text, without their line ends ("\n" or "\r\n").
std::vector<std::string> linesOf(const std::string& text);

// The words of a line of a test table: blanks separate them; a word in
// double quotes may hold blanks and the escapes \r \n \" \\ and \xHH.
std::vector<std::string> wordsOf(const std::string& line);

// A file system that notes every step ("rename /x/hub.lua"; a temporary
// file by its name up to the random part) and, once armed, fails one step of
// the work on one file: on the side it writes, the temporary file (open,
// write, flush), the rename onto the file or the flush of its folder after
// that rename; on the side it reads, the opening or reading of the file.
class FailOneFile : public FileSystem {
public:
    void arm(std::optional<FsStep> step, std::string file) {
        step_ = step;
        file_ = std::move(file);
    }
    std::vector<std::string> steps;
    int hits = 0;

protected:
    std::optional<std::string> faultAt(FsStep step, const std::string& path) override;

private:
    std::optional<FsStep> step_;
    std::string file_, renamed_;
};

// Every entry below a folder (ending in the separator), by its path relative
// to it: "file " and the bytes, "folder", or "link to " and the link's text.
std::map<std::string, std::string> entriesBelow(const std::string& folder);

// The entry at path in what entriesBelow gave, or "gone".
std::string entryAt(const std::map<std::string, std::string>& entries, const std::string& path);

// The text with its ASCII capitals lowered and every other byte kept: what
// the case-blind searches are held against.
std::string lowered(std::string_view text);

// The text with every occurrence of from replaced by to.
std::string replaceAll(std::string text, const std::string& from, const std::string& to);

// A path as two spellings of one file compare: lowered where the file system
// ignores letter case (Windows, where the program lower-cases its own folder),
// else as it stands.
std::string pathKey(std::string_view path);

}  // namespace tg::test
