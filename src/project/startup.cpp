#include "project/startup.h"

#include <cstdint>
#include <limits>

#include "fs/paths.h"
#include "project/app_context.h"
#include "project/file_notices.h"
#include "project/small_files.h"
#include "scripts/script_files.h"

namespace tg {

namespace {

std::string configPath(const AppContext& ctx) {
    return ctx.app.Path + "tgedit.cfg";
}

std::string projectsFolder(const AppContext& ctx) {
    return ctx.app.Path + "Projects";
}

// Creates the folder when no file or folder of that name is there. False when
// the creation failed (the failure is added to notices).
bool ensureFolder(AppContext& ctx, const std::string& folder, Notices& notices) {
    if (ctx.fs.pathExists(folder)) {
        return true;
    }
    if (auto error = ctx.fs.createFolder(folder)) {
        notices.push_back(folderFailure(*error));
        return false;
    }
    return true;
}

}  // namespace

bool configExists(AppContext& ctx) {
    return ctx.fs.pathExists(configPath(ctx));
}

Notices checkExistingConfig(AppContext& ctx) {
    Notices notices;
    std::string bytes;
    if (auto error = ctx.fs.readFile(configPath(ctx), bytes)) {
        // Without the file's values there is nothing sound to write back.
        notices.push_back(readFailure(*error));
        return notices;
    }
    ConfigFile config = parseConfig(bytes);
    ctx.state.GamePath = config.gamePath;

    const bool raise = !ctx.state.bStartCounted;
    if (raise) {
        config.startCount = static_cast<std::int32_t>(
            raisedCount(config.startCount, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max()));
    }
    if (auto error = ctx.fs.writeFileAtomic(configPath(ctx), configText(config))) {
        // The raise was not kept; the next check in this run tries again.
        notices.push_back(writeFailure(*error));
    } else if (raise) {
        ctx.state.bStartCounted = true;
    }

    // Folders removed since the first start are made again, so the project
    // dialog and the backup have somewhere to work.
    ensureFolder(ctx, projectsFolder(ctx), notices);
    if (ensureFolder(ctx, backupFolder(ctx.app.Path), notices)) {
        const Notices backup = Fill_Backup(ctx);
        notices.insert(notices.end(), backup.begin(), backup.end());
    }
    return notices;
}

Notices readGameFolder(AppContext& ctx) {
    std::string bytes;
    if (auto error = ctx.fs.readFile(configPath(ctx), bytes)) {
        return {readFailure(*error)};
    }
    const ConfigFile config = parseConfig(bytes);
    if (config.gamePath.empty()) {
        ctx.state.GamePath.clear();
        return {Notice{kTitleTGEdit, configPath(ctx) + " names no Tollgrove folder"}};
    }
    ctx.state.GamePath = withTrailingSeparator(config.gamePath);
    return {};
}

Notices completeFirstStart(AppContext& ctx) {
    Notices notices;
    ensureFolder(ctx, projectsFolder(ctx), notices);
    if (ensureFolder(ctx, backupFolder(ctx.app.Path), notices)) {
        const Notices backup = Fill_Backup(ctx);
        notices.insert(notices.end(), backup.begin(), backup.end());
    }
    if (!notices.empty()) {
        // tgedit.cfg is what makes a start a later start: without a complete
        // backup the next start asks for the game folder again.
        return notices;
    }
    // The count starts at 1; bStartCounted stays false, so the next check in
    // this run raises it to 2.
    const ConfigFile config{ctx.state.GamePath, 1};
    if (auto error = ctx.fs.writeFileAtomic(configPath(ctx), configText(config))) {
        notices.push_back(writeFailure(*error));
    }
    return notices;
}

Notices Fill_Backup(AppContext& ctx) {
    Notices notices;
    if (ctx.state.GamePath.empty()) {
        // A damaged tgedit.cfg: copying from a relative path would read
        // whatever folder the program happens to run in.
        notices.push_back({kTitleTGEdit, "Cannot fill " + backupFolder(ctx.app.Path) +
                                             ": tgedit.cfg names no Tollgrove folder"});
        return notices;
    }
    for (std::string_view name : kScriptFiles) {
        const std::string target = backupScriptPath(ctx.app.Path, name);
        if (ctx.fs.pathExists(target)) {
            continue;
        }
        const std::string source = gameScriptPath(ctx.state.GamePath, name);
        if (auto error = ctx.fs.copyFileAtomic(source, target)) {
            notices.push_back(copyFailure(*error, source));
        }
    }
    return notices;
}

std::string gameFolderOf(std::string_view chosenFolder) {
    return withTrailingSeparator(std::string(chosenFolder));
}

bool isGameFolder(AppContext& ctx, const std::string& gameFolder) {
    return !gameFolder.empty() && ctx.fs.pathExists(gameFolder + std::string(kGameProgramFile));
}

}  // namespace tg
