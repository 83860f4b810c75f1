#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/notice.h"

namespace tg {

struct AppContext;

// The characters a project name may not hold, in the order they are tested.
inline constexpr std::string_view kForbiddenNameCharacters = "\\/:*?\"<>|";

// Messages of the project dialog.
// Forbidden character typed: critical icon, OK only, title "TG Edit". The
// second line is 26 blanks, then the nine characters separated by blanks.
inline constexpr std::string_view kForbiddenNameMessage =
    "A project name cannot contain any of the following characters:\r\n"
    "                          \\ / : * ? \" < > |";
// OK only, application title "TGEdit".
inline constexpr std::string_view kEmptyNameMessage = "Please enter a Project Name.";
inline constexpr std::string_view kProjectExistsMessage =
    "This Project already exists, please choose another name.";
inline constexpr std::string_view kInvalidProjectPathMessage = "Invalid Project Path.";
// A name starting with a dot ("." and ".." among them) would name the folder
// itself, its parent or a hidden entry; OK only, application title.
inline constexpr std::string_view kDotNameMessage = "A project name cannot begin with a dot.";

// The marker text of the template tge.prj that makes the first open refresh
// the project's hub.lua from Backup.
inline constexpr std::string_view kFreshMarkerText = "DO NOT DELETE THIS FILE.";

// The name box's cleaning, one kind of character per pass: the first
// forbidden character (in the order above) that the name holds, if any. The
// pass removes it with removeCharacter (scripts/text_ops.h).
std::optional<char> firstForbiddenCharacter(std::string_view name);

// Every forbidden character the name holds, once each, in test order.
std::string forbiddenCharactersIn(std::string_view name);

// Whether the name holds a control character (below blank, or DEL), which no
// folder name should carry; tgedit-cli refuses such a name before the rest.
bool holdsControlCharacter(std::string_view name);

// The refusal of a new project's name inside parentFolder, in the order the
// dialog checks: empty, a forbidden character, a leading dot, a file or
// folder of that name already there. Nothing when the name can be used.
std::optional<Notice> projectNameRefusal(AppContext& ctx, const std::string& parentFolder,
                                         const std::string& name);

// The outcome of creating or opening a project: on success ProjectPath is set;
// on failure it is unchanged and notices say why. refused tells a refused
// name or folder (the dialog's own messages) from file work that failed.
struct ProjectOutcome {
    bool ok = false;
    Notices notices;
    bool refused = false;
};

// New project named `name` inside parentFolder, made from Backup and the
// template tge.prj. Refuses an empty name, a name with a forbidden character
// or a leading dot, and a name that already exists there (file or folder);
// reports a failed folder or copy. A failed copy stops before the marker is
// copied, so the half-made folder is never taken for a project.
ProjectOutcome createProject(AppContext& ctx, const std::string& parentFolder,
                             const std::string& name);

// Opens the project in folder: refuses a folder without tgedit.prj; refreshes
// hub.lua from Backup once for a marker that still reads "DO NOT DELETE THIS
// FILE."; raises the open count and rewrites the marker. A failed refresh or
// marker write leaves the project unopened.
ProjectOutcome openProject(AppContext& ctx, const std::string& folder);

}  // namespace tg
