#include "project/program_folders.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "fs/native_paths.h"
#include "fs/paths.h"

namespace tg {

namespace {

// The first code table: a folder that holds it holds the shipped files.
constexpr const char* kShippedFile = "blk_code.txt";

constexpr const char* kUserFiles = "tgedit.cfg, Projects and Backup";

// The folder without its trailing separators.
// The folder above, or nothing at the root.
std::optional<std::string> parentOf(const std::string& folder) {
    const auto cut = folder.rfind(kPathSeparator);
    if (cut == std::string::npos || cut == 0) {
        return std::nullopt;
    }
    return folder.substr(0, cut);
}

// bin/../share/tgedit/ beside the program's folder: /usr/bin/ gives
// /usr/share/tgedit/.
std::optional<std::string> installedShareFolder(const std::string& programFolder) {
    const auto prefix = parentOf(withoutTrailingSeparators(programFolder));
    if (!prefix) {
        return std::nullopt;
    }
    return *prefix + kPathSeparator + "share" + kPathSeparator + "tgedit" + kPathSeparator;
}

bool isAbsolute(const std::optional<std::string>& path) {
    return path && !path->empty() && nativePath(*path).is_absolute();
}

// The variables userDataHome looks at, for the message when none will do.
#ifdef _WIN32
constexpr const char* kDataHomeVariables = "XDG_DATA_HOME, APPDATA nor HOME";
#else
constexpr const char* kDataHomeVariables = "XDG_DATA_HOME nor HOME";
#endif

// The folder under which each user's programs keep their data.
std::optional<std::string> userDataHome(const EnvironmentLookup& environment) {
    if (auto xdg = environment("XDG_DATA_HOME"); isAbsolute(xdg)) {
        return withTrailingSeparator(*xdg);
    }
#ifdef _WIN32
    // Windows' own place for each user's program data; a HOME that a POSIX
    // shell may set must not move it.
    if (auto appData = environment("APPDATA"); isAbsolute(appData)) {
        return withTrailingSeparator(*appData);
    }
#endif
    if (auto home = environment("HOME"); isAbsolute(home)) {
        return withTrailingSeparator(*home) + ".local" + kPathSeparator + "share" + kPathSeparator;
    }
    return std::nullopt;
}

// Makes the folder and every missing folder above it, outermost first.
FsStatus makeFolders(FileSystem& fs, const std::string& folder) {
    std::vector<std::string> missing;
    std::optional<std::string> next = withoutTrailingSeparators(folder);
    while (next && !fs.pathExists(*next)) {
        missing.push_back(*next);
        next = parentOf(*next);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (auto error = fs.createFolder(*it)) {
            return error;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> processEnvironment(const char* name) {
#ifdef _WIN32
    // The wide environment holds every folder name; the narrow one only what
    // the system's code page can.
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return textPath(std::filesystem::path(value));
#else
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
#endif
}

ProgramFoldersOutcome settleProgramFolders(FileSystem& fs, const std::string& programFolder,
                                           const EnvironmentLookup& environment) {
    const std::string program = withTrailingSeparator(programFolder);
    ProgramFoldersOutcome outcome;
    if (auto share = installedShareFolder(program); share && fs.pathExists(*share + kShippedFile)) {
        outcome.folders.shipped = *share;
    } else if (fs.mayWriteIn(program)) {
        outcome.folders = {program, program, false};
        return outcome;
    } else {
        outcome.folders.shipped = program;
    }
    outcome.folders.installed = true;

    const auto home = userDataHome(environment);
    if (!home) {
        outcome.notices.push_back({kTitleTGEdit, std::string("Cannot find a folder for ") +
                                                     kUserFiles + ": neither " +
                                                     kDataHomeVariables + " is an absolute path"});
        return outcome;
    }
    outcome.folders.user = *home + "tgedit" + kPathSeparator;
    if (auto error = makeFolders(fs, outcome.folders.user)) {
        // The reason names the folder above when that is the one that failed.
        const bool itself = error->path == withoutTrailingSeparators(outcome.folders.user);
        outcome.notices.push_back(
            {kTitleTGEdit, "Cannot create the folder " + outcome.folders.user + " for " +
                               kUserFiles + ": " + (itself ? error->reason : error->describe())});
    }
    return outcome;
}

}  // namespace tg
