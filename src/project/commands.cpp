#include "project/commands.h"

#include "fs/paths.h"
#include "project/app_context.h"
#include "project/file_notices.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"

namespace tg {

namespace {

// Copies the four scripts in their fixed order, stopping at the first failure.
template <typename From, typename To>
Notices copyScripts(AppContext& ctx, From from, To to) {
    for (std::string_view name : kScriptFiles) {
        const std::string source = from(name);
        if (auto error = ctx.fs.copyFileAtomic(source, to(name))) {
            return {copyFailure(*error, source)};
        }
    }
    return {};
}

// A folder that was never set would turn the copies into paths relative to
// wherever the program runs; the commands refuse instead.
Notices noFolder(const char* text) {
    return {Notice{kTitleTGEdit, text}};
}
constexpr const char* kNoProject = "No project is open.";
constexpr const char* kNoGameFolder = "The Tollgrove folder is not known.";

}  // namespace

Notices saveProject(AppContext& ctx) {
    return Save_Project(ctx.fs, ctx.state, ctx.app.Version);
}

Notices reloadProject(AppContext& ctx) {
    return loadProjectModel(ctx.fs, ctx.app.ShippedPath, ctx.state);
}

std::string saveMessage(const AppContext& ctx) {
    return "Project: " + asciiUpper(lastPathPart(ctx.state.ProjectPath)) +
           " has been successfully saved.";
}

Notices importProject(AppContext& ctx) {
    if (ctx.state.ProjectPath.empty()) {
        return noFolder(kNoProject);
    }
    if (ctx.state.GamePath.empty()) {
        return noFolder(kNoGameFolder);
    }
    return copyScripts(
        ctx, [&](std::string_view name) { return ctx.state.ProjectPath + std::string(name); },
        [&](std::string_view name) { return gameScriptPath(ctx.state.GamePath, name); });
}

Notices backupGame(AppContext& ctx) {
    if (ctx.state.GamePath.empty()) {
        return noFolder(kNoGameFolder);
    }
    return copyScripts(
        ctx, [&](std::string_view name) { return gameScriptPath(ctx.state.GamePath, name); },
        [&](std::string_view name) { return backupScriptPath(ctx.app.Path, name); });
}

}  // namespace tg
