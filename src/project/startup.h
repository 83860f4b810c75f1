#pragma once

#include <string>
#include <string_view>

#include "model/notice.h"

namespace tg {

struct AppContext;

// Messages of the start-up check and the game-folder dialog.
// First start, OK only, title "TG Edit" (two blanks after the first sentence).
inline constexpr std::string_view kFirstStartMessage =
    "It appears this is the first time running TG Edit.  Please select the Tollgrove folder";
// Game-folder dialog, OK only, application title.
inline constexpr std::string_view kInvalidGamePathMessage = "Invalid Tollgrove path.";
// Drive list of the game-folder and project dialogs, OK only, application title.
inline constexpr std::string_view kDriveNotAvailableMessage = "Drive not available.";

// The game's program file, whose presence identifies a game folder.
inline constexpr std::string_view kGameProgramFile = "mc.exe";

// The file work of the start-up check. The window asks for the game folder;
// these do the rest and hand back what went wrong, in order (titled "TG Edit",
// naming the file and the reason).

// True when the application folder holds tgedit.cfg (a later start).
bool configExists(AppContext& ctx);

// A later start: reads GamePath and the start count from tgedit.cfg, raises
// the count once per run, rewrites tgedit.cfg, recreates a Projects or Backup
// folder that has gone missing and runs Fill_Backup.
Notices checkExistingConfig(AppContext& ctx);

// The game folder alone, for work outside the start-up check (the
// command-line tool): reads GamePath from tgedit.cfg, given one trailing
// separator, and writes nothing, so the start count is left as it is.
// Notices: tgedit.cfg cannot be read, or names no game folder (GamePath is
// then left empty).
Notices readGameFolder(AppContext& ctx);

// The first start, once the game-folder dialog has set GamePath: creates
// Projects and Backup, runs Fill_Backup and writes tgedit.cfg last (count 1).
// When a folder or a backup copy fails, tgedit.cfg is not written, so the
// next start is a first start again.
Notices completeFirstStart(AppContext& ctx);

// Copies each of the game's four scripts into Backup where the copy is missing.
// An existing copy is never replaced.
Notices Fill_Backup(AppContext& ctx);

// The game-folder dialog's OK: the chosen folder with exactly one trailing
// separator, and whether it holds mc.exe.
std::string gameFolderOf(std::string_view chosenFolder);
bool isGameFolder(AppContext& ctx, const std::string& gameFolder);

}  // namespace tg
