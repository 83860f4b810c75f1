// Folder names beyond ASCII, and saves over scripts that are already there:
// what the file layer hands to the system's own calls (UTF-16 names and a
// replacing move on Windows, the same bytes and rename elsewhere).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fs/native_paths.h"
#include "fs/paths.h"
#include "project/app_context.h"
#include "project/commands.h"
#include "project/edits.h"
#include "project/projects.h"
#include "test_support.h"

namespace tg {
namespace {

TEST(NativePaths, AProjectUnderNamesBeyondAsciiIsMadeOpenedAndSavedTwice) {
    test::TempDir root;
    const std::string app = root / "Zürich Café/";
    std::filesystem::create_directories(nativePath(app + "Backup"));
    test::copyDataFiles(app);
    test::copyDemoScripts(app + "Backup");
    AppContext ctx(app);
    ASSERT_EQ(ctx.fs.createFolder(ctx.app.Path + "Projects"), std::nullopt);
    ASSERT_TRUE(createProject(ctx, ctx.app.Path + "Projects", "Straße").ok);
    ASSERT_TRUE(openProject(ctx, ctx.state.ProjectPath).ok);
    ASSERT_EQ(reloadProject(ctx), Notices{});
    for (const std::int16_t value : {std::int16_t{150}, std::int16_t{151}}) {
        BlockRecord airport = ctx.state.model.EditBlocks[5];
        airport.value = value;
        storeBlock(ctx.state, 5, airport);
        ASSERT_EQ(saveProject(ctx), Notices{});
        ASSERT_EQ(reloadProject(ctx), Notices{});
        EXPECT_EQ(ctx.state.model.Blocks[5].value, value);
    }
    EXPECT_EQ(
        test::listFolder(ctx.state.ProjectPath),
        "blocksettings.lua\nbusinesssettings.lua\ncommoditysettings.lua\nhub.lua\ntgedit.prj\n");
    EXPECT_EQ(lastPathPart(ctx.state.ProjectPath), "Straße");
}

}  // namespace
}  // namespace tg
