#include "project/copy_checks.h"

#include <string>
#include <string_view>

#include "project/app_context.h"
#include "project/file_notices.h"
#include "scripts/script_files.h"

namespace tg {

namespace {

Notice missing(const std::string& what) {
    return {kTitleTGEdit, "Cannot create a project: " + what + " is missing"};
}

// Reads each of the four scripts whole; a notice for each that cannot be read.
template <typename PathOf>
CopyCheck readable(AppContext& ctx, PathOf pathOf) {
    CopyCheck check;
    for (std::string_view name : kScriptFiles) {
        std::string bytes;
        if (auto error = ctx.fs.readFile(pathOf(name), bytes)) {
            check.problem = CopyProblem::SourceUnreadable;
            check.notices.push_back(readFailure(*error));
        }
    }
    return check;
}

}  // namespace

CopyCheck checkNewProject(AppContext& ctx) {
    CopyCheck check;
    for (std::string_view script : kScriptFiles) {
        const std::string path = backupScriptPath(ctx.app.Path, script);
        if (!ctx.fs.pathExists(path)) {
            check.problem = CopyProblem::BackupIncomplete;
            check.notices.push_back(missing(path));
        }
    }
    if (!check.ok()) {
        return check;
    }
    const std::string templatePath = projectTemplatePath(ctx.app.ShippedPath);
    if (!ctx.fs.pathExists(templatePath)) {
        return {CopyProblem::TemplateMissing, {missing("the template " + templatePath)}};
    }
    return check;
}

CopyCheck checkImport(AppContext& ctx) {
    CopyCheck check = readable(
        ctx, [&](std::string_view name) { return ctx.state.ProjectPath + std::string(name); });
    if (!check.ok()) {
        return check;
    }
    const std::string target = gameScriptsFolder(ctx.state.GamePath);
    if (!ctx.fs.pathExists(target)) {
        return {CopyProblem::GameScriptsMissing,
                {Notice{kTitleTGEdit,
                        "Cannot import into the Tollgrove folder: " + target + " is missing"}}};
    }
    return check;
}

CopyCheck checkBackup(AppContext& ctx) {
    return readable(
        ctx, [&](std::string_view name) { return gameScriptPath(ctx.state.GamePath, name); });
}

}  // namespace tg
