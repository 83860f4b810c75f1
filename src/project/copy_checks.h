#pragma once

#include "model/notice.h"

namespace tg {

struct AppContext;

// What new, import and backup need, looked for before anything is written,
// so that a command that cannot finish never leaves half its copies behind.
// The editor and tgedit-cli run the same checks.

enum class CopyProblem {
    None,
    // New project: a script is missing from Backup.
    BackupIncomplete,
    // New project: the template tge.prj is missing.
    TemplateMissing,
    // Import and backup: a script to be copied cannot be read.
    SourceUnreadable,
    // Import: the game folder has no SCRIPTS/DEFAULT folder to copy into.
    GameScriptsMissing,
};

struct CopyCheck {
    CopyProblem problem = CopyProblem::None;
    // One notice per file found wanting, titled "TG Edit", each naming the
    // file and the reason.
    Notices notices;

    bool ok() const { return problem == CopyProblem::None; }
};

// New project: the four scripts in Backup, then the template tge.prj.
CopyCheck checkNewProject(AppContext& ctx);

// Save & Import: the project's four scripts can be read, and the game folder
// has its SCRIPTS/DEFAULT folder.
CopyCheck checkImport(AppContext& ctx);

// Backup: the game's four scripts can be read.
CopyCheck checkBackup(AppContext& ctx);

}  // namespace tg
