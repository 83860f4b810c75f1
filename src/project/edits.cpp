#include "project/edits.h"

#include <cstdint>
#include <utility>

#include "fs/file_system.h"
#include "project/startup.h"

namespace tg {

namespace {

// The one release of the game whose rail and utility tweaks must not be touched.
constexpr std::uintmax_t kIncompatibleProgramLength = 1486890;

// Copies the settings of `values` into `record`, keeping the record's names.
template <typename Record>
void takeSettings(Record& record, Record values) {
    values.displayName = std::move(record.displayName);
    values.code = std::move(record.code);
    values.changed = true;
    record = std::move(values);
}

}  // namespace

void storeBlock(EditorState& state, int slot, const BlockRecord& values) {
    takeSettings(state.model.EditBlocks.at(static_cast<std::size_t>(slot)), values);
    state.bBlockHasChanged = true;
    state.bDataHasChanged = true;
}

void storeBusiness(EditorState& state, int slot, const BusinessRecord& values) {
    takeSettings(state.model.EditBusinesses.at(static_cast<std::size_t>(slot)), values);
    state.bBusinessHasChanged = true;
    state.bDataHasChanged = true;
}

void storeCommodity(EditorState& state, int slot, const CommodityRecord& values) {
    takeSettings(state.model.EditCommodities.at(static_cast<std::size_t>(slot)), values);
    state.bCommodityHasChanged = true;
    state.bDataHasChanged = true;
}

void storeTweaks(EditorState& state, const TweaksRecord& values) {
    TweaksRecord& t = state.model.EditTweaks;
    std::string code = std::move(t.code);
    t = values;
    t.code = std::move(code);
    state.bCityHasChanged = true;
    state.bDataHasChanged = true;
}

void resetBlock(EditorState& state, int slot) {
    state.model.resetBlock(slot);
    state.bBlockHasChanged = true;
    state.bDataHasChanged = true;
}

void resetBusiness(EditorState& state, int slot) {
    state.model.resetBusiness(slot);
    state.bBusinessHasChanged = true;
    state.bDataHasChanged = true;
}

void resetCommodity(EditorState& state, int slot) {
    state.model.resetCommodity(slot);
    state.bCommodityHasChanged = true;
    state.bDataHasChanged = true;
}

void resetTweaks(EditorState& state) {
    state.model.resetTweaks();
    state.bCityHasChanged = true;
    state.bDataHasChanged = true;
}

bool gameVersionCompatible(FileSystem& fs, const std::string& gamePath) {
    const auto length = fs.fileSize(gamePath + std::string(kGameProgramFile));
    return !length || *length != kIncompatibleProgramLength;
}

}  // namespace tg
