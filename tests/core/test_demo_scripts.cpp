// The stand-in game of demo/game: its scripts are real Lua holding every
// setting (dump.lua --require-all fails on a missing one; the show table's
// Lua line holds its fields to the program's), with values the editors offer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

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
// writer's form keeps as it is.
template <class Record>
void checkSetting(std::string_view kind, const std::string& code, const std::string& name,
                  const std::string& value) {
    const SettingField<Record>* field = fieldNamed<Record>(name);
    const std::string where = std::string(kind) + " " + code + " " + name;
    EXPECT_NE(field, nullptr) << where;
    if (field == nullptr || field->type == SettingType::Flag ||
        field->type == SettingType::BuildingRights || value == ":0") {
        return;
    }
    if (field->type == SettingType::Membership) {
        EXPECT_NE(std::find(std::begin(kShoppingGroups), std::end(kShoppingGroups), value),
                  std::end(kShoppingGroups))
            << where << " " << value;
        return;
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
}

TEST(DemoGame, ScriptsSetEveryFieldOfTheTableWithValuesTheEditorsOffer) {
    const auto result =
        runCommand({TGEDIT_LUA, kLuaDir + "dump.lua", "--require-all", kScriptsDir, kDataDir});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::istringstream lines(result.out);
    for (std::string kind, code, field, value; lines >> kind >> code >> field >> value;) {
        kind == "block"       ? checkSetting<BlockRecord>(kind, code, field, value)
        : kind == "business"  ? checkSetting<BusinessRecord>(kind, code, field, value)
        : kind == "commodity" ? checkSetting<CommodityRecord>(kind, code, field, value)
                              : checkSetting<TweaksRecord>(kind, code, field, value);
    }
}

}  // namespace
}  // namespace tg
