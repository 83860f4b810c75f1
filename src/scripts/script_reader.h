#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor_state.h"
#include "model/notice.h"
#include "model/settings_model.h"

namespace tg {

class FileSystem;

// The first setting key the line holds (tested in the fixed key order,
// letter case ignored, comment included), or empty.
std::string_view keyOfLine(std::string_view line);

// Reads the script of one reader kind (0 to 3) from the project folder into
// the loaded set. A failure stops that script at the failing line; the values
// stored before it stay. The failure comes back as a notice (application
// title) naming the script, the line number and the cause.
std::optional<Notice> readScript(FileSystem& fs, const std::string& projectPath, int kind,
                                 SettingsModel& model);

// A line the reader stops at, or a script it cannot read at all (line 0;
// the reason is then the system's).
struct ScriptProblem {
    std::string path;
    std::size_t line = 0;
    std::string reason;

    bool operator==(const ScriptProblem&) const = default;
};

// Reads the script as readScript does, but goes on after a failing line:
// every line that would stop readScript, in line order.
std::vector<ScriptProblem> checkScript(FileSystem& fs, const std::string& projectPath, int kind,
                                       SettingsModel& model);

// Every problem of a folder's four scripts, with each kind's code tables read
// first from appPath as the load does, so lines are matched as the load
// matches them. Problems come in the order of the files (blocksettings.lua,
// businesssettings.lua, commoditysettings.lua, hub.lua); tableNotices holds
// the code tables that could not be read. Nothing outside is changed.
struct ProjectCheck {
    Notices tableNotices;
    std::vector<ScriptProblem> problems;
};
ProjectCheck checkProjectScripts(FileSystem& fs, const std::string& appPath,
                                 const std::string& projectPath);

// The model's load sequence: Clear model, then block, business, tweaks and
// commodity data (each kind's code tables, then its script), then Copy loaded
// to working. Returns every notice in the order it arose; the load always
// goes on to the end.
Notices loadProjectModel(FileSystem& fs, const std::string& appPath, EditorState& state);

}  // namespace tg
