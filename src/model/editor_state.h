#pragma once

#include <cstdint>
#include <string>

#include "model/code_line.h"
#include "model/settings_model.h"

namespace tg {

// Everything the program keeps for its whole run: the two sets of settings,
// the writer's list of lines, the change flags and the two folders. One
// instance is created at start-up and passed by reference; it outlives every
// window, so a changed flag set under one project is still set under the next.
struct EditorState {
    SettingsModel model;
    CodeLineList CodeArray = emptyCodeArray();

    // Change flags: an editor's Set or Reset raises its kind's flag and
    // bDataHasChanged; Clear model lowers all five.
    bool bBlockHasChanged = false;
    bool bBusinessHasChanged = false;
    bool bCityHasChanged = false;
    bool bCommodityHasChanged = false;
    bool bDataHasChanged = false;

    // False exactly when the game's mc.exe is 1486890 bytes long; then the
    // rail and utility tweaks are locked and never written.
    bool bVersionCompatible = true;

    // The block slot last double-clicked on the map.
    std::int16_t CurrentBlock = 0;

    // The game folder and the open project's folder, both ending in the
    // path separator (or empty).
    std::string GamePath;
    std::string ProjectPath;

    // Set once the start count in tgedit.cfg was raised in this run.
    bool bStartCounted = false;

    // Clear model: empties the loaded set and the writer's list and lowers
    // the five change flags. The working set is not touched.
    void clearModel() {
        model.clearLoaded();
        CodeArray = emptyCodeArray();
        bBlockHasChanged = false;
        bBusinessHasChanged = false;
        bCityHasChanged = false;
        bCommodityHasChanged = false;
        bDataHasChanged = false;
    }
};

}  // namespace tg
