#pragma once

#include <string>

#include "model/editor_state.h"
#include "model/records.h"

namespace tg {

class FileSystem;

// Storing and resetting one record of the working set: what the editors' Set
// and Reset buttons do, and what tgedit-cli set does. Each raises its kind's
// change flag and bDataHasChanged.

// Set: the record's settings take the values of `values` (its displayName and
// code stay) and the record is marked changed.
void storeBlock(EditorState& state, int slot, const BlockRecord& values);
void storeBusiness(EditorState& state, int slot, const BusinessRecord& values);
void storeCommodity(EditorState& state, int slot, const CommodityRecord& values);
// The tweaks have no changed flag of their own: bCityHasChanged stands for it.
void storeTweaks(EditorState& state, const TweaksRecord& values);

// Reset: the record's settings go back to the loaded set's.
void resetBlock(EditorState& state, int slot);
void resetBusiness(EditorState& state, int slot);
void resetCommodity(EditorState& state, int slot);
void resetTweaks(EditorState& state);

// The game-version rule: false exactly when the game folder's mc.exe is
// 1486890 bytes long (the release that does not take the rail and utility
// tweaks). A program file that cannot be measured counts as compatible.
bool gameVersionCompatible(FileSystem& fs, const std::string& gamePath);

}  // namespace tg
