#pragma once

#include <functional>
#include <optional>
#include <string>

#include "fs/file_system.h"
#include "model/notice.h"

namespace tg {

// Where the program's files lie, decided once at start by the editor and
// tgedit-cli alike.
//
// Portable: the program's own folder holds the code tables and may be
// written; everything (shipped files, tgedit.cfg, Projects, Backup) lies
// there. The build tree and an unpacked folder run this way.
//
// Installed: the shipped files lie in share/tgedit beside the program's
// folder (bin/../share/tgedit), or the program's folder may not be written.
// The shipped files are read from the installation; tgedit.cfg, Projects and
// Backup live in the user's own data folder, $XDG_DATA_HOME/tgedit
// (~/.local/share/tgedit when the variable is unset or not an absolute path;
// %APPDATA%\tgedit on Windows), so each user has their own and nothing is
// written under the installation.
struct ProgramFolders {
    // The code tables, tge.prj and tgmap.map; only ever read.
    std::string shipped;
    // tgedit.cfg, Projects and Backup.
    std::string user;
    bool installed = false;
};

// One environment variable of the process; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> processEnvironment(const char* name);

struct ProgramFoldersOutcome {
    ProgramFolders folders;
    // Why the program cannot go on (the user's data folder cannot be found
    // or made); empty when it can.
    Notices notices;
    bool ok() const { return notices.empty(); }
};

// Decides the mode for the program in programFolder and makes the user's
// data folder, with any missing folder above it, when it is not there yet.
// When the data folder cannot be made the notice names it and the reason,
// and nothing else has been written.
ProgramFoldersOutcome settleProgramFolders(FileSystem& fs, const std::string& programFolder,
                                           const EnvironmentLookup& environment);

}  // namespace tg
