#include "scripts/script_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <type_traits>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/code_tables.h"
#include "scripts/identifier_index.h"
#include "scripts/letter_keys.h"
#include "scripts/line_marks.h"
#include "scripts/numbers.h"
#include "scripts/pattern_set.h"
#include "scripts/script_files.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"
#include "scripts/word_ops.h"

namespace tg {

namespace {

// The setting keys in the order a line is tested for them.
constexpr std::array<std::string_view, 33> kSettingKeys = {
    "value",
    "prestige",
    "ownable",
    "buildingrights",
    "timeinstore",
    "refurbcost",
    "density",
    "minarea",
    "maxarea",
    "minheight",
    "maxheight",
    "maxside",
    "stockcapacity",
    "openingtime",
    "closingtime",
    "electricalneed",
    "gasneed",
    "telecomneed",
    "waterneed",
    "footprintband",
    "markup",
    "Membership",
    "railutilincomeEASY",
    "railutilincomeMEDIUM",
    "railutilincomeHARD",
    "dailyfreightEASY",
    "dailyfreightMEDIUM",
    "dailyfreightHARD",
    "citybusinessesownable",
    "daysoff",
    "numyearsin24hours",
    "blockleaselength",
    "AddCommodity",
};

// Index of "ownable" and "citybusinessesownable" in kSettingKeys.
constexpr std::size_t kOwnableKey = 2;
constexpr std::size_t kCityBusinessesOwnableKey = 28;
static_assert(kSettingKeys[kOwnableKey] == "ownable");
static_assert(kSettingKeys[kCityBusinessesOwnableKey] == "citybusinessesownable");

// Index of a key in kSettingKeys.
constexpr std::size_t settingKey(std::string_view key) {
    std::size_t k = 0;
    while (kSettingKeys[k] != key) {
        ++k;
    }
    return k;
}

constexpr std::size_t kValueKey = settingKey("value");
constexpr std::size_t kPrestigeKey = settingKey("prestige");
constexpr std::size_t kBuildingRightsKey = settingKey("buildingrights");
constexpr std::size_t kMarkupKey = settingKey("markup");
constexpr std::size_t kMembershipKey = settingKey("Membership");
constexpr std::size_t kAddCommodityKey = settingKey("AddCommodity");

// The keys, found whatever their letter case in the line as read.
const LetterKeySet& settingKeySet() {
    static const LetterKeySet set(kSettingKeys);
    return set;
}

// The key of a line as an index into kSettingKeys, or -1; hits keeps what
// the search learnt.
int keyIndexOf(const LetterKeySet& keys, std::string_view line, LetterKeySet::Hits& hits) {
    keys.occurring(line, hits);
    std::uint64_t found = hits.found;
    // "citybusinessesownable" holds "ownable"; such a line waits for its
    // own, later key.
    found &= ~(((found >> kCityBusinessesOwnableKey) & 1U) << kOwnableKey);
    return found == 0 ? -1 : std::countr_zero(found);
}

int keyIndexOf(std::string_view line) {
    LetterKeySet::Hits hits;
    return keyIndexOf(settingKeySet(), line, hits);
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

std::string notANumber(std::string_view valueText) {
    return "the value \"" + shown(valueText) + "\" is not a number.";
}

std::string outOfRange(std::string_view valueText) {
    return "the value " + shown(valueText) + " is out of range.";
}

std::string notAFlag(std::string_view valueText) {
    return "the value \"" + shown(valueText) + "\" is not true, false or a number.";
}

// A failure of one line: the cause in words, or nothing when the line was
// taken (or ignored) without trouble.
using Failure = std::optional<std::string>;

// ---------------------------------------------------------------------------
// Conversions. A number in a script is the whole value text.

// The plain decimals that make up nearly every value of a script ("1200",
// "0.75", "-3.5"): a sign, at most 15 digits in all and an optional point.
// The digits form an integer that a double holds exactly, and so does the
// power of ten to divide by; one division then rounds exactly as reading the
// whole text would. Anything else is left to scanNumber.
[[gnu::always_inline]] inline bool plainDecimal(std::string_view text, double& out) {
    static constexpr std::array<double, 16> kPowersOfTen = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // The digits before the point, then those after it. digits may wrap
    // around on a long run; such a text has too many digits and is refused.
    std::uint64_t digits = 0;
    const char* const whole = p;
    for (unsigned d = 0; p != end && (d = static_cast<unsigned char>(*p - '0')) <= 9; ++p) {
        digits = digits * 10 + d;
    }
    std::size_t count = static_cast<std::size_t>(p - whole);
    std::size_t decimals = 0;
    if (p != end && *p == '.') {
        const char* const fraction = ++p;
        for (unsigned d = 0; p != end && (d = static_cast<unsigned char>(*p - '0')) <= 9; ++p) {
            digits = digits * 10 + d;
        }
        decimals = static_cast<std::size_t>(p - fraction);
        count += decimals;
    }
    if (p != end || count == 0 || count > 15) {
        return false;
    }
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    out = negative ? -value : value;
    return true;
}

// toDouble for a value that is not a plain decimal.
[[gnu::noinline]] Failure toDoubleScanned(std::string_view valueText, double& out) {
    const NumberScan scan = scanNumber(valueText);
    if (scan.length == 0 || scan.length != valueText.size()) {
        return notANumber(valueText);
    }
    if (scan.overflow) {
        return outOfRange(valueText);
    }
    out = scan.value;
    return std::nullopt;
}

// A plain decimal read where the value is stored, any other value by a call.
[[gnu::always_inline]] inline Failure toDouble(std::string_view valueText, double& out) {
    if (plainDecimal(valueText, out)) {
        return std::nullopt;
    }
    return toDoubleScanned(valueText, out);
}

// A plain integer of at most nine digits with an optional sign ("120",
// "-3", "007"): read as an integer directly. Its double would be exact and
// already whole, so rounding it would change nothing; the range test is the
// same.
[[gnu::always_inline]] inline bool plainInteger(std::string_view text, std::int32_t& out) {
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        pos = 1;
    }
    const std::size_t count = text.size() - pos;
    if (count == 0 || count > 9) {
        return false;
    }
    std::int32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const auto digit = static_cast<unsigned char>(text[pos] - '0');
        if (digit > 9) {
            return false;
        }
        value = value * 10 + digit;
    }
    out = negative ? -value : value;
    return true;
}

// toInt16 for a value that is not a plain integer within the field's range.
[[gnu::noinline]] Failure toInt16Slow(std::string_view valueText, std::int16_t& out) {
    if (std::int32_t whole = 0; plainInteger(valueText, whole)) {
        if (whole < -32768 || whole > 32767) {
            return outOfRange(valueText);
        }
        out = static_cast<std::int16_t>(whole);
        return std::nullopt;
    }
    double number = 0.0;
    if (auto failure = toDouble(valueText, number)) {
        return failure;
    }
    const auto rounded = roundToInt16(number);
    if (!rounded) {
        return outOfRange(valueText);
    }
    out = *rounded;
    return std::nullopt;
}

// A plain integer that fits stored where it is read, any other value by a
// call.
[[gnu::always_inline]] inline Failure toInt16(std::string_view valueText, std::int16_t& out) {
    if (std::int32_t whole = 0;
        plainInteger(valueText, whole) && whole >= -32768 && whole <= 32767) {
        out = static_cast<std::int16_t>(whole);
        return std::nullopt;
    }
    return toInt16Slow(valueText, out);
}

Failure toInt32(std::string_view valueText, std::int32_t& out) {
    if (plainInteger(valueText, out)) {
        return std::nullopt;  // nine digits always fit
    }
    double number = 0.0;
    if (auto failure = toDouble(valueText, number)) {
        return failure;
    }
    const auto rounded = roundToInt32(number);
    if (!rounded) {
        return outOfRange(valueText);
    }
    out = *rounded;
    return std::nullopt;
}

// "true" or "false" in any letter case, or a number: 0 is false, any other
// number true.
Failure toFlag(std::string_view valueText, bool& out) {
    // The words as scripts nearly always write them, before the case-blind
    // tests.
    if (valueText == "true" || valueText == "false") {
        out = valueText.size() == 4;
        return std::nullopt;
    }
    if (equalsIgnoreCase(valueText, "true")) {
        out = true;
        return std::nullopt;
    }
    if (equalsIgnoreCase(valueText, "false")) {
        out = false;
        return std::nullopt;
    }
    double number = 0.0;
    if (plainDecimal(valueText, number)) {
        out = number != 0.0;
        return std::nullopt;
    }
    const NumberScan scan = scanNumber(valueText);
    if (scan.length == 0 || scan.length != valueText.size()) {
        return notAFlag(valueText);
    }
    out = scan.value != 0.0;
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// The fields each kind fills, by key.

template <typename Record, typename Field>
struct FieldOf {
    std::string_view key;
    Field Record::*field;
};

constexpr std::array<FieldOf<BusinessRecord, double>, 6> kBusinessDoubles = {{
    {"timeinstore", &BusinessRecord::timeinstore},
    {"density", &BusinessRecord::density},
    {"electricalneed", &BusinessRecord::electricalneed},
    {"gasneed", &BusinessRecord::gasneed},
    {"telecomneed", &BusinessRecord::telecomneed},
    {"waterneed", &BusinessRecord::waterneed},
}};

constexpr std::array<FieldOf<BusinessRecord, std::int16_t>, 10> kBusinessIntegers = {{
    {"refurbcost", &BusinessRecord::refurbcost},
    {"minarea", &BusinessRecord::minarea},
    {"maxarea", &BusinessRecord::maxarea},
    {"minheight", &BusinessRecord::minheight},
    {"maxheight", &BusinessRecord::maxheight},
    {"maxside", &BusinessRecord::maxside},
    {"stockcapacity", &BusinessRecord::stockcapacity},
    {"openingtime", &BusinessRecord::openingtime},
    {"closingtime", &BusinessRecord::closingtime},
    {"footprintband", &BusinessRecord::footprintband},
}};

constexpr std::array<FieldOf<TweaksRecord, double>, 3> kTweaksDoubles = {{
    {"railutilincomeEASY", &TweaksRecord::railutilincomeEASY},
    {"railutilincomeMEDIUM", &TweaksRecord::railutilincomeMEDIUM},
    {"railutilincomeHARD", &TweaksRecord::railutilincomeHARD},
}};

constexpr std::array<FieldOf<TweaksRecord, std::int32_t>, 5> kTweaksIntegers = {{
    {"dailyfreightEASY", &TweaksRecord::dailyfreightEASY},
    {"dailyfreightMEDIUM", &TweaksRecord::dailyfreightMEDIUM},
    {"dailyfreightHARD", &TweaksRecord::dailyfreightHARD},
    {"numyearsin24hours", &TweaksRecord::numyearsin24hours},
    {"blockleaselength", &TweaksRecord::blockleaselength},
}};

constexpr std::array<FieldOf<TweaksRecord, bool>, 2> kTweaksFlags = {{
    {"citybusinessesownable", &TweaksRecord::citybusinessesownable},
    {"daysoff", &TweaksRecord::daysoff},
}};

// For each setting key, its entry in a field table (-1: none), so that a
// line's field is found from its key's index without comparing names.
template <typename Table>
constexpr std::array<std::int8_t, kSettingKeys.size()> entriesByKey(const Table& table) {
    std::array<std::int8_t, kSettingKeys.size()> entries{};
    for (std::size_t k = 0; k < kSettingKeys.size(); ++k) {
        entries[k] = -1;
        for (std::size_t e = 0; e < table.size(); ++e) {
            if (table[e].key == kSettingKeys[k]) {
                entries[k] = static_cast<std::int8_t>(e);
            }
        }
    }
    return entries;
}

template <const auto& Table>
auto findField(std::size_t keyIndex) -> const
    typename std::remove_cvref_t<decltype(Table)>::value_type* {
    static constexpr auto kEntries = entriesByKey(Table);
    const std::int8_t entry = kEntries[keyIndex];
    return entry < 0 ? nullptr : &Table[static_cast<std::size_t>(entry)];
}

// What Interpret line has found out about an accepted line: its key (and the
// key's index), the text it matched on (comment cut, blanks removed), where
// the key stands, the value text between "=" and ";", and whether there was
// a "=".
struct AcceptedLine {
    std::string_view key;
    std::size_t keyIndex = 0;  // of key in kSettingKeys
    std::string_view text;
    std::size_t keyPos = 0;
    std::string_view valueText;
    bool hasEquals = false;
};

// A value that needs a number or a flag must follow a "=": without one the
// value text would be everything before the ";".
[[gnu::cold]] Failure noEquals() {
    return std::string("no \"=\" before the \";\".");
}

Failure storeAddCommodity(const AcceptedLine& line, BusinessRecord& business) {
    const std::string_view text = line.text;
    const std::size_t open = text.find('(', line.keyPos);
    if (open == std::string_view::npos) {
        return "no \"(\" after the key \"" + std::string(line.key) + "\".";
    }
    const std::size_t comma = text.find(',', line.keyPos);
    if (comma == std::string_view::npos || comma < open) {
        return std::string("no \",\" after the \"(\".");
    }
    const std::size_t close = text.find(')', comma + 1);
    if (close == std::string_view::npos) {
        return std::string("no \")\" after the \",\".");
    }
    const std::string_view commodity = text.substr(open + 1, comma - open - 1);
    const std::string_view amountText = text.substr(comma + 1, close - comma - 1);
    std::int16_t amount = 0;
    if (auto failure = toInt16(amountText, amount)) {
        return failure;
    }
    for (CommodityEntry& entry : business.commodities) {
        if (entry.commodity.empty()) {
            entry.commodity = std::string(commodity);
            entry.amount = amount;
            return std::nullopt;
        }
    }
    return std::nullopt;  // all six entries are taken: the line is dropped
}

void storeMembership(const AcceptedLine& line, CommodityRecord& commodity) {
    // The text after the "(" (or the whole text when there is none), as far
    // as the value text's length reaches.
    const std::size_t open = line.text.find('(', line.keyPos);
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::string_view considered = line.text.substr(start, line.valueText.size());
    for (std::string_view group : {"MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING"}) {
        if (holdsCapitalsInAnyCase(considered, group)) {
            if (commodity.membership != group) {
                commodity.membership.assign(group);
            }
            return;
        }
    }
}

[[gnu::always_inline]] inline Failure storeBlock(const AcceptedLine& line, BlockRecord& block) {
    if (line.keyIndex == kBuildingRightsKey) {
        block.buildingrights = line.valueText == "2";
        return std::nullopt;
    }
    if (line.keyIndex != kValueKey && line.keyIndex != kPrestigeKey &&
        line.keyIndex != kOwnableKey) {
        return std::nullopt;
    }
    if (!line.hasEquals) {
        return noEquals();
    }
    if (line.keyIndex == kValueKey) {
        return toInt16(line.valueText, block.value);
    }
    if (line.keyIndex == kPrestigeKey) {
        return toDouble(line.valueText, block.prestige);
    }
    return toFlag(line.valueText, block.ownable);
}

// What a key stores on a business line, by the key's index: one table
// lookup names the conversion and the field.
struct BusinessTarget {
    enum class Kind : std::uint8_t { kNone, kReal, kWhole, kAddCommodity };
    Kind kind = Kind::kNone;
    double BusinessRecord::*real = nullptr;
    std::int16_t BusinessRecord::*whole = nullptr;
};

constexpr std::array<BusinessTarget, kSettingKeys.size()> kBusinessTargets = [] {
    std::array<BusinessTarget, kSettingKeys.size()> targets{};
    for (std::size_t k = 0; k < kSettingKeys.size(); ++k) {
        for (const auto& entry : kBusinessDoubles) {
            if (entry.key == kSettingKeys[k]) {
                targets[k].kind = BusinessTarget::Kind::kReal;
                targets[k].real = entry.field;
            }
        }
        for (const auto& entry : kBusinessIntegers) {
            if (entry.key == kSettingKeys[k]) {
                targets[k].kind = BusinessTarget::Kind::kWhole;
                targets[k].whole = entry.field;
            }
        }
    }
    targets[kAddCommodityKey].kind = BusinessTarget::Kind::kAddCommodity;
    return targets;
}();

[[gnu::always_inline]] inline Failure storeBusiness(const AcceptedLine& line,
                                                    BusinessRecord& business) {
    const BusinessTarget& target = kBusinessTargets[line.keyIndex];
    switch (target.kind) {
        case BusinessTarget::Kind::kReal:
            if (!line.hasEquals) {
                return noEquals();
            }
            return toDouble(line.valueText, business.*(target.real));
        case BusinessTarget::Kind::kWhole:
            if (!line.hasEquals) {
                return noEquals();
            }
            return toInt16(line.valueText, business.*(target.whole));
        case BusinessTarget::Kind::kAddCommodity:
            return storeAddCommodity(line, business);
        case BusinessTarget::Kind::kNone:
            break;
    }
    return std::nullopt;
}

[[gnu::always_inline]] inline Failure storeTweaks(const AcceptedLine& line, TweaksRecord& tweaks) {
    if (const auto* field = findField<kTweaksDoubles>(line.keyIndex)) {
        if (!line.hasEquals) {
            return noEquals();
        }
        return toDouble(line.valueText, tweaks.*(field->field));
    }
    if (const auto* field = findField<kTweaksIntegers>(line.keyIndex)) {
        if (!line.hasEquals) {
            return noEquals();
        }
        return toInt32(line.valueText, tweaks.*(field->field));
    }
    if (const auto* field = findField<kTweaksFlags>(line.keyIndex)) {
        if (!line.hasEquals) {
            return noEquals();
        }
        return toFlag(line.valueText, tweaks.*(field->field));
    }
    return std::nullopt;
}

[[gnu::always_inline]] inline Failure storeCommodity(const AcceptedLine& line,
                                                     CommodityRecord& commodity) {
    if (line.keyIndex == kMembershipKey) {
        storeMembership(line, commodity);
        return std::nullopt;
    }
    if (line.keyIndex != kValueKey && line.keyIndex != kMarkupKey) {
        return std::nullopt;
    }
    if (!line.hasEquals) {
        return noEquals();
    }
    return toDouble(line.valueText,
                    line.keyIndex == kValueKey ? commodity.value : commodity.markup);
}

// The slot lookup of a kind with an identifier table, or nullptr.
const IdentifierIndex* identifierIndexOf(int kind) {
    static const IdentifierIndex blocks(kBlockIdentifiers);
    static const IdentifierIndex businesses(kBusinessIdentifiers);
    static const IdentifierIndex commodities(kCommodityIdentifiers);
    static_assert(kBlockCount <= PatternSet::kMaxPatterns &&
                  kBusinessCount <= PatternSet::kMaxPatterns &&
                  kCommodityCount <= PatternSet::kMaxPatterns);
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

// slotOfLine, with the kind's slot lookup (identifierIndexOf(kind)) already
// at hand, and where the slot's identifier was seen (see
// IdentifierIndex::firstSlotIn); npos for the tweaks.
int slotAndPlaceOfLine(const IdentifierIndex* identifiers, int kind, std::string_view text,
                       std::size_t& at) {
    at = std::string_view::npos;
    if (identifiers != nullptr) {
        return identifiers->firstSlotIn(text, at);
    }
    return kind == kReadTweaks ? tweaksSlotOf(text) : -1;
}

// What a slot's code is, found once for each slot when a script's reading
// starts.
enum class CodeShape : std::uint8_t {
    kEmpty,
    kIdentifier,  // the slot's identifier in any letter case
    kOther,
};

// Match_CodeLine (the slot's code, then the key, both in any letter case) for
// the three kinds with code tables: the code's first position must come
// before the key's. The key's position (counted from 1) is kept in
// keyAnyCase for the exact search that follows; the tweaks have no code
// table and leave it as it came. A keyAnyCase other than 0 on the way in is
// taken as that position, already known.
//
// identifierAt is where the slot lookup saw the slot's identifier (npos when
// it does not know); shape tells whether the slot's code is empty, that
// identifier in any letter case, or another text. When it is the identifier,
// the code first occurs there or earlier, so a key first found after it
// needs no search for the code. Otherwise the code is looked for only where
// it could start before the key.
[[gnu::always_inline]] inline bool codeComesFirst(const SettingsModel& model, std::string_view text,
                                                  int slot, std::string_view key, int kind,
                                                  std::size_t identifierAt, CodeShape shape,
                                                  std::size_t& keyAnyCase) {
    switch (kind) {
        case kReadBlocks:
        case kReadBusinesses:
        case kReadCommodities:
            break;
        case kReadTweaks:
            return true;  // the tweaks have no code table: Match_CodeLine takes every line
        default:
            return Match_CodeLine(model, text, slot, key, kind);
    }
    if (shape == CodeShape::kEmpty) {
        return false;
    }
    if (keyAnyCase == 0) {
        keyAnyCase = findFrom(text, key, kCompareIgnoreCase, 1);
    }
    if (keyAnyCase == 0) {
        return false;
    }
    if (shape == CodeShape::kIdentifier && identifierAt != std::string_view::npos &&
        identifierAt + 1 < keyAnyCase) {
        return true;
    }
    const auto index = static_cast<std::size_t>(slot);
    const std::string_view code = kind == kReadBlocks       ? model.Blocks[index].code
                                  : kind == kReadBusinesses ? model.Businesses[index].code
                                                            : model.Commodities[index].code;
    if (code.empty()) {
        return false;
    }
    // An occurrence starting before the key ends at most code.size() - 1
    // bytes after the key's first byte.
    const std::size_t reach = std::min(text.size(), keyAnyCase - 1 + code.size() - 1);
    const std::size_t codeAt =
        findFrom(std::string_view(text.data(), reach), code, kCompareIgnoreCase, 1);
    return codeAt != 0 && codeAt < keyAnyCase;
}

// word::sameBytes kept inline for the few bytes compared on a line's usual
// way (a key, the start of a line's code): eight bytes at a time, the last
// eight overlapping the ones before; from four to seven bytes as two
// four-byte words that overlap.
[[gnu::always_inline]] inline bool sameFewBytes(const char* a, const char* b, std::size_t n) {
    if (n >= 8) {
        if (n <= 16) {
            return word::load8(a) == word::load8(b) &&
                   word::load8(a + n - 8) == word::load8(b + n - 8);
        }
        for (std::size_t k = 0; k + 8 < n; k += 8) {
            if (word::load8(a + k) != word::load8(b + k)) {
                return false;
            }
        }
        return word::load8(a + n - 8) == word::load8(b + n - 8);
    }
    if (n >= 4) {
        auto load4 = [](const char* p) {
            std::uint32_t word = 0;
            std::memcpy(&word, p, sizeof word);
            return word;
        };
        return load4(a) == load4(b) && load4(a + n - 4) == load4(b + n - 4);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (a[k] != b[k]) {
            return false;
        }
    }
    return true;
}

// Where a key first occurs in a line's code (counted from 1), from where it
// first occurs in the line as read (at, letter case ignored), or 0 when that
// does not tell. It does when the code's first bytes are the line's bytes
// from its first non-blank on, as far as the key's end: each byte of the code
// up to there is then the line's byte at the same distance (the code holds no
// blank and ends where a comment starts), so an earlier occurrence in the
// code would have been an earlier one in the line. unchanged (where the
// first blank stands) settles most lines without comparing.
[[gnu::always_inline]] inline std::size_t keyPlaceInCode(std::string_view rawLine,
                                                         std::string_view text,
                                                         std::size_t unchanged, std::size_t at,
                                                         std::size_t keySize) {
    if (at + keySize <= unchanged) {
        return at + 1;
    }
    std::size_t lead = 0;
    while (lead < at && (rawLine[lead] == ' ' || rawLine[lead] == '\t')) {
        ++lead;
    }
    const std::size_t span = at - lead + keySize;
    if (span <= text.size() && sameFewBytes(text.data(), rawLine.data() + lead, span)) {
        return at - lead + 1;
    }
    return 0;
}

// What reading a line needs, set up once for a script: buffers kept from
// line to line, so reading a line does not allocate, and the searches of the
// script's kind.
struct LineScratch {
    LineScratch(int kind, const SettingsModel& model)
        : identifiers(identifierIndexOf(kind)), codeShapes(codeShapesOf(kind, model)) {}

    std::vector<char> text;
    const LetterKeySet& keys = settingKeySet();
    const IdentifierIndex* identifiers;
    // By slot, the shape of the slot's code (the codes do not change while a
    // script is read); empty for a kind without code tables.
    std::vector<CodeShape> codeShapes;
    // Why the last line that failed cannot be read.
    std::string failure;

private:
    template <std::size_t N>
    static std::vector<CodeShape> codeShapesOf(const std::array<std::string_view, N>& identifiers,
                                               auto codeOf) {
        std::vector<CodeShape> shapes(N);
        for (std::size_t i = 0; i < N; ++i) {
            const std::string_view code = codeOf(i);
            shapes[i] = code.empty()                             ? CodeShape::kEmpty
                        : equalsIgnoreCase(code, identifiers[i]) ? CodeShape::kIdentifier
                                                                 : CodeShape::kOther;
        }
        return shapes;
    }
    static std::vector<CodeShape> codeShapesOf(int kind, const SettingsModel& model) {
        switch (kind) {
            case kReadBlocks:
                return codeShapesOf(kBlockIdentifiers, [&](std::size_t i) {
                    return std::string_view(model.Blocks[i].code);
                });
            case kReadBusinesses:
                return codeShapesOf(kBusinessIdentifiers, [&](std::size_t i) {
                    return std::string_view(model.Businesses[i].code);
                });
            case kReadCommodities:
                return codeShapesOf(kCommodityIdentifiers, [&](std::size_t i) {
                    return std::string_view(model.Commodities[i].code);
                });
            default:
                return {};
        }
    }
};

// Whether a line has no code to read, told from its first bytes alone: it
// holds nothing but blanks before its end or a "--". A line it passes over
// would have come to nothing in interpretLine (its code empty); other lines
// with empty code are left to interpretLine.
[[gnu::always_inline]] inline bool codeIsSurelyEmpty(std::string_view line) {
    // Most lines start with a letter: past "-", above the blanks.
    if (!line.empty() && static_cast<unsigned char>(line[0]) > '-') {
        return false;
    }
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
        ++i;
    }
    return i == line.size() || (line[i] == '-' && i + 1 < line.size() && line[i + 1] == '-');
}

// Interpret line: finds the line's key and record, takes the value text and
// stores it. A line that fails one of the tests is ignored; a line that is
// accepted but cannot be read gives the cause.
//
// The three tests that decide whether a line is taken (it has code, the line
// holds a key, its code names a record) are independent of each other. The
// key search reads the line as it stands, so it runs between the copying of
// the code and the identifier search that reads the copy back: by then the
// copy's last writes are done and the identifier search does not wait for
// them.
//
// The reader kind is fixed for a whole script, so each kind has its own copy
// with the tests of the other kinds left out.
template <int kind>
[[gnu::always_inline]] inline Failure interpretLine(std::string_view rawLine, SettingsModel& model,
                                                    LineScratch& scratch) {
    std::size_t unchanged = 0;
    const std::string_view text = codeWithoutBlanks(rawLine, scratch.text, unchanged);
    if (text.empty()) {
        return std::nullopt;
    }
    LetterKeySet::Hits hits;
    const int keyIndex = keyIndexOf(scratch.keys, rawLine, hits);
    if (keyIndex < 0) {
        return std::nullopt;
    }
    std::size_t identifierAt = std::string_view::npos;
    int slot = -1;
    if constexpr (kind == kReadTweaks) {
        // The tweaks' lines start with their record's name: found there, it
        // needs no search.
        slot = text.starts_with(kTweaksIdentifier) ? 0 : tweaksSlotOf(text);
    } else if constexpr (kind == kReadBlocks || kind == kReadBusinesses ||
                         kind == kReadCommodities) {
        slot = scratch.identifiers->firstSlotIn(text, identifierAt);
    }
    if (slot < 0) {
        return std::nullopt;
    }
    AcceptedLine line;
    line.keyIndex = static_cast<std::size_t>(keyIndex);
    line.key = kSettingKeys[line.keyIndex];
    // Match_CodeLine, with the key's first position in any letter case kept
    // (0 when it is not known). Where the key search placed the key within
    // the first bytes of the line that the code copies unchanged (before any
    // blank and before the comment), that is its first position in the code
    // too: an earlier one there would have been an earlier one in the line.
    std::size_t anyCase = 0;
    if (((hits.placed >> keyIndex) & 1U) != 0) {
        anyCase = keyPlaceInCode(rawLine, text, unchanged, hits.at[line.keyIndex], line.key.size());
    }
    const auto slotIndex = static_cast<std::size_t>(slot);
    CodeShape shape = CodeShape::kOther;
    if constexpr (kind != kReadTweaks) {
        if (slotIndex < scratch.codeShapes.size()) {
            shape = scratch.codeShapes[slotIndex];
        }
    }
    if (!codeComesFirst(model, text, slot, line.key, kind, identifierAt, shape, anyCase)) {
        return std::nullopt;
    }
    line.text = text;

    // The key is looked for with exact letter case from here on. No exact
    // occurrence can stand before the first one in any letter case.
    if (anyCase == 0) {
        anyCase = findFrom(text, line.key, kCompareIgnoreCase, 1);
    }
    if (anyCase != 0 && anyCase - 1 + line.key.size() <= text.size() &&
        sameFewBytes(text.data() + anyCase - 1, line.key.data(), line.key.size())) {
        line.keyPos = anyCase - 1;
    } else {
        line.keyPos = anyCase == 0 ? std::string_view::npos : text.find(line.key, anyCase);
    }
    if (line.keyPos == std::string::npos) {
        if (anyCase == 0) {
            return "the key \"" + std::string(line.key) + "\" stands only in the comment.";
        }
        return "the key is written \"" + shown(text.substr(anyCase - 1, line.key.size())) +
               "\" instead of \"" + std::string(line.key) + "\".";
    }
    // The first ";" after the key and the first "=" before it, in one walk
    // (the key itself holds neither).
    const ValueMarks marks = valueMarks(text, line.keyPos + line.key.size());
    const std::size_t semi = marks.semi;
    const std::size_t equals = marks.equals;
    if (semi == std::string::npos) {
        return "no \";\" after the key \"" + std::string(line.key) + "\".";
    }
    if (equals == std::string_view::npos && text.find('=', semi) != std::string_view::npos) {
        return std::string("no \"=\" before the \";\".");
    }
    line.hasEquals = equals != std::string::npos;
    // Both ends are within the text: no bounds test.
    line.valueText = line.hasEquals ? std::string_view(text.data() + equals + 1, semi - equals - 1)
                                    : std::string_view(text.data(), semi);

    const auto index = static_cast<std::size_t>(slot);
    switch (kind) {
        case kReadBlocks:
            return storeBlock(line, model.Blocks[index]);
        case kReadBusinesses:
            return storeBusiness(line, model.Businesses[index]);
        case kReadTweaks:
            return storeTweaks(line, model.Tweaks);
        case kReadCommodities:
            return storeCommodity(line, model.Commodities[index]);
        default:
            return std::nullopt;
    }
}

// Interprets a line as interpretLine does; true when the line cannot be
// read, the cause then in scratch.failure. Only a failing line hands over a
// text.
template <int kind>
[[gnu::always_inline]] inline bool lineFails(std::string_view rawLine, SettingsModel& model,
                                             LineScratch& scratch) {
    if (auto failure = interpretLine<kind>(rawLine, model, scratch)) [[unlikely]] {
        scratch.failure = std::move(*failure);
        return true;
    }
    return false;
}

// The lines of one script's bytes, each line that cannot be read handed to
// onFailure as scanScript describes.
template <int kind, typename OnFailure>
void scanLines(std::string_view bytes, SettingsModel& model, LineScratch& scratch,
               OnFailure& onFailure) {
    LineCursor lines(bytes);
    std::string_view line;
    for (std::size_t lineNumber = 1; lines.next(line); ++lineNumber) {
        if (codeIsSurelyEmpty(line)) {
            continue;
        }
        if (lineFails<kind>(line, model, scratch)) [[unlikely]] {
            if (!onFailure(lineNumber, scratch.failure)) {
                break;
            }
        }
    }
}

// A kind without a reading of its own: no line names a record of it.
constexpr int kNoReadKind = -1;

}  // namespace

std::string_view keyOfLine(std::string_view line) {
    const int index = keyIndexOf(line);
    return index < 0 ? std::string_view() : kSettingKeys[static_cast<std::size_t>(index)];
}

int slotOfLine(int kind, std::string_view text) {
    std::size_t at = 0;
    return slotAndPlaceOfLine(identifierIndexOf(kind), kind, text, at);
}

namespace {

// The reading of one script, line by line, its bytes read into the given
// buffer (a load reuses one for its four scripts). onFailure(lineNumber,
// reason) is called for each line that cannot be read and returns whether to
// go on.
template <typename OnFailure>
FsStatus scanScript(FileSystem& fs, const std::string& path, int kind, SettingsModel& model,
                    std::string& bytes, OnFailure onFailure) {
    if (auto error = fs.readFile(path, bytes)) {
        return error;
    }
    LineScratch scratch(kind, model);
    switch (kind) {
        case kReadBlocks:
            scanLines<kReadBlocks>(bytes, model, scratch, onFailure);
            break;
        case kReadBusinesses:
            scanLines<kReadBusinesses>(bytes, model, scratch, onFailure);
            break;
        case kReadTweaks:
            scanLines<kReadTweaks>(bytes, model, scratch, onFailure);
            break;
        case kReadCommodities:
            scanLines<kReadCommodities>(bytes, model, scratch, onFailure);
            break;
        default:
            scanLines<kNoReadKind>(bytes, model, scratch, onFailure);
            break;
    }
    return std::nullopt;
}

// Each kind's code tables (the tweaks have none: their one record is named
// Tweaks), read into the loaded set.
void readCodeTablesOf(FileSystem& fs, const std::string& appPath, int kind, SettingsModel& model,
                      Notices& notices) {
    auto collect = [&notices](std::optional<Notice> notice) {
        if (notice) {
            notices.push_back(std::move(*notice));
        }
    };
    switch (kind) {
        case kReadBlocks:
            collect(readCodeTable(fs, appPath, "blk_code.txt", kBlockCount, model));
            collect(readCodeTable(fs, appPath, "blk_usa.txt", kBlockCount, model));
            break;
        case kReadBusinesses:
            collect(readCodeTable(fs, appPath, "biz_code.txt", kBusinessCount, model));
            collect(readCodeTable(fs, appPath, "biz_usa.txt", kBusinessCount, model));
            break;
        case kReadTweaks:
            model.Tweaks.code = std::string(kTweaksIdentifier);
            break;
        case kReadCommodities:
            collect(readCodeTable(fs, appPath, "com_code.txt", kCommodityCount, model));
            collect(readCodeTable(fs, appPath, "com_usa.txt", kCommodityCount, model));
            break;
        default:
            break;
    }
}

}  // namespace

namespace {

std::optional<Notice> readScriptWith(FileSystem& fs, const std::string& projectPath, int kind,
                                     SettingsModel& model, std::string& bytes) {
    const std::string_view fileName = scriptFileOfKind(kind);
    if (fileName.empty()) {
        return std::nullopt;
    }
    const std::string path = projectPath + std::string(fileName);
    std::optional<Notice> stop;
    const FsStatus error = scanScript(
        fs, path, kind, model, bytes, [&](std::size_t lineNumber, const std::string& reason) {
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

}  // namespace

std::optional<Notice> readScript(FileSystem& fs, const std::string& projectPath, int kind,
                                 SettingsModel& model) {
    std::string bytes;
    return readScriptWith(fs, projectPath, kind, model, bytes);
}

std::vector<ScriptProblem> checkScript(FileSystem& fs, const std::string& projectPath, int kind,
                                       SettingsModel& model) {
    const std::string_view fileName = scriptFileOfKind(kind);
    if (fileName.empty()) {
        return {};
    }
    const std::string path = projectPath + std::string(fileName);
    std::vector<ScriptProblem> problems;
    std::string bytes;
    const FsStatus error = scanScript(fs, path, kind, model, bytes,
                                      [&](std::size_t lineNumber, const std::string& reason) {
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
    SettingsModel& model = state.model;
    state.clearModel();
    std::string bytes;
    for (int kind : {kReadBlocks, kReadBusinesses, kReadTweaks, kReadCommodities}) {
        readCodeTablesOf(fs, appPath, kind, model, notices);
        if (auto notice = readScriptWith(fs, state.ProjectPath, kind, model, bytes)) {
            notices.push_back(std::move(*notice));
        }
    }
    model.copyLoadedToWorking();
    return notices;
}

}  // namespace tg
