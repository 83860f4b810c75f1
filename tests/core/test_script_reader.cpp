#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "fs/file_system.h"
#include "model/identifiers.h"
#include "scripts/code_tables.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "test_support.h"

namespace tg {
namespace {

using test::TempDir;
using test::writeBytes;

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::copyDataFiles(app.path());
        for (std::string_view name : kScriptFiles) {
            writeBytes(project / name, "");
        }
        state.ProjectPath = project.path();
    }

    Notices load() { return loadProjectModel(realFileSystem(), app.path(), state); }

    TempDir app;
    TempDir project;
    EditorState state;
};

// Each row of tests/data/reader_lines.txt: the key of a line, the slot of a
// line's code, or the cause a line gives when the reading stops at it.
TEST_F(ReaderTest, SingleLinesAsTheTableSays) {
    std::istringstream rows(
        test::readBytes(std::string(TGEDIT_TEST_DATA_DIR) + "/reader_lines.txt"));
    SettingsModel codes;
    readCodeTable(realFileSystem(), app.path(), "blk_code.txt", kBlockCount, codes);
    readCodeTable(realFileSystem(), app.path(), "biz_code.txt", kBusinessCount, codes);
    readCodeTable(realFileSystem(), app.path(), "com_code.txt", kCommodityCount, codes);
    int count = 0;
    for (std::string row; std::getline(rows, row); count += row.starts_with("#") ? 0 : 1) {
        std::vector<std::string> cell;
        std::istringstream cells(row);
        for (std::string text; std::getline(cells, text, '\t');) {
            cell.push_back(text);
        }
        cell.resize(4);
        int kind = 0;
        while (kind < 4 && scriptFileOfKind(kind) != cell[1]) {
            ++kind;
        }
        std::istringstream words(cell[1]);
        const std::vector<std::string> keys{std::istream_iterator<std::string>(words), {}};
        if (cell[0] == "order") {  // each key alone, in any letter case, and before every later one
            ASSERT_EQ(keys.size(), 33u);
            for (std::size_t k = 0; k < keys.size(); ++k) {
                EXPECT_EQ(keyOfLine("x." + test::lowered(keys[k]) + " = 1;"), keys[k]);
                for (std::size_t later = k + 1; later < keys.size() && keys[k] != "ownable";
                     ++later) {
                    EXPECT_EQ(keyOfLine(keys[later] + " -- " + keys[k]), keys[k]) << keys[later];
                }
            }
        } else if (cell[0] == "key") {
            EXPECT_EQ(keyOfLine(cell[1]), cell[2]) << row;
        } else if (cell[0] == "slot") {
            EXPECT_EQ(slotOfLine(kind, cell[2]), std::stoi(cell[3])) << row;
        } else if (cell[0] == "fail") {
            writeBytes(project / cell[1], "-- first\r\n" + cell[2] + "\r\n");
            SettingsModel model = codes;
            EXPECT_EQ(readScript(realFileSystem(), project.path(), kind, model),
                      (Notice{"TGEdit", project / cell[1] + ", line 2: " + cell[3]}))
                << row;
        }
    }
    EXPECT_EQ(count, 40);
}

// A line is taken for a slot only when its code names the code that the
// tables give the slot, before the key, letter case ignored.
TEST_F(ReaderTest, TheCodeTablesDecideWhichLinesAreTaken) {
    const std::pair<std::string_view, std::int16_t> cases[] = {
        {"AIRPORT", 100}, {"airport", 100}, {"AIRPORT ", 0}, {"", 0},
        {"PORT", 100},    {"value", 0},     {"ZOO", 0},
    };
    writeBytes(project / "blocksettings.lua", "Block[AIRPORT].value = 100;\r\n");
    for (const auto& [code, value] : cases) {
        SettingsModel model;
        model.Blocks[5].code = code;
        EXPECT_FALSE(readScript(realFileSystem(), project.path(), kReadBlocks, model));
        EXPECT_EQ(model.Blocks[5].value, value) << code;
    }
    SettingsModel model;
    EXPECT_FALSE(readScript(realFileSystem(), project.path(), 4, model));
}

TEST_F(ReaderTest, NoticesComeInLoadOrderAndTheLoadGoesOn) {
    writeBytes(project / "blocksettings.lua", "Block[AIRPORT].value = 100;\r\n");
    writeBytes(project / "businesssettings.lua", "BusinessInfo[BAKERY].maxside = x;\r\n");
    writeBytes(project / "commoditysettings.lua", "Commodity[MEAT].value = 10;\r\n");
    std::filesystem::remove(project / "hub.lua");
    std::filesystem::remove(app / "blk_usa.txt");
    const Notices notices = load();
    const Notices expected = {
        {"TG Edit",
         "Cannot read the code table " + (app / "blk_usa.txt") + ": No such file or directory"},
        {"TGEdit", project / "businesssettings.lua, line 1: the value \"x\" is not a number."},
        {"TGEdit", "Cannot read " + (project / "hub.lua") + ": No such file or directory"},
    };
    EXPECT_EQ(notices, expected);
    EXPECT_EQ(state.model.Blocks[5].value, 100);
    EXPECT_EQ(state.model.Commodities[0].value, 10.0);
    EXPECT_EQ(state.model.Tweaks.code, "Tweaks");
    EXPECT_EQ(state.model.EditBlocks[5], state.model.Blocks[5]);  // copied to the working set
}

TEST_F(ReaderTest, TheCheckGoesOnPastEachFailingLineInFileOrder) {
    writeBytes(project / "blocksettings.lua",
               "Block[ZOO].value = 5;\r\nBlock[AIRPORT].value = 1\r\n\r\nBlock[MARINA].value = "
               "x;\r\nBlock[DOCK_2].value = 3;\r\n");
    writeBytes(project / "hub.lua", "Tweaks.daysoff = maybe;\r\n");
    std::filesystem::remove(project / "commoditysettings.lua");
    std::filesystem::remove(app / "biz_code.txt");
    const ProjectCheck check = checkProjectScripts(realFileSystem(), app.path(), project.path());
    ASSERT_EQ(check.tableNotices.size(), 1u);
    EXPECT_NE(check.tableNotices[0].text.find("biz_code.txt"), std::string::npos);
    const std::vector<ScriptProblem> expected = {
        {project / "blocksettings.lua", 2, "no \";\" after the key \"value\"."},
        {project / "blocksettings.lua", 4, "the value \"x\" is not a number."},
        {project / "commoditysettings.lua", 0, "No such file or directory"},
        {project / "hub.lua", 1, "the value \"maybe\" is not true, false or a number."},
    };
    EXPECT_EQ(check.problems, expected);

    SettingsModel model;
    readCodeTable(realFileSystem(), app.path(), "blk_code.txt", kBlockCount, model);
    EXPECT_EQ(checkScript(realFileSystem(), project.path(), kReadBlocks, model).size(), 2u);
    EXPECT_EQ(model.Blocks[39].value, 3);  // read although earlier lines failed
}

}  // namespace
}  // namespace tg
