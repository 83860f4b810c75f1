#pragma once

#include <string>
#include <string_view>

#include "fs/file_system.h"
#include "model/notice.h"

namespace tg {

// The notices of failed file work, titled "TG Edit", each naming the file and
// the reason: "Cannot copy /game/SCRIPTS/DEFAULT/hub.lua: No such file or
// directory".
Notice copyFailure(const FsError& error, const std::string& from);
Notice folderFailure(const FsError& error);
Notice readFailure(const FsError& error);
Notice writeFailure(const FsError& error);

// Where the four scripts lie: the game's SCRIPTS/DEFAULT folder and the
// application folder's Backup folder.
std::string gameScriptsFolder(const std::string& gamePath);
std::string gameScriptPath(const std::string& gamePath, std::string_view name);
std::string backupFolder(const std::string& appPath);
std::string backupScriptPath(const std::string& appPath, std::string_view name);

// The template tge.prj in the application folder, copied into each new
// project as its marker.
std::string projectTemplatePath(const std::string& appPath);

}  // namespace tg
