// Fuzz target: the script writer on generated scripts with an arbitrary set
// of edits.
//
// The input decodes, in this order, into: the script under test (file
// number f); whether the game takes the rail and utility tweaks; whether raw
// noise goes into the script; up to four records of f's kind; the script,
// line by line: a setting line of one of those records (any field of the
// table of setting fields, each at most once) in one of several spellings
// (blanks and tabs anywhere in its code but inside the key, indentation, a
// comment behind it), a comment or an empty line,
// or raw bytes, each line ending in CR LF, LF or CR; then for each record
// whether it is changed and new values for some of its fields, as the
// editors could store them.
//
// What every run checks:
//   1. no crash, no sanitizer report, and the save reports no failure;
//   2. the three other scripts keep every byte (their flags are clear);
//   3. without noise: every line without code keeps its bytes and its place;
//      a script that read without failure still does, and reads back, for a
//      changed record, its values in their written forms (its named commodity
//      entries in order) and for every other record what was read before.

#include <algorithm>
#include <filesystem>
#include <vector>

#include "fs/file_system.h"
#include "fuzz_support.h"
#include "model/setting_fields.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"

namespace {

using namespace tg;

constexpr std::string_view kOther = "-- not under test\r\nBlock[ZOO].value = 5;\nx = 1\r";
constexpr int kReaderKinds[] = {kReadBlocks, kReadBusinesses, kReadCommodities, kReadTweaks};
constexpr std::size_t kCounts[] = {kBlockCount, kBusinessCount, kCommodityCount, 1};

// The records of a kind in the loaded or the working set.
template <class Record>
Record* recordsOf(SettingsModel& m, bool working) {
    if constexpr (std::is_same_v<Record, BlockRecord>) {
        return working ? m.EditBlocks.data() : m.Blocks.data();
    } else if constexpr (std::is_same_v<Record, BusinessRecord>) {
        return working ? m.EditBusinesses.data() : m.Businesses.data();
    } else if constexpr (std::is_same_v<Record, CommodityRecord>) {
        return working ? m.EditCommodities.data() : m.Commodities.data();
    } else {
        return working ? &m.EditTweaks : &m.Tweaks;
    }
}

// Sets the field to a value an editor could store, taken from the input (a
// number of the type, a free or a named commodity entry, a group or none),
// and gives a value text that reads as that value in a script line.
template <class Record>
std::string edit(fuzz::ByteSource& in, Record& r, const SettingField<Record>& field) {
    const int n = in.below(65536) - 32768;
    const int amount = std::max(0, n % 101);
    const bool entry = field.type == SettingType::Entry;
    setSettingNumber(r, field,
                     field.type == SettingType::Double ? n / (1.0 + in.below(1000))
                     : entry                           ? amount
                                                       : n);
    setSettingText(r, field,
                   !(entry ? amount != 0 : in.flag()) ? std::string()
                   : entry ? std::string(kCommodityIdentifiers[in.below(kCommodityCount)])
                           : std::string(kShoppingGroups[in.below(3)]));
    const std::string text(settingText(r, field));
    const std::string number = formatShortest(settingNumber(r, field));
    const bool flag = settingFlag(r, field);
    return entry                                       ? (amount ? text + ", " + number : "MEAT, 1")
           : field.type == SettingType::Membership     ? text
           : field.type == SettingType::Flag           ? (flag ? "true" : "FALSE")
           : field.type == SettingType::BuildingRights ? (flag ? "2" : "1")
                                                       : number;
}

// What reading the saved script gives for a record: the working values in
// their written forms when the record was written (the rail and utility
// tweaks only for a game that takes them), the loaded ones otherwise.
template <class Record>
void expectReadBack(const Record& working, const Record& loaded, const Record& got, bool written,
                    bool compatible) {
    for (const SettingField<Record>& field : settingFields<Record>()) {
        const bool fromWorking = written && (!field.difficulty || compatible);
        const Record& from = fromWorking ? working : loaded;
        const double v = settingNumber(from, field);
        const double g = settingNumber(got, field);
        TG_FUZZ_CHECK(
            field.type == SettingType::Entry ||
                ((fromWorking ? formatWritten(g, field.form) == formatWritten(v, field.form)
                              : g == v) &&
                 settingText(got, field) == settingText(from, field)),
            std::string(field.name) + " of " + got.code + " reads back otherwise");
    }
    if constexpr (std::is_same_v<Record, BusinessRecord>) {
        auto entries = (written ? working : loaded).commodities;
        std::stable_partition(entries.begin(), entries.end(),
                              [](auto& e) { return e.amount != 0; });
        std::replace_if(
            entries.begin(), entries.end(), [](auto& e) { return e.amount == 0; },
            CommodityEntry{});
        TG_FUZZ_CHECK(got.commodities == entries,
                      "the entries of " + got.code + " read back otherwise");
    }
}

template <class Record>
void run(fuzz::ByteSource& in, int f) {
    const bool compatible = in.flag();
    const bool noise = in.flag();
    std::vector<std::size_t> slots;
    for (int i = 0, n = 1 + in.below(4); i < n; ++i) {
        slots.push_back(static_cast<std::size_t>(in.below(static_cast<int>(kCounts[f]))));
    }
    SettingsModel codes = fuzz::modelWithCodes();
    const auto fields = settingFields<Record>();
    std::vector<bool> used(kCounts[f] * fields.size(), false);
    std::string script;
    for (int line = in.below(40); line > 0; --line) {
        const std::size_t slot =
            slots[static_cast<std::size_t>(in.below(static_cast<int>(slots.size())))];
        const auto at = static_cast<std::size_t>(in.below(static_cast<int>(fields.size())));
        const int piece = in.below(8);
        if (piece == 0) {
            script += in.flag() ? "-- a note" : "";
        } else if (piece == 1 && noise) {
            script += static_cast<char>(in.byte());
        } else if (!used[slot * fields.size() + at]) {
            used[slot * fields.size() + at] = true;
            const SettingField<Record>& field = fields[at];
            const std::string record =
                recordHead(kKindOf<Record>, recordsOf<Record>(codes, false)[slot].code);
            Record scratch{};
            std::string code = record + std::string(field.head) + edit(in, scratch, field) +
                               std::string(field.tail);
            // Blanks go anywhere but inside the key, which the reader looks for in
            // the line as it is; the last place first, so none moves another.
            std::vector<std::size_t> places;
            for (int k = in.below(4); k > 0; --k) {
                places.push_back(
                    static_cast<std::size_t>(in.below(static_cast<int>(code.size()) + 1)));
            }
            std::sort(places.rbegin(), places.rend());
            for (std::size_t p : places) {
                if (p <= record.size() + 1 || p >= record.size() + 1 + field.key.size()) {
                    code.insert(p, in.flag() ? " " : "\t");
                }
            }
            script += (in.flag() ? "\t  " : "") + code + (in.flag() ? " -- a note" : "");
        }
        script += std::vector<std::string>{"\r\n", "\n", "\r"}[in.below(3)];
    }

    const std::string folder = fuzz::scratchFolder();
    for (int g = 0; g < 4; ++g) {
        fuzz::putFile(folder + std::string(kScriptFiles[g]),
                      g == f ? std::string_view(script) : kOther);
    }
    EditorState state;
    state.ProjectPath = folder;
    state.model = codes;
    const bool readBefore = !readScript(realFileSystem(), folder, kReaderKinds[f], state.model);
    state.model.copyLoadedToWorking();
    Record* working = recordsOf<Record>(state.model, true);
    for (std::size_t slot : slots) {
        if constexpr (requires { working->changed; }) {
            working[slot].changed = working[slot].changed || in.flag();
        }
        for (const SettingField<Record>& field : fields) {
            if (in.below(4) == 0) {
                edit(in, working[slot], field);
            }
        }
    }
    bool* flags[] = {&state.bBlockHasChanged, &state.bBusinessHasChanged,
                     &state.bCommodityHasChanged, &state.bCityHasChanged};
    *flags[f] = true;
    state.bVersionCompatible = compatible;
    SettingsModel edited = state.model;
    const Notices notices = Save_Project(realFileSystem(), state, "1.0.0.1");
    TG_FUZZ_CHECK(notices.empty(), "the save failed: " + notices.front().text);
    for (int g = 0; g < 4; ++g) {
        TG_FUZZ_CHECK(g == f || fuzz::getFile(folder + std::string(kScriptFiles[g])) == kOther,
                      "a script whose flag is clear changed");
    }
    if (noise) {
        return;
    }
    const std::string saved = fuzz::getFile(folder + std::string(kScriptFiles[f]));
    const auto before = splitLines(script);
    const auto after = splitLines(saved);
    for (std::size_t i = 0; i < before.size(); ++i) {
        TG_FUZZ_CHECK(!removeBlanks(stripComment(before[i])).empty() || after.at(i) == before[i],
                      "line " + std::to_string(i + 1) + " without code changed");
    }
    SettingsModel again = codes;
    const bool readAfter = !readScript(realFileSystem(), folder, kReaderKinds[f], again);
    TG_FUZZ_CHECK(readAfter || !readBefore, "the saved script no longer reads");
    for (std::size_t slot = 0; readBefore && slot < kCounts[f]; ++slot) {
        const Record& w = recordsOf<Record>(edited, true)[slot];
        bool written = true;  // the tweaks are written whenever their flag is raised
        if constexpr (requires { w.changed; }) {
            written = w.changed;
        }
        expectReadBack(w, recordsOf<Record>(edited, false)[slot],
                       recordsOf<Record>(again, false)[slot], written, compatible);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteSource in(data, size);
    constexpr void (*kRuns[])(fuzz::ByteSource&, int) = {run<BlockRecord>, run<BusinessRecord>,
                                                         run<CommodityRecord>, run<TweaksRecord>};
    const int f = in.below(4);
    kRuns[f](in, f);
    return 0;
}
