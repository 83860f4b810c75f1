#pragma once

// Every setting of the four scripts, described once: which record it belongs
// to, the key that names it in the script, the model field it fills, its type
// and the form in which it is written back. The reader, the writer,
// tgedit-cli and the fuzz targets all take their fields from here.
//
// How a caller walks it:
//
//     for (const SettingField<BusinessRecord>& f : settingFields<BusinessRecord>()) {
//         f.name;                        // "closingtime", ..., "commodity1" .. "commodity6"
//         settingNumber(record, f);      // Int16, Int32, Double; an entry's amount
//         settingFlag(record, f);        // Flag, BuildingRights
//         settingText(record, f);        // Membership; an entry's commodity
//         setSettingNumber(record, f, 3.0);  // the caller keeps the value in the type's range
//     }
//
// The fields of a kind come in the order of the record's members (the order
// `tgedit-cli show` lists them in); writeOrder gives the order in which the
// writer generates a changed record's lines. keyRank is the place of the key
// in the order the reader tests a line for keys (1 to 33; the fields that
// share a key share its rank). A line of a script is written as
// recordHead + head + value in `form` + tail, for example
// "Block[AIRPORT]" ".value = " "150" ";" (formatWritten of scripts/numbers.h
// gives a number's or a flag's text in its form).

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "model/records.h"

namespace tg {

// The four kinds of record, with the script each is read from and written to.
enum class RecordKind : std::uint8_t { Block, Business, Commodity, Tweaks };

struct RecordKindInfo {
    RecordKind kind;
    std::string_view name;        // "block", "business", "commodity", "tweaks"
    int fileNumber;               // 0 blocksettings.lua, 1 businesssettings.lua,
                                  // 2 commoditysettings.lua, 3 hub.lua
    std::string_view headBefore;  // the record part of a written line: headBefore + code +
    std::string_view headAfter;   // headAfter ("Block[" AIRPORT "]"); the tweaks: "Tweaks"
};
const RecordKindInfo& recordKindInfo(RecordKind kind);
// All four, in the order of RecordKind.
std::span<const RecordKindInfo> recordKinds();

// The kind of each record type.
template <class Record>
inline constexpr RecordKind kKindOf = RecordKind::Block;
template <>
inline constexpr RecordKind kKindOf<BusinessRecord> = RecordKind::Business;
template <>
inline constexpr RecordKind kKindOf<CommodityRecord> = RecordKind::Commodity;
template <>
inline constexpr RecordKind kKindOf<TweaksRecord> = RecordKind::Tweaks;

// The record part of a written line: "Block[AIRPORT]", "Tweaks".
std::string recordHead(RecordKind kind, std::string_view code);

// What a field holds and how the reader converts its value text.
enum class SettingType : std::uint8_t {
    Int16,           // 16-bit integer: a number, rounded half to even; out of range fails
    Int32,           // 32-bit integer, the same
    Double,          // any finite number
    Flag,            // true or false in any letter case, or a number (0 is false)
    BuildingRights,  // a flag that is true exactly when the value text is "2"
    Entry,           // one AddCommodity(COMMODITY, amount) entry of a business
    Membership,      // a commodity's shopping group, by Membership(GROUP)
};

// How the writer writes a field's value (numbers.h gives the forms).
enum class WrittenForm : std::uint8_t {
    Integer,      // plain decimal
    OneDecimal,   // "0.0"
    TwoDecimals,  // "0.00"
    Shortest,     // up to 15 significant digits, no trailing zeros
    TrueFalse,    // true or false
    TwoOrZero,    // 2 for true, 0 for false
    Arguments,    // an entry's COMMODITY,AMOUNT; a membership's group
};

// A business's commodity entry, 0 to 5.
struct EntryIndex {
    int index = 0;
};

template <class Record>
using SettingMember = std::variant<std::int16_t Record::*, std::int32_t Record::*, double Record::*,
                                   bool Record::*, std::string Record::*, EntryIndex>;

template <class Record>
struct SettingField {
    std::string_view name;  // the model field: "value", "commodity1", "membership"
    std::string_view key;   // the key as the script writes it: "value", "AddCommodity"
    int keyRank;            // the key's place in the reader's key order, 1 to 33
    std::string_view head;  // between the record part and the value: ".value = "
    std::string_view tail;  // after the value: ";" or ");"
    SettingType type;
    WrittenForm form;
    int writeOrder;  // place among the record's written lines, from 0
    SettingMember<Record> member;
    bool difficulty = false;  // a rail or utility tweak: written only for a compatible game
    // The values the editors offer, where they offer fewer than the type
    // holds (an entry's amount, a business's hours, areas and sides);
    // nothing for the type's whole range.
    std::optional<std::pair<int, int>> offered = std::nullopt;
    std::span<const int> choices = {};  // the only values offered, when they are a list
};

// The fields of each kind, in the record's member order.
template <class Record>
std::span<const SettingField<Record>> settingFields();
template <>
std::span<const SettingField<BlockRecord>> settingFields<BlockRecord>();
template <>
std::span<const SettingField<BusinessRecord>> settingFields<BusinessRecord>();
template <>
std::span<const SettingField<CommodityRecord>> settingFields<CommodityRecord>();
template <>
std::span<const SettingField<TweaksRecord>> settingFields<TweaksRecord>();

// The fields of a kind in the order the writer generates their lines.
template <class Record>
const std::vector<const SettingField<Record>*>& fieldsInWriteOrder() {
    static const std::vector<const SettingField<Record>*> fields = [] {
        std::vector<const SettingField<Record>*> inOrder;
        for (const SettingField<Record>& field : settingFields<Record>()) {
            inOrder.push_back(&field);
        }
        std::sort(inOrder.begin(), inOrder.end(),
                  [](const auto* a, const auto* b) { return a->writeOrder < b->writeOrder; });
        return inOrder;
    }();
    return fields;
}

// The first field of a kind whose key is `key` (exact letter case), or
// nullptr. For "AddCommodity" that is the first entry.
template <class Record>
const SettingField<Record>* fieldOfKey(std::string_view key) {
    for (const SettingField<Record>& field : settingFields<Record>()) {
        if (field.key == key) {
            return &field;
        }
    }
    return nullptr;
}

// The field of a kind named `name` (exact letter case), or nullptr.
template <class Record>
const SettingField<Record>* fieldNamed(std::string_view name) {
    for (const SettingField<Record>& field : settingFields<Record>()) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

// The range of the integer types.
inline std::pair<double, double> typeRange(SettingType type) {
    return type == SettingType::Int16 ? std::pair<double, double>(-32768.0, 32767.0)
                                      : std::pair<double, double>(-2147483648.0, 2147483647.0);
}

// A field's value as a number: Int16, Int32 and Double fields; an entry's
// amount; a flag as 0 or 1; a membership as 0.
template <class Record>
double settingNumber(const Record& record, const SettingField<Record>& field) {
    const auto& m = field.member;
    if (auto p = std::get_if<std::int16_t Record::*>(&m)) {
        return record.*(*p);
    }
    if (auto p = std::get_if<std::int32_t Record::*>(&m)) {
        return record.*(*p);
    }
    if (auto p = std::get_if<double Record::*>(&m)) {
        return record.*(*p);
    }
    if (auto p = std::get_if<bool Record::*>(&m)) {
        return record.*(*p) ? 1.0 : 0.0;
    }
    if constexpr (std::is_same_v<Record, BusinessRecord>) {
        if (auto p = std::get_if<EntryIndex>(&m)) {
            return record.commodities[static_cast<std::size_t>(p->index)].amount;
        }
    }
    return 0.0;
}

// A flag's value (Flag, BuildingRights); false for any other field.
template <class Record>
bool settingFlag(const Record& record, const SettingField<Record>& field) {
    auto p = std::get_if<bool Record::*>(&field.member);
    return p != nullptr && record.*(*p);
}

// A text field's value (Membership) or an entry's commodity; empty for any
// other field.
template <class Record>
std::string_view settingText(const Record& record, const SettingField<Record>& field) {
    if (auto p = std::get_if<std::string Record::*>(&field.member)) {
        return record.*(*p);
    }
    if constexpr (std::is_same_v<Record, BusinessRecord>) {
        if (auto p = std::get_if<EntryIndex>(&field.member)) {
            return record.commodities[static_cast<std::size_t>(p->index)].commodity;
        }
    }
    return {};
}

// Stores a number into an Int16, Int32 or Double field or an entry's amount
// (a whole number in the type's range: the caller rounds and checks), or a
// flag (any number other than 0 is true). Other fields are left alone.
template <class Record>
void setSettingNumber(Record& record, const SettingField<Record>& field, double value) {
    auto& m = field.member;
    if (auto p = std::get_if<std::int16_t Record::*>(&m)) {
        record.*(*p) = static_cast<std::int16_t>(value);
    } else if (auto p2 = std::get_if<std::int32_t Record::*>(&m)) {
        record.*(*p2) = static_cast<std::int32_t>(value);
    } else if (auto p3 = std::get_if<double Record::*>(&m)) {
        record.*(*p3) = value;
    } else if (auto p4 = std::get_if<bool Record::*>(&m)) {
        record.*(*p4) = value != 0.0;
    } else if constexpr (std::is_same_v<Record, BusinessRecord>) {
        if (auto p5 = std::get_if<EntryIndex>(&m)) {
            record.commodities[static_cast<std::size_t>(p5->index)].amount =
                static_cast<std::int16_t>(value);
        }
    }
}

template <class Record>
void setSettingFlag(Record& record, const SettingField<Record>& field, bool value) {
    if (auto p = std::get_if<bool Record::*>(&field.member)) {
        record.*(*p) = value;
    }
}

// Stores a text into a Membership field or an entry's commodity.
template <class Record>
void setSettingText(Record& record, const SettingField<Record>& field, std::string value) {
    if (auto p = std::get_if<std::string Record::*>(&field.member)) {
        record.*(*p) = std::move(value);
    } else if constexpr (std::is_same_v<Record, BusinessRecord>) {
        if (auto p2 = std::get_if<EntryIndex>(&field.member)) {
            record.commodities[static_cast<std::size_t>(p2->index)].commodity = std::move(value);
        }
    }
}

// The three shopping groups a Membership line may name, in the order the
// reader looks for them.
inline constexpr std::string_view kShoppingGroups[] = {"MAINSHOPPING", "ENTERTAINMENTSHOPPING",
                                                       "STAYOVERSHOPPING"};

}  // namespace tg
