#pragma once

#include <array>
#include <string_view>

namespace tg {

// The reader's kinds, in load order: 0 blocks, 1 businesses, 2 tweaks,
// 3 commodities.
enum ReaderKind : int { kReadBlocks = 0, kReadBusinesses = 1, kReadTweaks = 2, kReadCommodities = 3 };

// The writer's file numbers: 0 blocksettings.lua, 1 businesssettings.lua,
// 2 commoditysettings.lua, 3 hub.lua. Note that tweaks and commodities swap
// places against the reader's kinds.
inline constexpr std::array<std::string_view, 4> kScriptFiles = {
    "blocksettings.lua", "businesssettings.lua", "commoditysettings.lua", "hub.lua"};

// The script of a reader kind.
constexpr std::string_view scriptFileOfKind(int kind) {
    switch (kind) {
        case kReadBlocks: return kScriptFiles[0];
        case kReadBusinesses: return kScriptFiles[1];
        case kReadTweaks: return kScriptFiles[3];
        case kReadCommodities: return kScriptFiles[2];
        default: return {};
    }
}

}  // namespace tg
