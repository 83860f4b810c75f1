#include "project/file_notices.h"

#include "fs/paths.h"

namespace tg {

Notice copyFailure(const FsError& error, const std::string& from) {
    // A failed read names the source alone; a failed write names both ends.
    if (error.path == from) {
        return {kTitleTGEdit, "Cannot copy " + error.describe()};
    }
    return {kTitleTGEdit, "Cannot copy " + from + " to " + error.describe()};
}

Notice folderFailure(const FsError& error) {
    return {kTitleTGEdit, "Cannot create the folder " + error.describe()};
}

Notice readFailure(const FsError& error) {
    return {kTitleTGEdit, "Cannot read " + error.describe()};
}

Notice writeFailure(const FsError& error) {
    return {kTitleTGEdit, "Cannot write " + error.describe()};
}

std::string gameScriptsFolder(const std::string& gamePath) {
    return gamePath + "SCRIPTS" + kPathSeparator + "DEFAULT";
}

std::string gameScriptPath(const std::string& gamePath, std::string_view name) {
    return gameScriptsFolder(gamePath) + kPathSeparator + std::string(name);
}

std::string backupFolder(const std::string& appPath) {
    return appPath + "Backup";
}

std::string backupScriptPath(const std::string& appPath, std::string_view name) {
    return backupFolder(appPath) + kPathSeparator + std::string(name);
}

std::string projectTemplatePath(const std::string& appPath) {
    return appPath + "tge.prj";
}

}  // namespace tg
