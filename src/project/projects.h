#pragma once

#include <string>
#include <string_view>

#include "model/notice.h"

namespace tg {

struct AppContext;

// The characters a project name may not hold, in the order they are tested.
inline constexpr std::string_view kForbiddenNameCharacters = "\\/:*?\"<>|";

// The outcome of creating or opening a project: on success ProjectPath is set.
struct ProjectOutcome {
    bool ok = false;
    Notices notices;
};

// New project named `name` inside parentFolder (ending in the separator),
// made from Backup and the template tge.prj. Refuses an empty name and a name
// that already exists there; reports a failed folder or copy.
ProjectOutcome createProject(AppContext& ctx, const std::string& parentFolder,
                             const std::string& name);

// Opens the project in folder (ending in the separator): refuses a folder
// without tgedit.prj; refreshes hub.lua from Backup once for a marker that
// still reads "DO NOT DELETE THIS FILE."; raises the open count and rewrites
// the marker.
ProjectOutcome openProject(AppContext& ctx, const std::string& folder);

}  // namespace tg
