#include "cli/settings_fields.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/numbers.h"

namespace tg::cli {

namespace {

// One setting of a record type: how `show` writes it and how `set` stores a
// text into it. store returns a refusal, or nothing when it stored the value.
template <class Record>
struct Field {
    std::string_view name;
    std::function<std::string(const Record&)> show;
    std::function<std::optional<std::string>(Record&, std::string_view)> store;
    // The rail and utility tweaks, which the writer leaves alone while the
    // game's version is not compatible.
    bool difficultyTweak = false;
    ValueForm form = ValueForm::Number;
    // Text and Entry: the text (or commodity) and the amount.
    std::function<std::pair<std::string, long long>(const Record&)> parts = nullptr;
};

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string flagText(bool value) {
    return value ? "true" : "false";
}

std::optional<bool> readFlag(std::string_view text) {
    if (equalsIgnoreCase(text, "true")) {
        return true;
    }
    if (equalsIgnoreCase(text, "false")) {
        return false;
    }
    return std::nullopt;
}

// The editor's number reading, refusing what no field can hold.
std::optional<std::string> readDouble(std::string_view text, double& out) {
    const double value = readNumber(text);
    if (!std::isfinite(value)) {
        return quoted(text) + " is not a finite number";
    }
    out = value;
    return std::nullopt;
}

// The editor's number reading, rounded half to even, inside [low, high].
std::optional<std::string> readWhole(std::string_view text, long long low, long long high,
                                     long long& out) {
    const double value = readNumber(text);
    if (!std::isfinite(value)) {
        return quoted(text) + " is not a finite number";
    }
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
        return quoted(text) + " is outside " + formatInteger(low) + " to " + formatInteger(high);
    }
    out = static_cast<long long>(rounded);
    return std::nullopt;
}

template <class Record, class Int>
Field<Record> integerField(std::string_view name, Int Record::*member, long long low,
                           long long high) {
    return {name, [member](const Record& r) { return formatInteger(r.*member); },
            [member, low, high](Record& r, std::string_view text) -> std::optional<std::string> {
                long long value = 0;
                if (auto refusal = readWhole(text, low, high, value)) {
                    return refusal;
                }
                r.*member = static_cast<Int>(value);
                return std::nullopt;
            }};
}

template <class Record>
Field<Record> int16Field(std::string_view name, std::int16_t Record::*member) {
    return integerField(name, member, INT16_MIN, INT16_MAX);
}

template <class Record>
Field<Record> int32Field(std::string_view name, std::int32_t Record::*member) {
    return integerField(name, member, INT32_MIN, INT32_MAX);
}

template <class Record>
Field<Record> doubleField(std::string_view name, double Record::*member) {
    return {name, [member](const Record& r) { return formatShortest(r.*member); },
            [member](Record& r, std::string_view text) -> std::optional<std::string> {
                double value = 0.0;
                if (auto refusal = readDouble(text, value)) {
                    return refusal;
                }
                r.*member = value;
                return std::nullopt;
            }};
}

template <class Record>
Field<Record> flagField(std::string_view name, bool Record::*member) {
    Field<Record> field{name, [member](const Record& r) { return flagText(r.*member); },
                        [member](Record& r, std::string_view text) -> std::optional<std::string> {
                            const auto value = readFlag(text);
                            if (!value) {
                                return quoted(text) + " is not true or false";
                            }
                            r.*member = *value;
                            return std::nullopt;
                        }};
    field.form = ValueForm::Flag;
    return field;
}

// A business's commodity entry k (0 to 5): NAME:AMOUNT, or nothing to free it.
Field<BusinessRecord> entryField(std::string_view name, int k) {
    Field<BusinessRecord> field{
        name,
        [k](const BusinessRecord& r) {
            const CommodityEntry& e = r.commodities[static_cast<std::size_t>(k)];
            return e.commodity + ":" + formatInteger(e.amount);
        },
        [k](BusinessRecord& r, std::string_view text) -> std::optional<std::string> {
            CommodityEntry& e = r.commodities[static_cast<std::size_t>(k)];
            if (text.empty()) {
                e = CommodityEntry{};
                return std::nullopt;
            }
            const auto colon = text.find(':');
            if (colon == std::string_view::npos) {
                return quoted(text) + " is not COMMODITY:AMOUNT (or empty to free the entry)";
            }
            const std::string_view commodity = text.substr(0, colon);
            bool known = false;
            for (const auto identifier : kCommodityIdentifiers) {
                known = known || identifier == commodity;
            }
            if (!known) {
                return quoted(commodity) + " is not a commodity identifier";
            }
            long long amount = 0;
            if (auto refusal = readWhole(text.substr(colon + 1), 1, 100, amount)) {
                return "amount " + *refusal;
            }
            e.commodity = std::string(commodity);
            e.amount = static_cast<std::int16_t>(amount);
            return std::nullopt;
        }};
    field.form = ValueForm::Entry;
    field.parts = [k](const BusinessRecord& r) {
        const CommodityEntry& e = r.commodities[static_cast<std::size_t>(k)];
        return std::pair<std::string, long long>(e.commodity, e.amount);
    };
    return field;
}

// A 16-bit business field that the editor offers as a list of numbers.
Field<BusinessRecord> listField(std::string_view name, std::int16_t BusinessRecord::*member,
                                long long low, long long high) {
    return integerField(name, member, low, high);
}

// The opening hour: the editor offers 9, 18 and 0 only.
Field<BusinessRecord> openingField() {
    auto field = int16Field("openingtime", &BusinessRecord::openingtime);
    field.store = [](BusinessRecord& r, std::string_view text) -> std::optional<std::string> {
        long long value = 0;
        if (auto refusal = readWhole(text, INT16_MIN, INT16_MAX, value)) {
            return refusal;
        }
        if (value != 9 && value != 18 && value != 0) {
            return quoted(text) + " is not one of 9, 18 or 0";
        }
        r.openingtime = static_cast<std::int16_t>(value);
        return std::nullopt;
    };
    return field;
}

const std::vector<Field<BlockRecord>>& blockFields() {
    static const std::vector<Field<BlockRecord>> fields = {
        flagField("buildingrights", &BlockRecord::buildingrights),
        flagField("ownable", &BlockRecord::ownable),
        doubleField("prestige", &BlockRecord::prestige),
        int16Field("value", &BlockRecord::value),
    };
    return fields;
}

const std::vector<Field<BusinessRecord>>& businessFields() {
    using B = BusinessRecord;
    static const std::vector<Field<B>> fields = {
        listField("closingtime", &B::closingtime, 0, 23),
        entryField("commodity1", 0),
        entryField("commodity2", 1),
        entryField("commodity3", 2),
        entryField("commodity4", 3),
        entryField("commodity5", 4),
        entryField("commodity6", 5),
        doubleField("density", &B::density),
        doubleField("electricalneed", &B::electricalneed),
        int16Field("footprintband", &B::footprintband),
        doubleField("gasneed", &B::gasneed),
        listField("minarea", &B::minarea, 1, 49),
        int16Field("minheight", &B::minheight),
        listField("maxarea", &B::maxarea, 1, 49),
        int16Field("maxheight", &B::maxheight),
        listField("maxside", &B::maxside, 1, 7),
        openingField(),
        int16Field("refurbcost", &B::refurbcost),
        int16Field("stockcapacity", &B::stockcapacity),
        doubleField("telecomneed", &B::telecomneed),
        doubleField("timeinstore", &B::timeinstore),
        doubleField("waterneed", &B::waterneed),
    };
    return fields;
}

const std::vector<Field<CommodityRecord>>& commodityFields() {
    static const std::vector<Field<CommodityRecord>> fields = {
        doubleField("markup", &CommodityRecord::markup),
        {"membership",
         [](const CommodityRecord& r) { return r.membership.empty() ? "\"\"" : r.membership; },
         [](CommodityRecord& r, std::string_view text) -> std::optional<std::string> {
             for (const char* group :
                  {"MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING"}) {
                 if (equalsIgnoreCase(text, group)) {
                     r.membership = group;
                     return std::nullopt;
                 }
             }
             return quoted(text) +
                    " is not MAINSHOPPING, ENTERTAINMENTSHOPPING or STAYOVERSHOPPING";
         },
         false, ValueForm::Text,
         [](const CommodityRecord& r) {
             return std::pair<std::string, long long>(r.membership, 0);
         }},
        doubleField("value", &CommodityRecord::value),
    };
    return fields;
}

const std::vector<Field<TweaksRecord>>& tweaksFields() {
    using T = TweaksRecord;
    static const std::vector<Field<T>> fields = [] {
        std::vector<Field<T>> list = {
            int32Field("blockleaselength", &T::blockleaselength),
            flagField("citybusinessesownable", &T::citybusinessesownable),
            int32Field("dailyfreightEASY", &T::dailyfreightEASY),
            int32Field("dailyfreightHARD", &T::dailyfreightHARD),
            int32Field("dailyfreightMEDIUM", &T::dailyfreightMEDIUM),
            flagField("daysoff", &T::daysoff),
            int32Field("numyearsin24hours", &T::numyearsin24hours),
            doubleField("railutilincomeEASY", &T::railutilincomeEASY),
            doubleField("railutilincomeHARD", &T::railutilincomeHARD),
            doubleField("railutilincomeMEDIUM", &T::railutilincomeMEDIUM),
        };
        for (auto& field : list) {
            field.difficultyTweak = field.name.rfind("railutilincome", 0) == 0 ||
                                    field.name.rfind("dailyfreight", 0) == 0;
        }
        return list;
    }();
    return fields;
}

template <class Record>
void collectRecord(std::vector<Setting>& out, std::string_view kind, int slot, const Record& record,
                   std::string_view code, const std::vector<Field<Record>>& fields) {
    for (const auto& field : fields) {
        Setting setting;
        setting.kind = kind;
        setting.slot = slot;
        setting.code = std::string(code);
        setting.field = field.name;
        setting.shown = field.show(record);
        setting.form = field.form;
        if (field.parts) {
            auto [text, amount] = field.parts(record);
            setting.text = std::move(text);
            setting.amount = amount;
        }
        out.push_back(std::move(setting));
    }
}

template <class Record, std::size_t N>
void collectRecords(std::vector<Setting>& out, std::string_view kind,
                    const std::array<Record, N>& records,
                    const std::vector<Field<Record>>& fields) {
    for (std::size_t i = 0; i < N; ++i) {
        collectRecord(out, kind, static_cast<int>(i), records[i], records[i].code, fields);
    }
}

// FIELD=VALUE applied to a copy of the record; refusals are collected.
template <class Record>
std::vector<std::string> storeInto(Record& record, std::string_view where,
                                   const std::vector<Field<Record>>& fields,
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
        const Field<Record>* found = nullptr;
        for (const auto& field : fields) {
            if (equalsIgnoreCase(field.name, name)) {
                found = &field;
            }
        }
        if (found == nullptr) {
            std::string known;
            for (const auto& field : fields) {
                known += (known.empty() ? "" : ", ") + std::string(field.name);
            }
            refusals.push_back(std::string(where) + ": no field " + quoted(name) +
                               " (fields: " + known + ")");
            continue;
        }
        const std::string at = std::string(where) + " " + std::string(found->name) + ": ";
        if (found->difficultyTweak && !versionCompatible) {
            refusals.push_back(at +
                               "this game version does not take the rail and utility tweaks, "
                               "so they are not written");
            continue;
        }
        if (auto refusal = found->store(record, text)) {
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
std::vector<std::string> applyToRecords(std::array<Record, N>& records, std::string_view kind,
                                        std::string_view code,
                                        const std::vector<Field<Record>>& fields,
                                        const std::vector<std::string>& assignments, bool& kindFlag,
                                        bool& dataFlag) {
    const int slot = slotOfCode(records, code);
    if (slot < 0) {
        return {"no " + std::string(kind) + " with the code " + quoted(code)};
    }
    Record edited = records[static_cast<std::size_t>(slot)];
    const std::string where = std::string(kind) + " " + edited.code;
    auto refusals = storeInto(edited, where, fields, assignments, true);
    if (!refusals.empty()) {
        return refusals;
    }
    edited.changed = true;
    records[static_cast<std::size_t>(slot)] = edited;
    kindFlag = true;
    dataFlag = true;
    return {};
}

}  // namespace

std::vector<Setting> settingsOf(const SettingsModel& model) {
    std::vector<Setting> out;
    collectRecords(out, "block", model.Blocks, blockFields());
    collectRecords(out, "business", model.Businesses, businessFields());
    collectRecords(out, "commodity", model.Commodities, commodityFields());
    collectRecord(out, "tweaks", 0, model.Tweaks, kTweaksIdentifier, tweaksFields());
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

std::vector<std::string> applySettings(EditorState& state, std::string_view kind,
                                       std::string_view code,
                                       const std::vector<std::string>& assignments) {
    if (assignments.empty()) {
        return {"nothing to set: give at least one FIELD=VALUE"};
    }
    SettingsModel& m = state.model;
    if (equalsIgnoreCase(kind, "block")) {
        return applyToRecords(m.EditBlocks, "block", code, blockFields(), assignments,
                              state.bBlockHasChanged, state.bDataHasChanged);
    }
    if (equalsIgnoreCase(kind, "business")) {
        return applyToRecords(m.EditBusinesses, "business", code, businessFields(), assignments,
                              state.bBusinessHasChanged, state.bDataHasChanged);
    }
    if (equalsIgnoreCase(kind, "commodity")) {
        return applyToRecords(m.EditCommodities, "commodity", code, commodityFields(), assignments,
                              state.bCommodityHasChanged, state.bDataHasChanged);
    }
    if (equalsIgnoreCase(kind, "tweaks")) {
        if (!equalsIgnoreCase(code, kTweaksIdentifier)) {
            return {"the tweaks have the code Tweaks, not " + quoted(code)};
        }
        TweaksRecord edited = m.EditTweaks;
        auto refusals = storeInto(edited, "tweaks Tweaks", tweaksFields(), assignments,
                                  state.bVersionCompatible);
        if (!refusals.empty()) {
            return refusals;
        }
        m.EditTweaks = edited;
        state.bCityHasChanged = true;
        state.bDataHasChanged = true;
        return {};
    }
    return {"no kind " + quoted(kind) + " (kinds: block, business, commodity, tweaks)"};
}

}  // namespace tg::cli
