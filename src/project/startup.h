#pragma once

#include "model/notice.h"

namespace tg {

struct AppContext;

// The file work of the start-up check. The window asks for the game folder;
// these do the rest and hand back what went wrong, in order.

// True when the application folder holds tgedit.cfg (a later start).
bool configExists(AppContext& ctx);

// A later start: reads GamePath and the start count from tgedit.cfg, raises
// the count once per run, rewrites tgedit.cfg and runs Fill_Backup.
Notices checkExistingConfig(AppContext& ctx);

// The first start, once the game-folder dialog has set GamePath: creates
// Projects and Backup, runs Fill_Backup and writes tgedit.cfg last (count 1).
// When a folder or a backup copy fails, tgedit.cfg is not written.
Notices completeFirstStart(AppContext& ctx);

// Copies each of the game's four scripts into Backup where the copy is missing.
Notices Fill_Backup(AppContext& ctx);

}  // namespace tg
