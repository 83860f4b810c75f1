#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/editor_state.h"
#include "model/identifiers.h"
#include "model/setting_fields.h"

namespace tg {
namespace {

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

// Each field of the table names its own member of the record (setting one
// leaves every other as it was), the writer's order runs 0 to n - 1, the heads
// spell the key, and the keys share one order of 33.
template <class Record>
void checkFields(std::size_t count, std::vector<std::string_view>& keys) {
    const auto fields = settingFields<Record>();
    ASSERT_EQ(fields.size(), count);
    std::vector<Record> alone;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const SettingField<Record>& f = fields[i];
        Record r{};
        setSettingNumber(r, f, 1);
        setSettingText(r, f, "X");
        EXPECT_FALSE(r == Record{}) << f.name;
        EXPECT_TRUE(std::find(alone.begin(), alone.end(), r) == alone.end()) << f.name;
        alone.push_back(r);
        EXPECT_EQ(fieldsInWriteOrder<Record>().at(static_cast<std::size_t>(f.writeOrder)), &f);
        const std::string key(f.key);
        EXPECT_TRUE(f.head == "." + key + " = " || f.head == ":" + key + "(") << f.head;
        EXPECT_EQ(f.tail, f.head.back() == '(' ? ");" : ";");
        keys.resize(std::max<std::size_t>(keys.size(), static_cast<std::size_t>(f.keyRank)));
        std::string_view& place = keys[static_cast<std::size_t>(f.keyRank - 1)];
        EXPECT_TRUE(place.empty() || place == f.key) << f.key;
        place = f.key;
    }
}

TEST(SettingFields, EachSettingOnceWithItsKeyHeadAndOrder) {
    std::vector<std::string_view> keys;
    checkFields<BlockRecord>(4, keys);
    checkFields<BusinessRecord>(22, keys);
    checkFields<CommodityRecord>(3, keys);
    checkFields<TweaksRecord>(10, keys);
    EXPECT_EQ(keys.size(), 33u);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), std::string_view()), 0);
    EXPECT_EQ(recordHead(RecordKind::Business, "BAKERY"), "BusinessInfo[BAKERY]");
    EXPECT_EQ(recordHead(RecordKind::Tweaks, "anything"), "Tweaks");
}

}  // namespace
}  // namespace tg
