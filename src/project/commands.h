#pragma once

#include <string>

#include "model/notice.h"

namespace tg {

struct AppContext;

// The File menu's work without its questions and messages.

// Save_Project on the open project. The result holds its failures; when there
// are any, nothing is reloaded and the edits and change flags stay.
Notices saveProject(AppContext& ctx);

// The reload after a save (and the main window's load): Clear model, the four
// loads, Copy loaded to working.
Notices reloadProject(AppContext& ctx);

// "Project: NAME has been successfully saved." for the open project.
std::string saveMessage(const AppContext& ctx);

// Copies the project's four scripts over the game's. Stops at the first
// failed copy; scripts copied before it stay.
Notices importProject(AppContext& ctx);

// Copies the game's four scripts into Backup, replacing the copies there.
Notices backupGame(AppContext& ctx);

}  // namespace tg
