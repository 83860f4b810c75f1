#pragma once

#include <string>
#include <string_view>

#include "model/notice.h"

namespace tg {

struct AppContext;

// Messages of the File menu's save, import and backup, all titled "TG Edit".
// Questions: Yes and No, exclamation icon. Done messages: OK, no icon.
inline constexpr std::string_view kImportQuestion =
    "Warning: This will overwrite files in the Tollgrove folder. \r\n"
    "Are you sure you want to do this?";
inline constexpr std::string_view kImportDoneMessage = "TG Edit files imported succesfully.";
inline constexpr std::string_view kBackupQuestion =
    "Warning: This will overwrite existing backup files. \r\n"
    "Are you sure you want to do this?";
inline constexpr std::string_view kBackupDoneMessage = "Tollgrove files backed up succesfully.";

// The File menu's work without its questions and messages.

// Save_Project on the open project. The result holds its failures; when there
// are any, nothing is reloaded and the edits and change flags stay.
Notices saveProject(AppContext& ctx);

// The reload after a save (and the main window's load): Clear model, the four
// loads, Copy loaded to working.
Notices reloadProject(AppContext& ctx);

// "Project: NAME has been successfully saved." for the open project, NAME
// being the last part of ProjectPath in upper case.
std::string saveMessage(const AppContext& ctx);

// Copies the project's four scripts over the game's (SCRIPTS/DEFAULT), each
// replaced atomically. Stops at the first failed copy; scripts copied before
// it stay. Empty result: every copy succeeded.
Notices importProject(AppContext& ctx);

// Copies the game's four scripts into Backup, replacing the copies there, in
// the same way.
Notices backupGame(AppContext& ctx);

}  // namespace tg
