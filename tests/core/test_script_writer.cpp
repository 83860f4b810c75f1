#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "fs/file_system.h"
#include "model/identifiers.h"
#include "model/setting_fields.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"
#include "test_support.h"

namespace tg {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::string kVersion = "1.0.0.1";
const std::string kCases = std::string(TGEDIT_TEST_DATA_DIR) + "/scripts/";

// Sets one field of the working record of a kind with the given code from
// its text: true/false, COMMODITY:AMOUNT, a group or a number. Marks the
// record changed and raises its kind's flag.
template <class Record>
void setField(Record* records, std::size_t count, bool& kindFlag, const std::string& code,
              std::string_view name, const std::string& text) {
    Record* record =
        std::find_if(records, records + count, [&](auto& r) { return r.code == code; });
    const SettingField<Record>* field = fieldNamed<Record>(name);
    ASSERT_TRUE(record != records + count && field != nullptr) << code << " " << name;
    if constexpr (!std::is_same_v<Record, TweaksRecord>) {
        record->changed = true;
    }
    kindFlag = true;
    const std::size_t colon = text.find(':');  // without one, colon + 1 is 0
    setSettingNumber(*record, *field, scanNumber(text.substr(colon + 1)).value);
    setSettingFlag(*record, *field, text == "true");
    setSettingText(*record, *field, text.substr(0, colon));
}

// The fields of records that are not zero, empty or false, one line each.
template <class Record>
void listRecords(std::string& out, const Record* records, std::size_t count) {
    for (const Record& record : std::span(records, count)) {
        for (const SettingField<Record>& field : settingFields<Record>()) {
            const double number = settingNumber(record, field);
            const std::string text(settingText(record, field));
            const std::string shown = field.type == SettingType::Membership ? text
                                      : field.type == SettingType::Entry
                                          ? text + ":" + formatShortest(number)
                                          : formatShortest(number);
            if (number != 0.0 || !text.empty()) {
                out += (record.code + " ").append(field.name) + " " + shown + "\n";
            }
        }
    }
}

// One case under tests/data/scripts: NAME.case names the script that
// NAME.in.lua stands for in a project whose other scripts are empty, then
// lists the steps done after the load (set KIND CODE FIELD VALUE; flag KIND
// and lower KIND, which raise and lower its change flag; incompatible, for a
// game without the rail and utility tweaks; save; reload). Gives what the
// load read (its
// notices, then the values that are not zero, flags as 1) and the script's
// bytes after the steps.
struct CaseResult {
    std::string read;
    std::string written;
};

CaseResult runCase(const std::string& name) {
    TempDir app;
    TempDir project;
    test::copyDataFiles(app.path());
    for (std::string_view file : kScriptFiles) {
        writeBytes(project / file, "");
    }
    std::istringstream steps(readBytes(kCases + name + ".case"));
    std::string line;
    std::string script;
    while (std::getline(steps, line) && (line.empty() || line[0] == '#')) {
    }
    std::istringstream(line) >> line >> script;
    writeBytes(project / script, readBytes(kCases + name + ".in.lua"));

    CaseResult result;
    EditorState state;
    state.ProjectPath = project.path();
    for (const Notice& notice : loadProjectModel(realFileSystem(), app.path(), state)) {
        const std::string& text = notice.text;
        result.read += "notice " + notice.title + ": " +
                       text.substr(text.starts_with(project.path()) ? project.path().size() : 0) +
                       "\n";
    }
    SettingsModel& m = state.model;
    listRecords(result.read, m.Blocks.data(), kBlockCount);
    listRecords(result.read, m.Businesses.data(), kBusinessCount);
    listRecords(result.read, m.Commodities.data(), kCommodityCount);
    listRecords(result.read, &m.Tweaks, 1);

    while (std::getline(steps, line)) {
        std::istringstream words(line);
        std::string step, kind, code, field, value;
        words >> step >> kind >> code >> field;
        std::getline(words >> std::ws, value);
        bool& flag = kind == "block"       ? state.bBlockHasChanged
                     : kind == "business"  ? state.bBusinessHasChanged
                     : kind == "commodity" ? state.bCommodityHasChanged
                                           : state.bCityHasChanged;
        if (step == "set" && kind == "block") {
            setField(m.EditBlocks.data(), kBlockCount, flag, code, field, value);
        } else if (step == "set" && kind == "business") {
            setField(m.EditBusinesses.data(), kBusinessCount, flag, code, field, value);
        } else if (step == "set" && kind == "commodity") {
            setField(m.EditCommodities.data(), kCommodityCount, flag, code, field, value);
        } else if (step == "set") {
            setField(&m.EditTweaks, 1, flag, code, field, value);
        } else if (step == "flag" || step == "lower") {  // without a record, or after its edits
            flag = step == "flag";
        } else if (step == "incompatible") {
            state.bVersionCompatible = false;
        } else if (step == "save") {
            EXPECT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());
        } else if (step == "reload") {
            loadProjectModel(realFileSystem(), app.path(), state);
        } else {
            ADD_FAILURE() << "unknown step: " << line;
        }
    }
    result.written = readBytes(project / script);
    return result;
}

TEST(ScriptCases, ReadAndWrittenAsTheGoldenFilesSay) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kCases)) {
        if (entry.path().extension() == ".case") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    ASSERT_GE(names.size(), 25u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const CaseResult result = runCase(name);
        // A case without NAME.out.lua is not saved: its script keeps its bytes.
        const std::string out = kCases + name + ".out.lua";
        EXPECT_EQ(result.read, readBytes(kCases + name + ".read"));
        EXPECT_EQ(result.written,
                  readBytes(std::filesystem::exists(out) ? out : kCases + name + ".in.lua"));
    }
}

// A new value for every setting of a record, one that reads back as it is
// written: whole numbers and halves among what the editors offer, every
// commodity entry named.
template <class Record>
void changeEveryField(Record& record, int slot) {
    int seed = slot * 31;
    for (const SettingField<Record>& field : settingFields<Record>()) {
        ++seed;
        const auto [low, high] = field.offered.value_or(std::pair(-30000, 30000));
        setSettingNumber(record, field,
                         field.type == SettingType::Entry ? 1 + seed % 100
                         : field.choices.empty()          ? low + (seed * 997) % (high - low + 1) +
                                                       (field.type == SettingType::Double ? 0.5 : 0)
                                                 : field.choices[seed % field.choices.size()]);
        setSettingFlag(record, field, seed % 2 == 0);
        setSettingText(record, field,
                       std::string(field.type == SettingType::Entry
                                       ? kCommodityIdentifiers[seed % kCommodityCount]
                                   : seed % 4 == 3 ? ""
                                                   : kShoppingGroups[seed % 4]));
    }
}

template <class Record, std::size_t N>
void changeEveryRecord(std::array<Record, N>& records, bool changed) {
    for (std::size_t i = 0; i < N; ++i) {
        changeEveryField(records[i], static_cast<int>(i));
        records[i].changed = changed;
    }
}

TEST(RoundTrip, EveryChangedSettingReadsBackAndOtherLinesKeepTheirBytes) {
    TempDir app;
    TempDir project;
    test::copyDataFiles(app.path());
    test::copyDemoScripts(project.path());
    std::vector<std::string> before;
    for (std::string_view name : kScriptFiles) {
        before.push_back(readBytes(project / name));
    }
    EditorState state;
    state.ProjectPath = project.path();
    ASSERT_TRUE(loadProjectModel(realFileSystem(), app.path(), state).empty());
    SettingsModel& m = state.model;
    changeEveryRecord(m.EditBlocks, true);
    changeEveryRecord(m.EditBusinesses, true);
    changeEveryRecord(m.EditCommodities, true);
    changeEveryField(m.EditTweaks, 0);
    state.bBlockHasChanged = state.bBusinessHasChanged = true;
    state.bCommodityHasChanged = state.bCityHasChanged = true;
    ASSERT_TRUE(Save_Project(realFileSystem(), state, kVersion).empty());

    EditorState again;
    again.ProjectPath = project.path();
    ASSERT_TRUE(loadProjectModel(realFileSystem(), app.path(), again).empty());
    changeEveryRecord(m.EditBlocks, false);  // the same values, as the loaded set holds them
    changeEveryRecord(m.EditBusinesses, false);
    changeEveryRecord(m.EditCommodities, false);
    EXPECT_TRUE(again.model.Blocks == m.EditBlocks);
    EXPECT_TRUE(again.model.Businesses == m.EditBusinesses);
    EXPECT_TRUE(again.model.Commodities == m.EditCommodities);
    EXPECT_EQ(again.model.Tweaks, m.EditTweaks);

    // A line without a setting key in its code keeps its bytes and its place.
    for (std::size_t f = 0; f < kScriptFiles.size(); ++f) {
        const auto old = splitLines(before[f]);
        const std::string saved = readBytes(project / kScriptFiles[f]);
        const auto now = splitLines(saved);
        ASSERT_GE(now.size(), old.size());
        for (std::size_t i = 0; i < old.size(); ++i) {
            EXPECT_TRUE(!keyOfLine(stripComment(old[i])).empty() || now[i] == old[i])
                << kScriptFiles[f] << " line " << i + 1;
        }
    }
}

TEST(RewriteLine, TheFirstPendingEntryInListOrderTakesTheLineOnce) {
    CodeLineList pending = {{"BusinessInfo[BAKERY]:AddCommodity(", 1, "BREAD,4);"},
                            {"BusinessInfo[BAKERY]:AddCommodity(", 1, ""},
                            {"Block[ZOO].value = ", 0, "5;"}};
    EXPECT_EQ(Rewrite_Line(pending, "Block[ZOO].value = 1;", 1), "Block[ZOO].value = 1;");
    EXPECT_EQ(Rewrite_Line(pending, "-- Block[ZOO].value = 1;", 0), "");
    EXPECT_EQ(Rewrite_Line(pending, "\t businessinfo [bakery] : addcommodity(A, 1); -- a", 1),
              "BusinessInfo[BAKERY]:AddCommodity(BREAD,4); -- a");
    EXPECT_EQ(Rewrite_Line(pending, "x = 1; BusinessInfo[BAKERY]:AddCommodity(B, 2); -- b", 1),
              "x = 1;  -- b");
    EXPECT_EQ(pending.size(), 1u);
    // A code with a "]" in it, named after other code on the line.
    CodeLineList odd = {{"Block[A]B].v = ", 0, "1;"}, {"Tweaks.a = ", 0, "2;"}};
    EXPECT_EQ(Rewrite_Line(odd, "tweaks.A=0; BLOCK[a]b] .v=9;", 0),
              "tweaks.A=0; Block[A]B].v = 1;");
    Remove_CodeLine(pending, 0);
    EXPECT_EQ(pending, emptyCodeArray());
}

}  // namespace
}  // namespace tg
