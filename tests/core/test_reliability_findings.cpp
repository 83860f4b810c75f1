// Faults the reliability checks (fuzzing, round trips) found in the reader
// and writer, each kept as a test so that it stays fixed.

#include <gtest/gtest.h>

#include "fs/file_system.h"
#include "model/identifiers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"
#include "test_support.h"

namespace tg {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

// A call line that the reader passes by (its identifier is in other letter
// case) and that has code with a "=" behind it. The save takes the line,
// writes the identifier as the model has it and keeps the code behind the
// call. The reader then takes the line and refuses it, because the first "="
// after the key stands behind the ";": the script that loaded without a
// message before the save stops loading at that line after it, and every
// setting below it loads as zero.
TEST(SaveKeepsAScriptReadable, CodeWithAnEqualsSignBehindACallLine) {
    TempDir project;
    const std::string path = project / "commoditysettings.lua";
    writeBytes(path,
               "Commodity[fastfood]:Membership(NONE); x = 1;\r\n"
               "Commodity[MEAT].value = 10.00;\r\n");
    for (std::string_view name : {"blocksettings.lua", "businesssettings.lua", "hub.lua"}) {
        writeBytes(project / name, "");
    }
    EditorState state;
    state.ProjectPath = project.path();
    for (int i = 0; i < kCommodityCount; ++i) {
        state.model.Commodities[i].code = std::string(kCommodityIdentifiers[i]);
    }
    ASSERT_FALSE(readScript(realFileSystem(), state.ProjectPath, kReadCommodities, state.model));
    ASSERT_EQ(state.model.Commodities[0].value, 10.0);

    state.model.copyLoadedToWorking();
    CommodityRecord& fastfood = state.model.EditCommodities[9];
    ASSERT_EQ(fastfood.code, "FASTFOOD");
    fastfood.membership = "MAINSHOPPING";
    fastfood.changed = true;
    state.bCommodityHasChanged = true;
    ASSERT_TRUE(Save_Project(realFileSystem(), state, "1.0.0.1").empty());

    SettingsModel reread;
    reread.Commodities = state.model.Commodities;
    for (CommodityRecord& c : reread.Commodities) {
        c.value = 0.0;
        c.membership.clear();
    }
    const auto notice = readScript(realFileSystem(), state.ProjectPath, kReadCommodities, reread);
    EXPECT_FALSE(notice) << notice->text << "\nsaved script:\n" << readBytes(path);
    EXPECT_EQ(reread.Commodities[0].value, 10.0);
    EXPECT_EQ(reread.Commodities[9].membership, "MAINSHOPPING");
}

}  // namespace
}  // namespace tg
