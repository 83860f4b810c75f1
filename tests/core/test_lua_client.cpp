// The game's own interpreter as the judge of a save: a copy of the stand-in
// game is edited in every kind of record, saved, and run by lua5.4 through
// tests/lua/dump.lua. What Lua computes must be what the editor reads back
// after the save, and that must be what was set, in its written form.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "project/commands.h"
#include "reliability_support.h"
#include "test_support.h"

namespace tg {
namespace {

using test::DemoProject;
using test::EditStyle;

class LuaClient : public ::testing::TestWithParam<bool> {};

TEST_P(LuaClient, SavedScriptsRunInLuaWithTheValuesTheEditorHolds) {
    DemoProject demo;
    AppContext ctx(demo.app);
    ctx.state.ProjectPath = demo.project;
    ASSERT_TRUE(reloadProject(ctx).empty());
    ctx.state.bVersionCompatible = GetParam();

    // Lua agrees with the editor on the untouched game before anything else.
    ASSERT_EQ(test::firstDifference(test::settingsListing(ctx.state.model),
                                    test::luaListing(demo.project)),
              "");

    // Every second block, business and commodity, and the tweaks.
    std::mt19937 random(GetParam() ? 11 : 12);
    for (int i = 0; i < kBlockCount; i += 2) {
        test::editRecord(ctx.state, 0, i, random, EditStyle::Wide);
    }
    for (int i = 1; i < kBusinessCount; i += 2) {
        test::editRecord(ctx.state, 1, i, random, EditStyle::Wide);
    }
    for (int i = 0; i < kCommodityCount; i += 2) {
        test::editRecord(ctx.state, 2, i, random, EditStyle::Wide);
    }
    test::editRecord(ctx.state, 3, 0, random, EditStyle::Wide);
    const SettingsModel expected = test::expectedAfterSave(ctx.state);

    ASSERT_TRUE(saveProject(ctx).empty());
    ASSERT_TRUE(reloadProject(ctx).empty());
    const std::string editor = test::settingsListing(ctx.state.model);
    EXPECT_EQ(test::firstDifference(test::settingsListing(expected), editor), "")
        << "the editor reads back something other than what was written";
    EXPECT_EQ(test::firstDifference(editor, test::luaListing(demo.project)), "")
        << "Lua computes something other than what the editor holds";

    // The difficulty tweaks of an old game keep the game's own values.
    if (!GetParam()) {
        EXPECT_EQ(ctx.state.model.Tweaks.dailyfreightEASY, 5000);
        EXPECT_EQ(ctx.state.model.Tweaks.railutilincomeHARD, 0.8);
    }
}

INSTANTIATE_TEST_SUITE_P(GameVersions, LuaClient, ::testing::Values(true, false),
                         [](const auto& param) {
                             return param.param ? std::string("Compatible")
                                                : std::string("OldVersion");
                         });

}  // namespace
}  // namespace tg
