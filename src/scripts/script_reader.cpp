#include "scripts/script_reader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iterator>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "model/setting_fields.h"
#include "scripts/code_tables.h"
#include "scripts/matcher.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"

namespace tg {

namespace {

template <class Record>
void putKeysInOrder(std::vector<std::string_view>& keys) {
    for (const SettingField<Record>& field : settingFields<Record>()) {
        const auto at = static_cast<std::size_t>(field.keyRank - 1);
        if (keys.size() <= at) {
            keys.resize(at + 1);
        }
        keys[at] = field.key;
    }
}

// The setting keys in the order a line is tested for them, taken from the
// table of setting fields.
std::vector<std::string_view> keysInOrder() {
    std::vector<std::string_view> keys;
    putKeysInOrder<BlockRecord>(keys);
    putKeysInOrder<BusinessRecord>(keys);
    putKeysInOrder<CommodityRecord>(keys);
    putKeysInOrder<TweaksRecord>(keys);
    return keys;
}

// The keys, a case-blind matcher of them all, and the places of the two
// keys of which one holds the other.
struct SettingKeys {
    std::vector<std::string_view> keys = keysInOrder();
    Matcher matcher{keys, Matcher::LetterCase::Ignore};
    int ownable = placeOf("ownable");
    int cityBusinessesOwnable = placeOf("citybusinessesownable");

    int placeOf(std::string_view key) const {
        return static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin());
    }
};

const SettingKeys& settingKeys() {
    static const SettingKeys keys;
    return keys;
}

// The first key in the fixed order that occurs anywhere in the line, letter
// case ignored; "ownable" only when the line does not hold
// "citybusinessesownable", which contains it. -1 for none.
int keyIndexOf(std::string_view line) {
    const SettingKeys& k = settingKeys();
    std::uint64_t found = k.matcher.occurring(line);
    if ((found >> k.cityBusinessesOwnable) & 1U) {
        found &= ~(std::uint64_t{1} << k.ownable);
    }
    return found == 0 ? -1 : std::countr_zero(found);
}

// ---------------------------------------------------------------------------
// Failure texts. A value is shown as written, cut to a readable length and
// with control characters replaced, so that odd bytes in a script cannot
// garble the message.

std::string shown(std::string_view text) {
    constexpr std::size_t kMaxShown = 40;
    std::string out;
    const std::size_t take = text.size() > kMaxShown ? kMaxShown : text.size();
    for (std::size_t i = 0; i < take; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        out.push_back(byte < 0x20 || byte == 0x7F ? '?' : text[i]);
    }
    if (take < text.size()) {
        // Do not end inside a UTF-8 sequence.
        while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) {
            out.pop_back();
        }
        if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) {
            out.pop_back();
        }
        out += "...";
    }
    return out;
}

std::string quotedKey(std::string_view key) {
    return "\"" + std::string(key) + "\"";
}

// A failure of one line: the cause in words, or nothing when the line was
// taken (or ignored) without trouble.
using Failure = std::optional<std::string>;

// ---------------------------------------------------------------------------
// Conversions. A number in a script is the whole value text.

Failure toDouble(std::string_view valueText, double& out) {
    const NumberScan scan = scanNumber(valueText);
    if (scan.length == 0 || scan.length != valueText.size()) {
        return "the value \"" + shown(valueText) + "\" is not a number.";
    }
    if (scan.overflow) {
        return "the value " + shown(valueText) + " is out of range.";
    }
    out = scan.value;
    return std::nullopt;
}

// A whole number of a 16- or 32-bit field: rounded half to even, and within
// the field's range.
Failure toWhole(std::string_view valueText, SettingType type, double& out) {
    if (auto failure = toDouble(valueText, out)) {
        return failure;
    }
    std::optional<double> whole;
    if (type == SettingType::Int16) {
        whole = roundToInt16(out);
    } else {
        whole = roundToInt32(out);
    }
    if (!whole) {
        return "the value " + shown(valueText) + " is out of range.";
    }
    out = *whole;
    return std::nullopt;
}

// "true" or "false" in any letter case, or a number: 0 is false, any other
// number true.
Failure toFlag(std::string_view valueText, bool& out) {
    if (equalsIgnoreCase(valueText, "true") || equalsIgnoreCase(valueText, "false")) {
        out = valueText.size() == 4;
        return std::nullopt;
    }
    const NumberScan scan = scanNumber(valueText);
    if (scan.length == 0 || scan.length != valueText.size()) {
        return "the value \"" + shown(valueText) + "\" is not true, false or a number.";
    }
    out = scan.value != 0.0;
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Storing an accepted line.

// What Interpret line has found out about an accepted line: its key, the
// text it matched on (comment cut, blanks removed), where the key stands, the
// value text between "=" and ";" (everything before the ";" when there is no
// "="), and whether there was a "=".
struct AcceptedLine {
    std::size_t keyIndex = 0;  // in the fixed order
    std::string_view key;
    std::string_view text;
    std::size_t keyPos = 0;
    std::string_view valueText;
    bool hasEquals = false;
};

// AddCommodity(COMMODITY, amount): the pair goes into the first free entry;
// with all six taken the line is dropped.
Failure storeAddCommodity(const AcceptedLine& line, BusinessRecord& business) {
    const std::string_view text = line.text;
    const std::size_t open = text.find('(', line.keyPos);
    if (open == std::string_view::npos) {
        return "no \"(\" after the key " + quotedKey(line.key) + ".";
    }
    const std::size_t comma = text.find(',', line.keyPos);
    if (comma == std::string_view::npos || comma < open) {
        return std::string("no \",\" after the \"(\".");
    }
    const std::size_t close = text.find(')', comma + 1);
    if (close == std::string_view::npos) {
        return std::string("no \")\" after the \",\".");
    }
    double amount = 0.0;
    if (auto failure =
            toWhole(text.substr(comma + 1, close - comma - 1), SettingType::Int16, amount)) {
        return failure;
    }
    for (CommodityEntry& entry : business.commodities) {
        if (entry.commodity.empty()) {
            entry.commodity = std::string(text.substr(open + 1, comma - open - 1));
            entry.amount = static_cast<std::int16_t>(amount);
            break;
        }
    }
    return std::nullopt;
}

// Membership(GROUP): the first shopping group named, in any letter case, in
// the text after the "(" (or from the start without one), as far as the
// value text's length reaches. A line naming none changes nothing.
void storeMembership(const AcceptedLine& line, CommodityRecord& commodity) {
    const std::size_t open = line.text.find('(', line.keyPos);
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::string_view considered = line.text.substr(start, line.valueText.size());
    for (std::string_view group : kShoppingGroups) {
        if (findIgnoringCase(considered, group) != std::string_view::npos) {
            commodity.membership = std::string(group);
            return;
        }
    }
}

// The field of a kind that each key of the fixed order names, or nullptr.
template <class Record>
const SettingField<Record>* fieldOfKeyIndex(std::size_t keyIndex) {
    static const std::vector<const SettingField<Record>*> fields = [] {
        std::vector<const SettingField<Record>*> byKey;
        for (std::string_view key : settingKeys().keys) {
            byKey.push_back(fieldOfKey<Record>(key));
        }
        return byKey;
    }();
    return fields[keyIndex];
}

// Stores the line's value into the field of the record that its key names;
// a key of another kind stores nothing.
template <class Record>
Failure storeLine(const AcceptedLine& line, Record& record) {
    const SettingField<Record>* field = fieldOfKeyIndex<Record>(line.keyIndex);
    if (field == nullptr) {
        return std::nullopt;
    }
    switch (field->type) {
        case SettingType::BuildingRights:
            setSettingFlag(record, *field, line.valueText == "2");
            return std::nullopt;
        case SettingType::Entry:
            if constexpr (std::is_same_v<Record, BusinessRecord>) {
                return storeAddCommodity(line, record);
            }
            return std::nullopt;
        case SettingType::Membership:
            if constexpr (std::is_same_v<Record, CommodityRecord>) {
                storeMembership(line, record);
            }
            return std::nullopt;
        default:
            break;
    }
    // A value that needs a number or a flag must follow a "=".
    if (!line.hasEquals) {
        return std::string("no \"=\" before the \";\".");
    }
    if (field->type == SettingType::Flag) {
        bool value = false;
        auto failure = toFlag(line.valueText, value);
        if (!failure) {
            setSettingFlag(record, *field, value);
        }
        return failure;
    }
    double value = 0.0;
    auto failure = field->type == SettingType::Double ? toDouble(line.valueText, value)
                                                      : toWhole(line.valueText, field->type, value);
    if (!failure) {
        setSettingNumber(record, *field, value);
    }
    return failure;
}

const Matcher* identifierMatcher(int kind) {
    static const Matcher blocks(kBlockIdentifiers);
    static const Matcher businesses(kBusinessIdentifiers);
    static const Matcher commodities(kCommodityIdentifiers);
    switch (kind) {
        case kReadBlocks:
            return &blocks;
        case kReadBusinesses:
            return &businesses;
        case kReadCommodities:
            return &commodities;
        default:
            return nullptr;
    }
}

// Interpret line: finds the line's key and record, takes the value text and
// stores it. A line that fails one of the tests is ignored; a line that is
// accepted but cannot be read gives the cause. text is a buffer kept from
// line to line.
Failure interpretLine(std::string_view rawLine, int kind, SettingsModel& model, std::string& text) {
    removeBlanks(stripComment(rawLine), text);
    if (text.empty()) {
        return std::nullopt;
    }
    // The tests are independent: the cheaper one on the shorter text first.
    const int slot = slotOfLine(kind, text);
    if (slot < 0) {
        return std::nullopt;
    }
    const int keyIndex = keyIndexOf(rawLine);
    if (keyIndex < 0) {
        return std::nullopt;
    }
    AcceptedLine line;
    line.keyIndex = static_cast<std::size_t>(keyIndex);
    line.key = settingKeys().keys[line.keyIndex];
    line.text = text;
    if (!Match_CodeLine(model, text, slot, line.key, kind)) {
        return std::nullopt;
    }

    // From here on the key is looked for with exact letter case.
    line.keyPos = line.text.find(line.key);
    if (line.keyPos == std::string_view::npos) {
        const std::size_t anyCase = findIgnoringCase(line.text, line.key);
        if (anyCase == std::string_view::npos) {
            return "the key " + quotedKey(line.key) + " stands only in the comment.";
        }
        return "the key is written \"" + shown(line.text.substr(anyCase, line.key.size())) +
               "\" instead of " + quotedKey(line.key) + ".";
    }
    const std::size_t keyEnd = line.keyPos + line.key.size();
    const std::size_t semi = line.text.find(';', keyEnd);
    if (semi == std::string_view::npos) {
        return "no \";\" after the key " + quotedKey(line.key) + ".";
    }
    const std::size_t equals = line.text.find('=', keyEnd);
    if (equals != std::string_view::npos && equals > semi) {
        return std::string("no \"=\" before the \";\".");
    }
    line.hasEquals = equals != std::string_view::npos;
    line.valueText = line.hasEquals ? line.text.substr(equals + 1, semi - equals - 1)
                                    : line.text.substr(0, semi);

    const auto index = static_cast<std::size_t>(slot);
    switch (kind) {
        case kReadBlocks:
            return storeLine(line, model.Blocks[index]);
        case kReadBusinesses:
            return storeLine(line, model.Businesses[index]);
        case kReadTweaks:
            return storeLine(line, model.Tweaks);
        case kReadCommodities:
            return storeLine(line, model.Commodities[index]);
        default:
            return std::nullopt;
    }
}

// The reading of one script, line by line. onFailure(lineNumber, reason) is
// called for each line that cannot be read and returns whether to go on.
template <typename OnFailure>
FsStatus scanScript(FileSystem& fs, const std::string& path, int kind, SettingsModel& model,
                    OnFailure onFailure) {
    std::string bytes;
    if (auto error = fs.readFile(path, bytes)) {
        return error;
    }
    std::string text;
    LineReader lines(bytes);
    std::size_t lineNumber = 0;
    for (std::string_view line; lines.next(line);) {
        ++lineNumber;
        if (auto failure = interpretLine(line, kind, model, text)) {
            if (!onFailure(lineNumber, *failure)) {
                break;
            }
        }
    }
    return std::nullopt;
}

// Each kind's code tables (the tweaks have none: their one record is named
// Tweaks), read into the loaded set.
void readCodeTablesOf(FileSystem& fs, const std::string& appPath, int kind, SettingsModel& model,
                      Notices& notices) {
    auto read = [&](std::string_view fileName, int rowLimit) {
        if (auto notice = readCodeTable(fs, appPath, fileName, rowLimit, model)) {
            notices.push_back(std::move(*notice));
        }
    };
    switch (kind) {
        case kReadBlocks:
            read("blk_code.txt", kBlockCount);
            read("blk_usa.txt", kBlockCount);
            break;
        case kReadBusinesses:
            read("biz_code.txt", kBusinessCount);
            read("biz_usa.txt", kBusinessCount);
            break;
        case kReadTweaks:
            model.Tweaks.code = std::string(kTweaksIdentifier);
            break;
        case kReadCommodities:
            read("com_code.txt", kCommodityCount);
            read("com_usa.txt", kCommodityCount);
            break;
        default:
            break;
    }
}

}  // namespace

std::string_view keyOfLine(std::string_view line) {
    const int index = keyIndexOf(line);
    return index < 0 ? std::string_view() : settingKeys().keys[static_cast<std::size_t>(index)];
}

int slotOfLine(int kind, std::string_view text) {
    if (kind == kReadTweaks) {
        return text.find(kTweaksIdentifier) == std::string_view::npos ? -1 : 0;
    }
    const Matcher* identifiers = identifierMatcher(kind);
    if (identifiers == nullptr) {
        return -1;
    }
    const std::uint64_t found = identifiers->occurring(text);
    return found == 0 ? -1 : std::countr_zero(found);
}

std::optional<Notice> readScript(FileSystem& fs, const std::string& projectPath, int kind,
                                 SettingsModel& model) {
    const std::string_view fileName = scriptFileOfKind(kind);
    if (fileName.empty()) {
        return std::nullopt;
    }
    const std::string path = projectPath + std::string(fileName);
    std::optional<Notice> stop;
    const FsStatus error =
        scanScript(fs, path, kind, model, [&](std::size_t lineNumber, const std::string& reason) {
            stop = Notice{kApplicationTitle, path + ", line " +
                                                 formatInteger(static_cast<long long>(lineNumber)) +
                                                 ": " + reason};
            return false;
        });
    if (error) {
        return Notice{kApplicationTitle, "Cannot read " + path + ": " + error->reason};
    }
    return stop;
}

std::vector<ScriptProblem> checkScript(FileSystem& fs, const std::string& projectPath, int kind,
                                       SettingsModel& model) {
    const std::string_view fileName = scriptFileOfKind(kind);
    if (fileName.empty()) {
        return {};
    }
    const std::string path = projectPath + std::string(fileName);
    std::vector<ScriptProblem> problems;
    const FsStatus error =
        scanScript(fs, path, kind, model, [&](std::size_t lineNumber, const std::string& reason) {
            problems.push_back({path, lineNumber, reason});
            return true;
        });
    if (error) {
        problems.push_back({path, 0, error->reason});
    }
    return problems;
}

ProjectCheck checkProjectScripts(FileSystem& fs, const std::string& appPath,
                                 const std::string& projectPath) {
    ProjectCheck check;
    SettingsModel model;
    for (int kind : {kReadBlocks, kReadBusinesses, kReadTweaks, kReadCommodities}) {
        readCodeTablesOf(fs, appPath, kind, model, check.tableNotices);
    }
    // The scripts in the order of their files; each kind's lines are matched
    // against its own tables only, so the order does not change what is found.
    for (int kind : {kReadBlocks, kReadBusinesses, kReadCommodities, kReadTweaks}) {
        auto problems = checkScript(fs, projectPath, kind, model);
        check.problems.insert(check.problems.end(), std::make_move_iterator(problems.begin()),
                              std::make_move_iterator(problems.end()));
    }
    return check;
}

Notices loadProjectModel(FileSystem& fs, const std::string& appPath, EditorState& state) {
    Notices notices;
    state.clearModel();
    for (int kind : {kReadBlocks, kReadBusinesses, kReadTweaks, kReadCommodities}) {
        readCodeTablesOf(fs, appPath, kind, state.model, notices);
        if (auto notice = readScript(fs, state.ProjectPath, kind, state.model)) {
            notices.push_back(std::move(*notice));
        }
    }
    state.model.copyLoadedToWorking();
    return notices;
}

}  // namespace tg
