// The stand-in game of demo/game: its scripts are real Lua holding every
// setting of the table of setting fields, with values the editors offer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>

#include "model/identifiers.h"
#include "model/setting_fields.h"
#include "run_command.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"

namespace tg {
namespace {

using test::runCommand;

const std::string kDataDir = std::string(TGEDIT_DATA_DIR) + "/";
const std::string kScriptsDir = std::string(TGEDIT_DEMO_GAME_DIR) + "/SCRIPTS/DEFAULT/";
const std::string kLuaDir = std::string(TGEDIT_SOURCE_DIR) + "/tests/lua/";

// Checks one line KIND CODE FIELD VALUE of what Lua sees against the table:
// the field is the table's, and its value one the editors offer and the
// writer's form keeps as it is. Returns "KIND CODE FIELD".
template <class Record>
std::string checkSetting(std::string_view kind, const std::string& code, const std::string& name,
                         const std::string& value) {
    const SettingField<Record>* field = fieldNamed<Record>(name);
    const std::string where = std::string(kind) + " " + code + " " + name;
    EXPECT_NE(field, nullptr) << where;
    if (field == nullptr || field->type == SettingType::Flag ||
        field->type == SettingType::BuildingRights || value == ":0") {
        return where;
    }
    if (field->type == SettingType::Membership) {
        EXPECT_NE(std::find(std::begin(kShoppingGroups), std::end(kShoppingGroups), value),
                  std::end(kShoppingGroups))
            << where << " " << value;
        return where;
    }
    const std::size_t colon = value.find(':');
    if (field->type == SettingType::Entry) {
        EXPECT_EQ(slotOfLine(kReadCommodities, value.substr(0, colon)) >= 0, true)
            << where << " " << value;
    }
    const double number = scanNumber(value.substr(colon + 1)).value;
    const auto [low, high] = field->offered.value_or(std::pair(-2147483647, 2147483647));
    EXPECT_TRUE(number >= low && number <= high) << where << " " << value;
    EXPECT_TRUE(field->choices.empty() ||
                std::count(field->choices.begin(), field->choices.end(), number) == 1)
        << where << " " << value;
    const double scale = field->form == WrittenForm::OneDecimal    ? 10
                         : field->form == WrittenForm::TwoDecimals ? 100
                         : field->form == WrittenForm::Shortest    ? 0
                                                                   : 1;
    EXPECT_LT(std::fabs(number * scale - std::round(number * scale)), 1e-6)
        << where << " " << value;
    return where;
}

template <class Record, std::size_t N>
void expectAll(std::set<std::string>& expected, std::string_view kind,
               const std::array<std::string_view, N>& codes) {
    for (std::string_view code : codes) {
        for (const SettingField<Record>& field : settingFields<Record>()) {
            expected.insert(std::string(kind) + " " + std::string(code) + " " +
                            std::string(field.name));
        }
    }
}

TEST(DemoGame, ScriptsSetEveryFieldOfTheTableWithValuesTheEditorsOffer) {
    const auto result =
        runCommand({TGEDIT_LUA, kLuaDir + "dump.lua", "--require-all", kScriptsDir, kDataDir});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::set<std::string> seen;
    std::istringstream lines(result.out);
    for (std::string kind, code, field, value; lines >> kind >> code >> field >> value;) {
        seen.insert(kind == "block"       ? checkSetting<BlockRecord>(kind, code, field, value)
                    : kind == "business"  ? checkSetting<BusinessRecord>(kind, code, field, value)
                    : kind == "commodity" ? checkSetting<CommodityRecord>(kind, code, field, value)
                                          : checkSetting<TweaksRecord>(kind, code, field, value));
    }
    std::set<std::string> expected;
    expectAll<BlockRecord>(expected, "block", kBlockIdentifiers);
    expectAll<BusinessRecord>(expected, "business", kBusinessIdentifiers);
    expectAll<CommodityRecord>(expected, "commodity", kCommodityIdentifiers);
    expectAll<TweaksRecord>(expected, "tweaks", std::array<std::string_view, 1>{"Tweaks"});
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace tg
