#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor_state.h"
#include "model/setting_fields.h"
#include "model/settings_model.h"

namespace tg::cli {

// One setting of one record, as `show` lists it. The fields, their names and
// order come from the table of setting fields (model/setting_fields.h).
struct Setting {
    std::string_view kind;   // block, business, commodity or tweaks
    int slot = 0;            // the record's slot (0 for the tweaks)
    std::string code;        // the record's code from the code tables, or Tweaks
    std::string_view field;  // the field's name, commodity1 to commodity6 for entries
    SettingType type = SettingType::Int16;
    std::string shown;  // the value in the form `show` writes
    std::string json;   // the value as a JSON value
};

// Every setting of the loaded set in the order listSettings describes.
std::vector<Setting> settingsOf(const SettingsModel& model);

// Every setting of the loaded set, one line each: KIND CODE FIELD VALUE.
// Kinds block, business, commodity, tweaks in that order; records in slot
// order; fields in the records' field order (commodity1 to commodity6 for a
// business's six entries). Integers in plain decimal, doubles in the shortest
// form, flags as true or false, an empty text as "", a commodity entry as
// NAME:AMOUNT (a free one as :AMOUNT).
std::string listSettings(const SettingsModel& model);

// Every setting whose shown value differs between two loaded sets, one line
// each, in the order of listSettings: KIND CODE FIELD BEFORE -> AFTER. Empty
// when they agree.
std::string diffSettings(const SettingsModel& before, const SettingsModel& after);

// The kind named `name`, in any letter case.
std::optional<RecordKind> kindNamed(std::string_view name);

// "block, business, commodity, tweaks".
std::string kindNames();

// What `set` does to the model for one record: the working record of `kind`
// whose code is CODE takes each FIELD=VALUE of assignments, read as the
// editor's Set buttons read their controls, and is stored as those buttons
// store it (edits.h).
//
// Values that the editor could not store are refused: a number outside the
// field's range or the editor's list of choices (also an infinite one), a flag
// other than true or false, a shopping group or commodity that is not one of
// the identifiers, an amount outside the offered range, and a rail or utility
// tweak while bVersionCompatible is false (the writer would not write it). A
// refusal changes nothing at all; the result then holds one message per
// problem.
std::vector<std::string> applySettings(EditorState& state, RecordKind kind, std::string_view code,
                                       const std::vector<std::string>& assignments);

}  // namespace tg::cli
