// new, import and backup: the project dialog's New Project and the File
// menu's Save & Import and Backup, with their questions asked on the terminal.

#include <cstdio>
#include <string>
#include <string_view>

#include "cli/cli_commands.h"
#include "cli/terminal.h"
#include "fs/paths.h"
#include "project/commands.h"
#include "project/copy_checks.h"
#include "project/file_notices.h"
#include "project/projects.h"
#include "project/startup.h"

namespace tg::cli {

namespace {

// GamePath from tgedit.cfg; false (with the messages printed) when there is
// none to be had.
bool readGamePath(AppContext& ctx) {
    const Notices notices = readGameFolder(ctx);
    if (notices.empty()) {
        return true;
    }
    printNotices(notices);
    printError(
        "tgedit.cfg is written when TG Edit first starts and you choose the Tollgrove folder: "
        "start TG Edit once");
    return false;
}

// The editor's question, answered by --yes or on the terminal.
bool confirmed(bool yes, std::string_view question, std::string_view what) {
    if (yes) {
        return true;
    }
    if (!inputIsTerminal()) {
        printError("nothing was " + std::string(what) +
                   ": standard input is not a terminal to answer on; give --yes to go ahead");
        return false;
    }
    if (!askYesNo(question)) {
        printError("nothing was " + std::string(what));
        return false;
    }
    return true;
}

// The forbidden characters the name holds, quoted, in test order: "'/' ':'".
std::string quotedForbiddenCharacters(std::string_view name) {
    std::string quoted;
    for (char c : forbiddenCharactersIn(name)) {
        quoted += (quoted.empty() ? "'" : " '") + std::string(1, c) + "'";
    }
    return quoted;
}

void printStoppedCopy(std::string_view copied) {
    printError(
        "the copies stopped at the failed one; those before it in the order "
        "blocksettings.lua, businesssettings.lua, commoditysettings.lua, hub.lua were " +
        std::string(copied));
}

}  // namespace

int runNew(AppContext& ctx, const std::string& name, const std::optional<std::string>& inFolder) {
    const std::string parent =
        inFolder ? withTrailingSeparator(*inFolder) : ctx.app.Path + "Projects" + kPathSeparator;
    if (holdsControlCharacter(name)) {
        printError("A project name cannot contain control characters.");
        return kRefused;
    }
    if (auto refusal = projectNameRefusal(ctx, parent, name)) {
        printNotices({*refusal});
        if (firstForbiddenCharacter(name)) {
            printError("the name '" + name + "' holds " + quotedForbiddenCharacters(name));
        } else if (refusal->text == kProjectExistsMessage) {
            printError("a file or folder named " + name + " (letter case ignored) is already in " +
                       parent);
        }
        return kRefused;
    }

    // Everything the copies need is looked for first, so a missing Backup
    // never leaves a half-made project folder behind.
    const CopyCheck check = checkNewProject(ctx);
    if (!check.ok()) {
        for (const Notice& notice : check.notices) {
            printError(notice.text);
        }
        if (check.problem == CopyProblem::BackupIncomplete) {
            std::string advice =
                "Backup is filled when TG Edit first starts and you choose the "
                "Tollgrove folder: start TG Edit once";
            if (configExists(ctx)) {
                advice += ", or run 'tgedit-cli backup --yes' to copy the game's scripts into it";
            }
            printError(advice);
        }
        return kRefused;
    }

    // The editor's start makes Projects again when it has gone; so does this.
    const std::string projects = ctx.app.Path + "Projects";
    if (!inFolder && !ctx.fs.pathExists(projects)) {
        if (auto error = ctx.fs.createFolder(projects)) {
            printNotices({folderFailure(*error)});
            printError("the project " + name + " was not created");
            return kFailed;
        }
    }
    const ProjectOutcome outcome = createProject(ctx, parent, name);
    if (!outcome.ok) {
        printNotices(outcome.notices);
        printError("the project " + name + " was not created");
        return kFailed;
    }
    writeOut(withoutTrailingSeparators(ctx.state.ProjectPath) + "\n");
    return kDone;
}

int runImport(AppContext& ctx, const std::string& projectDir, bool yes) {
    if (!readGamePath(ctx)) {
        printError("nothing was imported");
        return kRefused;
    }
    ctx.state.ProjectPath = withTrailingSeparator(projectDir);
    const std::string target = gameScriptsFolder(ctx.state.GamePath);
    const CopyCheck check = checkImport(ctx);
    if (check.problem == CopyProblem::GameScriptsMissing) {
        printError("the Tollgrove folder has no " + target + "; nothing was imported");
        return kRefused;
    }
    if (!check.ok()) {
        printNotices(check.notices);
        printError("nothing was imported");
        return kRefused;
    }
    if (!yes && inputIsTerminal()) {
        std::fputs(("The four scripts of " + withoutTrailingSeparators(ctx.state.ProjectPath) +
                    " go into " + target + ".\n")
                       .c_str(),
                   stderr);
    }
    if (!confirmed(yes, kImportQuestion, "imported")) {
        return kRefused;
    }
    const Notices failures = importProject(ctx);
    if (!failures.empty()) {
        printNotices(failures);
        printStoppedCopy("imported");
        return kFailed;
    }
    writeOut(std::string(kImportDoneMessage) + "\n");
    return kDone;
}

int runBackup(AppContext& ctx, bool yes) {
    if (!readGamePath(ctx)) {
        printError("nothing was backed up");
        return kRefused;
    }
    const CopyCheck check = checkBackup(ctx);
    if (!check.ok()) {
        printNotices(check.notices);
        printError("nothing was backed up");
        return kRefused;
    }
    if (!confirmed(yes, kBackupQuestion, "backed up")) {
        return kRefused;
    }
    const std::string backup = backupFolder(ctx.app.Path);
    if (!ctx.fs.pathExists(backup)) {
        if (auto error = ctx.fs.createFolder(backup)) {
            printNotices({folderFailure(*error)});
            printError("nothing was backed up");
            return kFailed;
        }
    }
    const Notices failures = backupGame(ctx);
    if (!failures.empty()) {
        printNotices(failures);
        printStoppedCopy("backed up");
        return kFailed;
    }
    writeOut(std::string(kBackupDoneMessage) + "\n");
    return kDone;
}

}  // namespace tg::cli
