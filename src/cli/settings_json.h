#pragma once

#include <string>

#include "model/settings_model.h"

namespace tg::cli {

// The settings that listSettings lists, as one JSON document:
//
//   {
//     "block": {
//       "AIRPORT": {
//         "buildingrights": false,
//         ...
//       },
//       ...
//     },
//     "business": { "BAKERY": { "closingtime": 17, "commodities": [
//         {"commodity": "BREAD", "amount": 80}, ... six entries ... ], ... } },
//     "commodity": { ... },
//     "tweaks": { "Tweaks": { ... } }
//   }
//
// Kinds, records and fields in the order of listSettings; a business's six
// commodity entries form one array "commodities" where commodity1 stands,
// a free entry as {"commodity": "", "amount": 0}. Numbers in the forms of
// `show`, flags as true and false, texts as strings. A record is keyed by its
// code; one whose code is empty or already taken by an earlier slot (a damaged
// code table) is keyed "#" + its slot number instead, so keys stay unique.
// Two blanks of indent per level; ends with a line end.
std::string settingsJson(const SettingsModel& model);

}  // namespace tg::cli
