#pragma once

#include <array>
#include <string_view>

#include "model/records.h"

namespace tg {

// The fixed identifier tables: slot n of a kind is the record that a script
// line naming identifier n belongs to. List row n and map block n are slot n.
extern const std::array<std::string_view, kBlockCount> kBlockIdentifiers;
extern const std::array<std::string_view, kBusinessCount> kBusinessIdentifiers;
extern const std::array<std::string_view, kCommodityCount> kCommodityIdentifiers;
inline constexpr std::string_view kTweaksIdentifier = "Tweaks";

// Slot lookups: the first slot, in slot order, whose identifier occurs
// anywhere in the line (exact letter case), or -1 when none does.
int blockSlotOf(std::string_view line);
int businessSlotOf(std::string_view line);
int commoditySlotOf(std::string_view line);
int tweaksSlotOf(std::string_view line);

}  // namespace tg
