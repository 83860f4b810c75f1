#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/editor_state.h"
#include "model/settings_model.h"

namespace tg::cli {

// Every setting of the loaded set, one line each: KIND CODE FIELD VALUE.
// Kinds block, business, commodity, tweaks in that order; records in slot
// order; fields in the records' field order (commodity1 to commodity6 for a
// business's six entries). Integers in plain decimal, doubles in the shortest
// form, flags as true or false, an empty text as "", a commodity entry as
// NAME:AMOUNT (a free one as :AMOUNT).
std::string listSettings(const SettingsModel& model);

// What `set` does to the model for one record: the working record of kind
// KIND whose code is CODE takes each FIELD=VALUE of assignments, read as the
// editor's Set buttons read their controls, and is marked changed; the kind's
// change flag and bDataHasChanged are raised.
//
// Values that the editor could not store are refused: a number outside the
// field's range or the editor's list of choices (also an infinite one), a flag
// other than true or false, a shopping group or commodity that is not one of
// the identifiers, an amount outside 1 to 100, and a rail or utility tweak
// while bVersionCompatible is false (the writer would not write it). A refusal
// changes nothing at all; the result then holds one message per problem.
std::vector<std::string> applySettings(EditorState& state, std::string_view kind,
                                       std::string_view code,
                                       const std::vector<std::string>& assignments);

}  // namespace tg::cli
