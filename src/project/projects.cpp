#include "project/projects.h"

#include <cstdint>
#include <limits>

#include "fs/paths.h"
#include "project/app_context.h"
#include "project/file_notices.h"
#include "project/small_files.h"
#include "scripts/script_files.h"

namespace tg {

namespace {

constexpr std::string_view kMarkerFile = "tgedit.prj";

ProjectOutcome refused(const char* title, std::string_view text) {
    return {false, {Notice{title, std::string(text)}}, true};
}

ProjectOutcome failed(Notice notice) {
    return {false, {std::move(notice)}};
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string forbiddenCharactersIn(std::string_view name) {
    std::string found;
    for (char c : kForbiddenNameCharacters) {
        if (name.find(c) != std::string_view::npos) {
            found.push_back(c);
        }
    }
    return found;
}

std::optional<char> firstForbiddenCharacter(std::string_view name) {
    const std::string found = forbiddenCharactersIn(name);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
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

std::optional<Notice> projectNameRefusal(AppContext& ctx, const std::string& parentFolder,
                                         const std::string& name) {
    if (name.empty()) {
        return Notice{kApplicationTitle, std::string(kEmptyNameMessage)};
    }
    if (firstForbiddenCharacter(name)) {
        return Notice{kTitleTGEdit, std::string(kForbiddenNameMessage)};
    }
    if (name.front() == '.') {
        return Notice{kApplicationTitle, std::string(kDotNameMessage)};
    }
    if (ctx.fs.pathExists(withTrailingSeparator(parentFolder) + name)) {
        return Notice{kApplicationTitle, std::string(kProjectExistsMessage)};
    }
    return std::nullopt;
}

ProjectOutcome createProject(AppContext& ctx, const std::string& parentFolder,
                             const std::string& name) {
    if (auto refusal = projectNameRefusal(ctx, parentFolder, name)) {
        return {false, {std::move(*refusal)}, true};
    }
    const std::string parent = withTrailingSeparator(parentFolder);
    const std::string folder = parent + name + kPathSeparator;
    if (auto error = ctx.fs.createFolder(folder)) {
        return failed(folderFailure(*error));
    }
    for (std::string_view script : kScriptFiles) {
        const std::string source = backupScriptPath(ctx.app.Path, script);
        if (auto error = ctx.fs.copyFileAtomic(source, folder + std::string(script))) {
            return failed(copyFailure(*error, source));
        }
    }
    // The marker goes last: a folder is a project only once it is there.
    const std::string source = projectTemplatePath(ctx.app.ShippedPath);
    if (auto error = ctx.fs.copyFileAtomic(source, folder + std::string(kMarkerFile))) {
        return failed(copyFailure(*error, source));
    }
    ctx.state.ProjectPath = folder;
    return {true, {}};
}

ProjectOutcome openProject(AppContext& ctx, const std::string& folder) {
    const std::string project = withTrailingSeparator(folder);
    const std::string markerPath = project + std::string(kMarkerFile);
    if (project.empty() || !ctx.fs.pathExists(markerPath)) {
        return refused(kApplicationTitle, kInvalidProjectPathMessage);
    }
    std::string bytes;
    if (auto error = ctx.fs.readFile(markerPath, bytes)) {
        return failed(readFailure(*error));
    }
    const MarkerFile marker = parseMarker(bytes);

    if (trimBlanks(marker.text) == kFreshMarkerText) {
        // A project not opened before takes the untouched hub.lua. When that
        // copy fails the marker is left as it is and the project is not
        // opened, so no edit is ever made to a hub.lua that a later open
        // would replace.
        const std::string source = backupScriptPath(ctx.app.Path, "hub.lua");
        if (auto error = ctx.fs.copyFileAtomic(source, project + "hub.lua")) {
            return failed(copyFailure(*error, source));
        }
    }

    const auto openCount = static_cast<std::int16_t>(
        raisedCount(marker.openCount, std::numeric_limits<std::int16_t>::min(),
                    std::numeric_limits<std::int16_t>::max()));
    if (auto error = ctx.fs.writeFileAtomic(markerPath, markerText(ctx.app.Version, openCount))) {
        return failed(writeFailure(*error));
    }
    ctx.state.ProjectPath = project;
    return {true, {}};
}

}  // namespace tg
