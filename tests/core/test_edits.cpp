// Storing and resetting one record (the editors' Set and Reset buttons and
// tgedit-cli set). The game-version rule: tests/data/cli/set.txt.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <type_traits>

#include "project/edits.h"

namespace tg {
namespace {

// The five change flags: block, business, city, commodity, data.
using Flags = std::array<bool, 5>;

// What Set keeps of the record it stores into (its names) and the mark it
// adds; the tweaks have only their code and no mark of their own.
template <typename Record>
Record asStored(Record typed, const Record& before) {
    typed.code = before.code;
    if constexpr (!std::is_same_v<Record, TweaksRecord>) {
        typed.displayName = before.displayName;
        typed.changed = true;
    }
    return typed;
}

// Set stores every setting of `typed` into the working record but keeps its
// names, marks it changed and raises the kind's flag with bDataHasChanged;
// Reset brings back the loaded settings, keeps the mark and raises the
// flags again.
template <typename Record, typename Store, typename Reset>
void storeThenReset(EditorState& s, const Record& loaded, const Record& working, Store store,
                    Reset reset, Flags raised, const Record& typed) {
    const auto takeFlags = [&s] {  // the five flags, lowered again
        const Flags flags{s.bBlockHasChanged, s.bBusinessHasChanged, s.bCityHasChanged,
                          s.bCommodityHasChanged, s.bDataHasChanged};
        s.bBlockHasChanged = s.bBusinessHasChanged = s.bCityHasChanged = s.bCommodityHasChanged =
            s.bDataHasChanged = false;
        return flags;
    };
    s.model.copyLoadedToWorking();
    takeFlags();
    store(typed);
    EXPECT_EQ(takeFlags(), raised);
    EXPECT_EQ(working, asStored(typed, loaded));
    reset();
    EXPECT_EQ(takeFlags(), raised);
    EXPECT_EQ(working, asStored(loaded, loaded));  // the mark stays
}

TEST(Edits, SetStoresAndMarksResetBringsBackTheLoadedValues) {
    EditorState s;
    s.model.Blocks[3] = {"Bus Taxi", true, "BUS_TAXI", false, true, 1.5, 300};
    storeThenReset(
        s, s.model.Blocks[3], s.model.EditBlocks[3],
        [&](const BlockRecord& r) { storeBlock(s, 3, r); }, [&] { resetBlock(s, 3); },
        {true, false, false, false, true}, {"typed", false, "TYPED", false, false, -2.25, -32768});

    BusinessRecord& bakery = s.model.Businesses[3];
    bakery.displayName = "Bakery";
    bakery.code = "BAKERY";
    bakery.commodities[0] = {"BREAD", 80};
    BusinessRecord typed = bakery;
    typed.code = "TYPED";
    typed.commodities = {{{}, {}, {}, {}, {}, {"MEAT", 100}}};
    typed.waterneed = 12.5;
    storeThenReset(
        s, bakery, s.model.EditBusinesses[3],
        [&](const BusinessRecord& r) { storeBusiness(s, 3, r); }, [&] { resetBusiness(s, 3); },
        {false, true, false, false, true}, typed);

    s.model.Commodities[3] = {"BREAD", "Bread", false, 1.3, "MAINSHOPPING", 6.5};
    storeThenReset(
        s, s.model.Commodities[3], s.model.EditCommodities[3],
        [&](const CommodityRecord& r) { storeCommodity(s, 3, r); }, [&] { resetCommodity(s, 3); },
        {false, false, false, true, true}, {"TYPED", "typed", false, 2.75, "STAYOVERSHOPPING", 0});

    s.model.Tweaks = {720, true, "Tweaks", 5000, 2500, 3500, false, 2, 1.5, 0.8, 1.0};
    storeThenReset(
        s, s.model.Tweaks, s.model.EditTweaks, [&](const TweaksRecord& r) { storeTweaks(s, r); },
        [&] { resetTweaks(s); }, {false, false, true, false, true},
        {1, false, "typed", 2, 3, 4, true, 5, 6.5, 7.5, 8.5});
}

}  // namespace
}  // namespace tg
