#pragma once

// Helpers of the reliability tests (real Lua client, soak, fault injection):
// an editing session over the shipped data and a copy of the stand-in game,
// edits made as the editors make them, what a reload must give after a save,
// and the settings as the Lua harness tests/lua/dump.lua prints them.

#include <random>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "project/app_context.h"
#include "test_support.h"

namespace tg::test {

// An application folder with the shipped data files and a project holding
// the stand-in game's four scripts.
struct DemoProject {
    TempDir root;
    std::string app;      // root/app/
    std::string project;  // root/app/Projects/Demo/

    DemoProject();
    std::string script(std::string_view name) const { return project + std::string(name); }
};

// How the random edits choose values.
enum class EditStyle {
    // Anything the editors can hold, with up to three decimals so the
    // written forms round.
    Wide,
    // Values whose written form always has the same width (and the same
    // commodities and groups), so a rewritten line keeps its length except
    // for true/false.
    FixedWidth,
};

// Edits one record of the working set as its editor's Set button would:
// new values, changed, the kind's flag and bDataHasChanged. kind: 0 block,
// 1 business, 2 commodity, 3 tweaks.
void editRecord(EditorState& state, int kind, int slot, std::mt19937& random, EditStyle style);

// Edits count records of random kinds.
void editRandomRecords(EditorState& state, int count, std::mt19937& random, EditStyle style);

// What the loaded set must hold after state is saved and reloaded: every
// record that the save writes (changed, with its kind's flag raised) holds
// its working values in their written forms (two decimals, one decimal,
// shortest form; commodity entries with an amount moved to the front); the
// tweaks' difficulty values stay as loaded when bVersionCompatible is false;
// every other record stays as loaded.
SettingsModel expectedAfterSave(const EditorState& state);

// The loaded set in the form of tests/lua/dump.lua: KIND CODE FIELD VALUE,
// one per line.
std::string settingsListing(const SettingsModel& model);

// Runs lua5.4 tests/lua/dump.lua on the folder's scripts with the shipped
// code tables. On success returns the listing; otherwise records a test
// failure and returns what Lua printed on standard error.
std::string luaListing(const std::string& scriptFolder);

// The first line where two listings differ, for readable failures; empty
// when they are equal.
std::string firstDifference(const std::string& expected, const std::string& actual);

// Temporary files of atomic writes (".NAME.tgedit-*.tmp") anywhere below the
// folder.
std::vector<std::string> temporaryFilesBelow(const std::string& folder);

}  // namespace tg::test
