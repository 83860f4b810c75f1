#pragma once

#include <array>
#include <string_view>

#include "model/records.h"

namespace tg {

// The fixed identifier tables: slot n of a kind is the record that a script
// line naming identifier n belongs to (the first slot, in slot order, whose
// identifier occurs in the line, exact letter case: the reader's slot
// lookup). List row n and map block n are slot n. The tweaks' one record is
// taken by any line that holds "Tweaks".
extern const std::array<std::string_view, kBlockCount> kBlockIdentifiers;
extern const std::array<std::string_view, kBusinessCount> kBusinessIdentifiers;
extern const std::array<std::string_view, kCommodityCount> kCommodityIdentifiers;
inline constexpr std::string_view kTweaksIdentifier = "Tweaks";

}  // namespace tg
