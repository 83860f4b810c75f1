// A long editing life of one project: a thousand rounds of load, change,
// save and reload. Every round must read back what it wrote, the scripts must
// stay valid Lua (checked every hundredth round and at the end) and they must
// not grow: after the first save, which appends the one setting that had no
// line under a marker block, every later save rewrites lines in place.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "project/commands.h"
#include "reliability_support.h"
#include "scripts/script_files.h"
#include "test_support.h"

namespace tg {
namespace {

using test::EditStyle;

constexpr int kRounds = 1000;
constexpr int kRoundsPerSession = 20;  // a restart of the program clears the changed flags
constexpr int kLuaEvery = 100;

std::size_t countOf(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (auto pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) {
        ++n;
    }
    return n;
}

// "false;" is one byte longer than "true;": the flags the scripts hold.
std::size_t falseFlags(const SettingsModel& m, int file) {
    std::size_t n = 0;
    if (file == 0) {
        for (const BlockRecord& b : m.Blocks) {
            n += b.ownable ? 0 : 1;
        }
    } else if (file == 3) {
        n += m.Tweaks.citybusinessesownable ? 0 : 1;
        n += m.Tweaks.daysoff ? 0 : 1;
    }
    return n;
}

TEST(Soak, AThousandSavesKeepEveryScriptValidAndItsSizeStable) {
    test::DemoProject demo;
    // One setting without a line: the first save appends it under a marker.
    {
        const std::string path = demo.script("businesssettings.lua");
        std::string bytes = test::readBytes(path);
        const auto at = bytes.find("BusinessInfo[BAKERY].gasneed");
        ASSERT_NE(at, std::string::npos) << "the stand-in game changed; pick another line";
        bytes.erase(at, bytes.find("\r\n", at) + 2 - at);
        test::writeBytes(path, bytes);
    }
    std::mt19937 random(2024);

    // The first session changes every record once, so every setting line has
    // its written form and a fixed width from then on.
    auto ctx = std::make_unique<AppContext>(demo.app);
    ctx->state.ProjectPath = demo.project;
    ASSERT_TRUE(reloadProject(*ctx).empty());
    for (int kind = 0; kind < 4; ++kind) {
        const int count = kind == 0   ? kBlockCount
                          : kind == 1 ? kBusinessCount
                          : kind == 2 ? kCommodityCount
                                      : 1;
        for (int slot = 0; slot < count; ++slot) {
            test::editRecord(ctx->state, kind, slot, random, EditStyle::FixedWidth);
        }
    }
    ASSERT_TRUE(saveProject(*ctx).empty());
    ASSERT_TRUE(reloadProject(*ctx).empty());
    EXPECT_EQ(ctx->state.model.Businesses[1].gasneed, ctx->state.model.EditBusinesses[1].gasneed);
    // A second save rewrites the appended line in place; from then on it
    // looks like every other rewritten line (one blank behind the ";").
    ctx->state.bBusinessHasChanged = true;
    ASSERT_TRUE(saveProject(*ctx).empty());
    ASSERT_TRUE(reloadProject(*ctx).empty());

    std::size_t sizes[4];
    std::size_t falses[4];
    std::size_t lines[4];
    for (int f = 0; f < 4; ++f) {
        const std::string bytes = test::readBytes(demo.script(kScriptFiles[f]));
        sizes[f] = bytes.size();
        lines[f] = countOf(bytes, "\r\n");
        falses[f] = falseFlags(ctx->state.model, f);
        EXPECT_EQ(countOf(bytes, "-- Added by TG Edit"), f == 1 ? 1u : 0u) << kScriptFiles[f];
    }

    for (int round = 1; round <= kRounds; ++round) {
        if (round % kRoundsPerSession == 1) {
            ctx = std::make_unique<AppContext>(demo.app);
            ctx->state.ProjectPath = demo.project;
            ASSERT_TRUE(reloadProject(*ctx).empty()) << "round " << round;
        }
        test::editRandomRecords(ctx->state, 1 + round % 2, random, EditStyle::FixedWidth);
        const SettingsModel expected = test::expectedAfterSave(ctx->state);
        ASSERT_TRUE(saveProject(*ctx).empty()) << "round " << round;
        ASSERT_TRUE(reloadProject(*ctx).empty()) << "round " << round;

        const SettingsModel& m = ctx->state.model;
        ASSERT_TRUE(m.Blocks == expected.Blocks && m.Businesses == expected.Businesses &&
                    m.Commodities == expected.Commodities && m.Tweaks == expected.Tweaks)
            << "round " << round << ": "
            << test::firstDifference(test::settingsListing(expected), test::settingsListing(m));
        for (int f = 0; f < 4; ++f) {
            const auto path = demo.script(kScriptFiles[f]);
            const auto size = static_cast<std::size_t>(std::filesystem::file_size(path));
            ASSERT_EQ(size + falses[f], sizes[f] + falseFlags(m, f))
                << kScriptFiles[f] << " changed its size in round " << round;
        }
        if (round % kLuaEvery == 0 || round == kRounds) {
            for (int f = 0; f < 4; ++f) {
                const std::string bytes = test::readBytes(demo.script(kScriptFiles[f]));
                EXPECT_EQ(countOf(bytes, "\r\n"), lines[f]) << kScriptFiles[f];
                EXPECT_EQ(countOf(bytes, "-- Added by TG Edit"), f == 1 ? 1u : 0u);
            }
            ASSERT_EQ(
                test::firstDifference(test::settingsListing(m), test::luaListing(demo.project)), "")
                << "round " << round;
        }
    }
    EXPECT_TRUE(test::temporaryFilesBelow(demo.root.path()).empty());
}

}  // namespace
}  // namespace tg
