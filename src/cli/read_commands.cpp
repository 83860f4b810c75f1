// show, set, diff and check: the project read with the editor's reader and
// code tables, and saved with its writer.

#include "cli/cli_commands.h"
#include "cli/settings_fields.h"
#include "cli/settings_json.h"
#include "cli/terminal.h"
#include "fs/paths.h"
#include "project/edits.h"
#include "project/file_notices.h"
#include "project/startup.h"
#include "scripts/numbers.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"

namespace tg::cli {

namespace {

// The game-version rule for the game folder that tgedit.cfg names; without
// tgedit.cfg or a game folder in it, nothing is refused.
bool versionCompatible(AppContext& ctx) {
    if (!configExists(ctx) || !readGameFolder(ctx).empty()) {
        return true;
    }
    return gameVersionCompatible(ctx.fs, ctx.state.GamePath);
}

Notices loadFolder(AppContext& ctx, EditorState& state, const std::string& folder) {
    state.ProjectPath = withTrailingSeparator(folder);
    return loadProjectModel(ctx.fs, ctx.app.ShippedPath, state);
}

}  // namespace

int runShow(AppContext& ctx, const std::string& projectDir, bool json) {
    const Notices notices = loadFolder(ctx, ctx.state, projectDir);
    writeOut(json ? settingsJson(ctx.state.model) : listSettings(ctx.state.model));
    if (!notices.empty()) {
        printNotices(notices);
        return kFailed;
    }
    return kDone;
}

int runSet(AppContext& ctx, const std::string& projectDir, const std::string& kind,
           const std::string& code, const std::vector<std::string>& assignments) {
    const std::optional<RecordKind> recordKind = kindNamed(kind);
    if (!recordKind) {
        printError("no kind '" + kind + "' (kinds: " + kindNames() + ")");
        return kRefused;
    }
    ctx.state.bVersionCompatible = versionCompatible(ctx);

    // The writer regenerates every line of a changed record from the model,
    // so a model that was not read in full would overwrite settings with
    // zeros. Nothing is written then.
    const Notices notices = loadFolder(ctx, ctx.state, projectDir);
    if (!notices.empty()) {
        printNotices(notices);
        printError("nothing was changed: the project could not be read in full");
        return kFailed;
    }

    const auto refusals = applySettings(ctx.state, *recordKind, code, assignments);
    if (!refusals.empty()) {
        for (const auto& refusal : refusals) {
            printError(refusal);
        }
        printError("nothing was changed");
        return kRefused;
    }

    const Notices failures = Save_Project(ctx.fs, ctx.state, ctx.app.Version);
    if (!failures.empty()) {
        printNotices(failures);
        printError("the project was not saved in full");
        return kFailed;
    }
    return kDone;
}

int runDiff(AppContext& ctx, const std::string& projectDir,
            const std::optional<std::string>& otherDir) {
    const std::string backup = backupFolder(ctx.app.Path);
    EditorState other;
    const Notices otherNotices = loadFolder(ctx, other, otherDir ? *otherDir : backup);
    const Notices projectNotices = loadFolder(ctx, ctx.state, projectDir);
    if (!projectNotices.empty() || !otherNotices.empty()) {
        // A code table that cannot be read is named by both loads; once is enough.
        Notices all = projectNotices;
        for (const Notice& notice : otherNotices) {
            bool seen = false;
            for (const Notice& shown : projectNotices) {
                seen = seen || shown.text == notice.text;
            }
            if (!seen) {
                all.push_back(notice);
            }
        }
        printNotices(all);
        if (!otherDir && !ctx.fs.pathExists(backup)) {
            printError(backup +
                       " is filled when TG Edit first starts and you choose the Tollgrove "
                       "folder: start TG Edit once, or give a folder to compare with");
        }
        printError("nothing was compared: a side could not be read in full");
        return kRefused;
    }
    const std::string diff = diffSettings(other.model, ctx.state.model);
    writeOut(diff);
    return diff.empty() ? kDone : kFound;
}

int runCheck(AppContext& ctx, const std::string& dir) {
    const ProjectCheck check =
        checkProjectScripts(ctx.fs, ctx.app.ShippedPath, withTrailingSeparator(dir));
    std::string report;
    for (const ScriptProblem& problem : check.problems) {
        report += problem.path;
        if (problem.line > 0) {
            report += ":" + formatInteger(static_cast<long long>(problem.line));
        }
        report += ": " + oneLine(problem.reason) + "\n";
    }
    writeOut(report);
    if (!check.tableNotices.empty()) {
        printNotices(check.tableNotices);
        printError("the lines could not be matched as the editor matches them");
        return kRefused;
    }
    return check.problems.empty() ? kDone : kFound;
}

}  // namespace tg::cli
