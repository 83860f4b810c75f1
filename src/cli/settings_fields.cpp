#include "cli/settings_fields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "cli/json_text.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "project/edits.h"
#include "scripts/numbers.h"

namespace tg::cli {

namespace {

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// "A, B or C".
std::string oneOf(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out += i + 1 == items.size() ? " or " : ", ";
        }
        out += items[i];
    }
    return out;
}

template <class Record>
std::string_view kindName() {
    return recordKindInfo(kKindOf<Record>).name;
}

template <class Record>
long long wholeNumber(const Record& record, const SettingField<Record>& field) {
    return static_cast<long long>(settingNumber(record, field));
}

// A value as `show` writes it: whole numbers in plain decimal, other numbers
// in the shortest form, flags as true or false, an empty group as "", an
// entry as COMMODITY:AMOUNT.
template <class Record>
std::string shownValue(const Record& record, const SettingField<Record>& field) {
    switch (field.type) {
        case SettingType::Int16:
        case SettingType::Int32:
            return formatInteger(wholeNumber(record, field));
        case SettingType::Double:
            return formatShortest(settingNumber(record, field));
        case SettingType::Flag:
        case SettingType::BuildingRights:
            return settingFlag(record, field) ? "true" : "false";
        case SettingType::Entry:
            return std::string(settingText(record, field)) + ":" +
                   formatInteger(wholeNumber(record, field));
        case SettingType::Membership:
            return settingText(record, field).empty() ? "\"\""
                                                      : std::string(settingText(record, field));
    }
    return {};
}

// The same value as JSON: numbers and flags as `show` writes them (a number
// that is not finite, which no script gives, as null), a group as a string, an
// entry as {"commodity": ..., "amount": ...}.
template <class Record>
std::string jsonValue(const Record& record, const SettingField<Record>& field,
                      const std::string& shown) {
    std::string out;
    switch (field.type) {
        case SettingType::Double:
            return std::isfinite(settingNumber(record, field)) ? shown : "null";
        case SettingType::Int16:
        case SettingType::Int32:
        case SettingType::Flag:
        case SettingType::BuildingRights:
            return shown;
        case SettingType::Membership:
            appendJsonString(out, settingText(record, field));
            return out;
        case SettingType::Entry:
            out = "{\"commodity\": ";
            appendJsonString(out, settingText(record, field));
            out += ", \"amount\": " + formatInteger(wholeNumber(record, field)) + "}";
            return out;
    }
    return out;
}

template <class Record>
void collect(std::vector<Setting>& out, int slot, const Record& record, std::string_view code) {
    for (const SettingField<Record>& field : settingFields<Record>()) {
        std::string shown = shownValue(record, field);
        std::string json = jsonValue(record, field, shown);
        out.push_back({kindName<Record>(), slot, std::string(code), field.name, field.type,
                       std::move(shown), std::move(json)});
    }
}

template <class Record, std::size_t N>
void collectAll(std::vector<Setting>& out, const std::array<Record, N>& records) {
    for (std::size_t i = 0; i < N; ++i) {
        collect(out, static_cast<int>(i), records[i], records[i].code);
    }
}

// The editor's number reading: a finite number, and for a whole-number field
// (or an entry's amount) rounded half to even and inside the field's range,
// the values the editor offers or else the type's.
template <class Record>
std::optional<std::string> readValue(std::string_view text, const SettingField<Record>& field,
                                     double& out) {
    out = readNumber(text);
    if (!std::isfinite(out)) {
        return quoted(text) + " is not a finite number";
    }
    if (field.type == SettingType::Double) {
        return std::nullopt;
    }
    out = roundHalfEven(out);
    const auto [low, high] =
        field.offered ? std::pair<double, double>(*field.offered) : typeRange(field.type);
    if (out < low || out > high) {
        return quoted(text) + " is outside " + formatInteger(static_cast<long long>(low)) + " to " +
               formatInteger(static_cast<long long>(high));
    }
    return std::nullopt;
}

// A business's commodity entry: COMMODITY:AMOUNT, or nothing to free it.
template <class Record>
std::optional<std::string> storeEntry(Record& record, const SettingField<Record>& field,
                                      std::string_view text) {
    if (text.empty()) {
        setSettingText(record, field, "");
        setSettingNumber(record, field, 0.0);
        return std::nullopt;
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return quoted(text) + " is not COMMODITY:AMOUNT (or empty to free the entry)";
    }
    const std::string_view commodity = text.substr(0, colon);
    if (std::find(kCommodityIdentifiers.begin(), kCommodityIdentifiers.end(), commodity) ==
        kCommodityIdentifiers.end()) {
        return quoted(commodity) + " is not a commodity identifier";
    }
    double amount = 0.0;
    if (auto refusal = readValue(text.substr(colon + 1), field, amount)) {
        return "amount " + *refusal;
    }
    setSettingText(record, field, std::string(commodity));
    setSettingNumber(record, field, amount);
    return std::nullopt;
}

// Reads `text` as the editor reads the field's control and stores it in
// `record`; the refusal when the editor could not store it.
template <class Record>
std::optional<std::string> storeValue(Record& record, const SettingField<Record>& field,
                                      std::string_view text) {
    switch (field.type) {
        case SettingType::Int16:
        case SettingType::Int32:
        case SettingType::Double: {
            double value = 0.0;
            if (auto refusal = readValue(text, field, value)) {
                return refusal;
            }
            if (!field.choices.empty()) {
                std::vector<std::string> choices;
                bool offered = false;
                for (const int choice : field.choices) {
                    choices.push_back(formatInteger(choice));
                    offered = offered || choice == value;
                }
                if (!offered) {
                    return quoted(text) + " is not one of " + oneOf(choices);
                }
            }
            setSettingNumber(record, field, value);
            return std::nullopt;
        }
        case SettingType::Flag:
        case SettingType::BuildingRights:
            if (!equalsIgnoreCase(text, "true") && !equalsIgnoreCase(text, "false")) {
                return quoted(text) + " is not true or false";
            }
            setSettingFlag(record, field, equalsIgnoreCase(text, "true"));
            return std::nullopt;
        case SettingType::Membership: {
            std::vector<std::string> groups;
            for (const std::string_view group : kShoppingGroups) {
                if (equalsIgnoreCase(text, group)) {
                    setSettingText(record, field, std::string(group));
                    return std::nullopt;
                }
                groups.emplace_back(group);
            }
            return quoted(text) + " is not " + oneOf(groups);
        }
        case SettingType::Entry:
            return storeEntry(record, field, text);
    }
    return std::nullopt;
}

// FIELD=VALUE applied to the record in turn; refusals are collected.
template <class Record>
std::vector<std::string> storeInto(Record& record, const std::string& where,
                                   const std::vector<std::string>& assignments,
                                   bool versionCompatible) {
    std::vector<std::string> refusals;
    for (const auto& assignment : assignments) {
        const auto eq = assignment.find('=');
        if (eq == std::string::npos) {
            refusals.push_back(quoted(assignment) + " is not FIELD=VALUE");
            continue;
        }
        const std::string_view name = std::string_view(assignment).substr(0, eq);
        const std::string_view text = std::string_view(assignment).substr(eq + 1);
        const SettingField<Record>* found = nullptr;
        std::string names;
        for (const SettingField<Record>& field : settingFields<Record>()) {
            if (equalsIgnoreCase(field.name, name)) {
                found = &field;
            }
            names += (names.empty() ? "" : ", ") + std::string(field.name);
        }
        if (found == nullptr) {
            refusals.push_back(where + ": no field " + quoted(name) + " (fields: " + names + ")");
            continue;
        }
        const std::string at = where + " " + std::string(found->name) + ": ";
        if (found->difficulty && !versionCompatible) {
            refusals.push_back(at +
                               "this game version does not take the rail and utility tweaks, "
                               "so they are not written");
            continue;
        }
        if (auto refusal = storeValue(record, *found, text)) {
            refusals.push_back(at + *refusal);
        }
    }
    return refusals;
}

// The slot whose code is `code`: exact letter case first, then any case.
template <class Record, std::size_t N>
int slotOfCode(const std::array<Record, N>& records, std::string_view code) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!records[i].code.empty() && records[i].code == code) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (!records[i].code.empty() && equalsIgnoreCase(records[i].code, code)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <class Record, std::size_t N>
std::vector<std::string> applyToRecord(EditorState& state, const std::array<Record, N>& records,
                                       std::string_view code,
                                       const std::vector<std::string>& assignments,
                                       void (*store)(EditorState&, int, const Record&)) {
    const int slot = slotOfCode(records, code);
    if (slot < 0) {
        return {"no " + std::string(kindName<Record>()) + " with the code " + quoted(code)};
    }
    Record edited = records[static_cast<std::size_t>(slot)];
    const std::string where = std::string(kindName<Record>()) + " " + edited.code;
    auto refusals = storeInto(edited, where, assignments, true);
    if (refusals.empty()) {
        store(state, slot, edited);
    }
    return refusals;
}

}  // namespace

std::vector<Setting> settingsOf(const SettingsModel& model) {
    std::vector<Setting> out;
    collectAll(out, model.Blocks);
    collectAll(out, model.Businesses);
    collectAll(out, model.Commodities);
    collect(out, 0, model.Tweaks, kTweaksIdentifier);
    return out;
}

std::string listSettings(const SettingsModel& model) {
    std::string out;
    for (const Setting& s : settingsOf(model)) {
        out.append(s.kind).append(" ").append(s.code).append(" ").append(s.field);
        out.append(" ").append(s.shown).append("\n");
    }
    return out;
}

std::string diffSettings(const SettingsModel& before, const SettingsModel& after) {
    const std::vector<Setting> old = settingsOf(before);
    const std::vector<Setting> now = settingsOf(after);
    std::string out;
    // Both lists hold every slot and field in the same order.
    for (std::size_t i = 0; i < old.size() && i < now.size(); ++i) {
        if (old[i].shown == now[i].shown) {
            continue;
        }
        const Setting& s = now[i];
        out.append(s.kind).append(" ").append(s.code).append(" ").append(s.field);
        out.append(" ").append(old[i].shown).append(" -> ").append(s.shown).append("\n");
    }
    return out;
}

std::optional<RecordKind> kindNamed(std::string_view name) {
    for (const RecordKindInfo& info : recordKinds()) {
        if (equalsIgnoreCase(name, info.name)) {
            return info.kind;
        }
    }
    return std::nullopt;
}

std::string kindNames() {
    std::string names;
    for (const RecordKindInfo& info : recordKinds()) {
        names += (names.empty() ? "" : ", ") + std::string(info.name);
    }
    return names;
}

std::vector<std::string> applySettings(EditorState& state, RecordKind kind, std::string_view code,
                                       const std::vector<std::string>& assignments) {
    SettingsModel& m = state.model;
    switch (kind) {
        case RecordKind::Block:
            return applyToRecord(state, m.EditBlocks, code, assignments, storeBlock);
        case RecordKind::Business:
            return applyToRecord(state, m.EditBusinesses, code, assignments, storeBusiness);
        case RecordKind::Commodity:
            return applyToRecord(state, m.EditCommodities, code, assignments, storeCommodity);
        case RecordKind::Tweaks:
            break;
    }
    if (!equalsIgnoreCase(code, kTweaksIdentifier)) {
        return {"the tweaks have the code Tweaks, not " + quoted(code)};
    }
    TweaksRecord edited = m.EditTweaks;
    auto refusals = storeInto(edited, "tweaks " + std::string(kTweaksIdentifier), assignments,
                              state.bVersionCompatible);
    if (refusals.empty()) {
        storeTweaks(state, edited);
    }
    return refusals;
}

}  // namespace tg::cli
