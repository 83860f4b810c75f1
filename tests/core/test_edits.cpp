// Storing and resetting one record (the editors' Set and Reset buttons and
// tgedit-cli set), and the game-version rule.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>

#include "fs/file_system.h"
#include "project/edits.h"
#include "test_support.h"

namespace tg {
namespace {

// The five change flags: block, business, city, commodity, data.
using Flags = std::array<bool, 5>;

Flags flagsOf(const EditorState& s) {
    return {s.bBlockHasChanged, s.bBusinessHasChanged, s.bCityHasChanged, s.bCommodityHasChanged,
            s.bDataHasChanged};
}

// One kind of record: slot 3 of its sets (the tweaks have one record), how
// Set and Reset reach it, and the change flags they raise.
template <typename Record>
struct Kind {
    std::function<Record&(SettingsModel&)> loaded;
    std::function<Record&(SettingsModel&)> working;
    std::function<void(EditorState&, const Record&)> store;
    std::function<void(EditorState&)> reset;
    Flags raised;
};

// What Set keeps of the stored record (its names) and the mark it adds; the
// tweaks have only their code and no mark of their own.
template <typename Record>
Record asStored(Record typed, const Record& before) {
    typed.displayName = before.displayName;
    typed.code = before.code;
    typed.changed = true;
    return typed;
}
TweaksRecord asStored(TweaksRecord typed, const TweaksRecord& before) {
    typed.code = before.code;
    return typed;
}

// Set stores every setting of `typed` but keeps the record's names, marks it
// changed and raises the kind's flags; Reset brings back the loaded
// settings, keeps the mark and raises the flags again.
template <typename Record>
void storeThenReset(const Kind<Record>& kind, const Record& loadedValues, const Record& typed) {
    EditorState state;
    kind.loaded(state.model) = loadedValues;
    state.model.copyLoadedToWorking();
    const Record& record = kind.working(state.model);

    kind.store(state, typed);
    EXPECT_EQ(flagsOf(state), kind.raised);
    const Record stored = asStored(typed, loadedValues);
    EXPECT_EQ(record, stored);

    state.clearModel();  // lowers the flags; the working set stays
    kind.loaded(state.model) = loadedValues;
    kind.reset(state);
    EXPECT_EQ(flagsOf(state), kind.raised);
    EXPECT_EQ(record, asStored(loadedValues, loadedValues));  // the mark stays
}

TEST(Edits, SetStoresAndMarksResetBringsBackTheLoadedValues) {
    const Kind<BlockRecord> blocks{
        [](SettingsModel& m) -> BlockRecord& { return m.Blocks[3]; },
        [](SettingsModel& m) -> BlockRecord& { return m.EditBlocks[3]; },
        [](EditorState& s, const BlockRecord& r) { storeBlock(s, 3, r); },
        [](EditorState& s) { resetBlock(s, 3); },
        {true, false, false, false, true}};
    storeThenReset(blocks, {"Bus Taxi", true, "BUS_TAXI", false, true, 1.5, 300},
                   {"typed name", false, "TYPED", false, false, -2.25, -32768});

    BusinessRecord bakery;
    bakery.displayName = "Bakery";
    bakery.code = "BAKERY";
    bakery.commodities[0] = {"BREAD", 80};
    bakery.density = 0.5;
    BusinessRecord typedBusiness = bakery;
    typedBusiness.displayName = "typed";
    typedBusiness.code = "TYPED";
    typedBusiness.commodities[0] = {};
    typedBusiness.commodities[5] = {"MEAT", 100};
    typedBusiness.maxside = 7;
    typedBusiness.waterneed = 12.5;
    storeThenReset(Kind<BusinessRecord>{
                       [](SettingsModel& m) -> BusinessRecord& { return m.Businesses[3]; },
                       [](SettingsModel& m) -> BusinessRecord& { return m.EditBusinesses[3]; },
                       [](EditorState& s, const BusinessRecord& r) { storeBusiness(s, 3, r); },
                       [](EditorState& s) { resetBusiness(s, 3); },
                       {false, true, false, false, true}},
                   bakery, typedBusiness);

    storeThenReset(Kind<CommodityRecord>{
                       [](SettingsModel& m) -> CommodityRecord& { return m.Commodities[3]; },
                       [](SettingsModel& m) -> CommodityRecord& { return m.EditCommodities[3]; },
                       [](EditorState& s, const CommodityRecord& r) { storeCommodity(s, 3, r); },
                       [](EditorState& s) { resetCommodity(s, 3); },
                       {false, false, false, true, true}},
                   {"BREAD", "Bread", false, 1.3, "MAINSHOPPING", 6.5},
                   {"TYPED", "typed", false, 2.75, "STAYOVERSHOPPING", 0});

    storeThenReset(
        Kind<TweaksRecord>{[](SettingsModel& m) -> TweaksRecord& { return m.Tweaks; },
                           [](SettingsModel& m) -> TweaksRecord& { return m.EditTweaks; },
                           [](EditorState& s, const TweaksRecord& r) { storeTweaks(s, r); },
                           [](EditorState& s) { resetTweaks(s); },
                           {false, false, true, false, true}},
        {720, true, "Tweaks", 5000, 2500, 3500, false, 2, 1.5, 0.8, 1.0},
        {1, false, "typed", 2, 3, 4, true, 5, 6.5, 7.5, 8.5});
}

TEST(Edits, OnlyTheIncompatibleReleaseLocksTheRailTweaks) {
    struct Case {
        long long length;  // of mc.exe; -1: no mc.exe at all
        bool compatible;
    };
    const Case cases[] = {
        {1486889, true}, {1486890, false}, {1486891, true}, {0, true}, {-1, true}};
    for (const Case& c : cases) {
        test::TempDir game;
        if (c.length >= 0) {
            test::writeBytes(game / "mc.exe", std::string(static_cast<std::size_t>(c.length), 'x'));
        }
        EXPECT_EQ(gameVersionCompatible(realFileSystem(), game.path()), c.compatible) << c.length;
    }
}

}  // namespace
}  // namespace tg
