// new, import and backup: the project dialog's New Project and the File
// menu's Save & Import and Backup, with their questions asked on the terminal.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/terminal.h"
#include "fs/paths.h"
#include "project/commands.h"
#include "project/file_notices.h"
#include "project/projects.h"
#include "project/startup.h"
#include "scripts/script_files.h"

namespace tg::cli {

namespace {

constexpr std::string_view kTemplateFile = "tge.prj";

std::string withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == kPathSeparator) {
        folder.pop_back();
    }
    return folder;
}

std::string gameScriptsFolder(const std::string& gamePath) {
    return gamePath + "SCRIPTS" + kPathSeparator + "DEFAULT";
}

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

// Reads each file whole, so that a copy that would fail for want of its
// source is found before anything is replaced. Prints every failure.
bool allReadable(AppContext& ctx, const std::vector<std::string>& paths) {
    bool ok = true;
    for (const std::string& path : paths) {
        std::string bytes;
        if (auto error = ctx.fs.readFile(path, bytes)) {
            printNotices({readFailure(*error)});
            ok = false;
        }
    }
    return ok;
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

// The names of the forbidden characters the name holds, in test order:
// "'/' ':'".
std::string forbiddenCharactersIn(std::string_view name) {
    std::string found;
    for (char c : kForbiddenNameCharacters) {
        if (name.find(c) != std::string_view::npos) {
            found += (found.empty() ? "'" : " '") + std::string(1, c) + "'";
        }
    }
    return found;
}

bool holdsControlCharacter(std::string_view name) {
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            return true;
        }
    }
    return false;
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
            printError("the name '" + name + "' holds " + forbiddenCharactersIn(name));
        } else if (refusal->text == kProjectExistsMessage) {
            printError("a file or folder named " + name + " (letter case ignored) is already in " +
                       parent);
        }
        return kRefused;
    }

    // Everything the copies need is looked for first, so a missing Backup
    // never leaves a half-made project folder behind.
    bool complete = true;
    for (std::string_view script : kScriptFiles) {
        const std::string path = backupScriptPath(ctx.app.Path, script);
        if (!ctx.fs.pathExists(path)) {
            printError("Cannot create a project: " + path + " is missing");
            complete = false;
        }
    }
    if (!complete) {
        std::string advice =
            "Backup is filled when TG Edit first starts and you choose the "
            "Tollgrove folder: start TG Edit once";
        if (configExists(ctx)) {
            advice += ", or run 'tgedit-cli backup --yes' to copy the game's scripts into it";
        }
        printError(advice);
        return kRefused;
    }
    const std::string templatePath = ctx.app.Path + std::string(kTemplateFile);
    if (!ctx.fs.pathExists(templatePath)) {
        printError("Cannot create a project: the template " + templatePath + " is missing");
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
    writeOut(withoutTrailingSeparator(ctx.state.ProjectPath) + "\n");
    return kDone;
}

int runImport(AppContext& ctx, const std::string& projectDir, bool yes) {
    if (!readGamePath(ctx)) {
        printError("nothing was imported");
        return kRefused;
    }
    ctx.state.ProjectPath = withTrailingSeparator(projectDir);
    std::vector<std::string> sources;
    for (std::string_view script : kScriptFiles) {
        sources.push_back(ctx.state.ProjectPath + std::string(script));
    }
    if (!allReadable(ctx, sources)) {
        printError("nothing was imported");
        return kRefused;
    }
    const std::string target = gameScriptsFolder(ctx.state.GamePath);
    if (!ctx.fs.pathExists(target)) {
        printError("the Tollgrove folder has no " + target + "; nothing was imported");
        return kRefused;
    }
    if (!yes && inputIsTerminal()) {
        std::fputs(("The four scripts of " + withoutTrailingSeparator(ctx.state.ProjectPath) +
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
    std::vector<std::string> sources;
    for (std::string_view script : kScriptFiles) {
        sources.push_back(gameScriptPath(ctx.state.GamePath, script));
    }
    if (!allReadable(ctx, sources)) {
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
