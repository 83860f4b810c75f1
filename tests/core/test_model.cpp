#include <gtest/gtest.h>

#include "model/editor_state.h"
#include "model/identifiers.h"

namespace tg {
namespace {

TEST(SlotLookup, FirstIdentifierInTableOrderWithExactCase) {
    EXPECT_EQ(blockSlotOf("Block[AIRPORT].value=100;"), 5);
    EXPECT_EQ(blockSlotOf("Block[airport].value=100;"), -1);
    EXPECT_EQ(blockSlotOf("nothing here"), -1);
    EXPECT_EQ(blockSlotOf("DOCK_2 DOCK_1"), 38);  // table order, not line order
    EXPECT_EQ(businessSlotOf("BusinessInfo[BAKERY]:AddCommodity(BREAD,50);"), 1);
    EXPECT_EQ(businessSlotOf("BusinessInfo[LANDSCAPE].density=1;"), 44);
    EXPECT_EQ(commoditySlotOf("Commodity[STAY_OVER].value=1;"), 31);
    EXPECT_EQ(tweaksSlotOf("Tweaks.daysoff=true;"), 0);
    EXPECT_EQ(tweaksSlotOf("tweaks.daysoff=true;"), -1);
}

TEST(SlotLookup, NoIdentifierContainsAnotherOfItsTable) {
    auto check = [](const auto& table) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            for (std::size_t j = 0; j < table.size(); ++j) {
                if (i != j) {
                    EXPECT_EQ(table[i].find(table[j]), std::string_view::npos)
                        << table[j] << " inside " << table[i];
                }
            }
        }
    };
    check(kBlockIdentifiers);
    check(kBusinessIdentifiers);
    check(kCommodityIdentifiers);
}

TEST(Model, ClearAndCopyKeepWorkingChangedFlags) {
    EditorState state;
    state.model.Blocks[5].value = 100;
    state.model.EditBlocks[5].changed = true;
    state.bDataHasChanged = true;
    state.CodeArray.push_back(CodeLine{"Block[AIRPORT].value = ", 0, "1;"});
    state.model.copyLoadedToWorking();
    EXPECT_EQ(state.model.EditBlocks[5].value, 100);
    EXPECT_TRUE(state.model.EditBlocks[5].changed);

    state.clearModel();
    EXPECT_EQ(state.model.Blocks[5], BlockRecord{});
    EXPECT_EQ(state.model.EditBlocks[5].value, 100);  // the working set is untouched
    EXPECT_FALSE(state.bDataHasChanged);
    EXPECT_EQ(state.CodeArray, emptyCodeArray());

    state.model.copyLoadedToWorking();
    EXPECT_EQ(state.model.EditBlocks[5].value, 0);
    EXPECT_TRUE(state.model.EditBlocks[5].changed);  // nothing clears a changed flag
}

TEST(Model, ResetCopiesSettingsButNotNamesOrFlags) {
    SettingsModel m;
    m.Businesses[1].density = 2.5;
    m.Businesses[1].commodities[0] = {"BREAD", 50};
    m.Businesses[1].code = "BAKERY";
    m.EditBusinesses[1].code = "OTHER";
    m.EditBusinesses[1].changed = true;
    m.resetBusiness(1);
    EXPECT_EQ(m.EditBusinesses[1].density, 2.5);
    EXPECT_EQ(m.EditBusinesses[1].commodities[0], (CommodityEntry{"BREAD", 50}));
    EXPECT_EQ(m.EditBusinesses[1].code, "OTHER");
    EXPECT_TRUE(m.EditBusinesses[1].changed);

    m.Tweaks.daysoff = true;
    m.EditTweaks.code = "Tweaks";
    m.resetTweaks();
    EXPECT_TRUE(m.EditTweaks.daysoff);
    EXPECT_EQ(m.EditTweaks.code, "Tweaks");
}

}  // namespace
}  // namespace tg
