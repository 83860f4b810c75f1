#pragma once

#include <array>

#include "model/records.h"

namespace tg {

// The settings held twice: the loaded set (Blocks ... Tweaks), exactly as the
// scripts were read, and the working set (EditBlocks ... EditTweaks) that the
// editors change and the writer writes from.
struct SettingsModel {
    std::array<BlockRecord, kBlockCount> Blocks{};
    std::array<BusinessRecord, kBusinessCount> Businesses{};
    std::array<CommodityRecord, kCommodityCount> Commodities{};
    TweaksRecord Tweaks{};

    std::array<BlockRecord, kBlockCount> EditBlocks{};
    std::array<BusinessRecord, kBusinessCount> EditBusinesses{};
    std::array<CommodityRecord, kCommodityCount> EditCommodities{};
    TweaksRecord EditTweaks{};

    // Empties every record of the loaded set; the working set is left alone.
    void clearLoaded();

    // Copies every loaded record into the working set, keeping the working
    // records' changed flags as they are.
    void copyLoadedToWorking();

    // Reset one record: the fields that the editors' Reset buttons restore
    // (every setting; displayName, code and changed stay).
    void resetBlock(int slot);
    void resetBusiness(int slot);
    void resetCommodity(int slot);
    void resetTweaks();
};

}  // namespace tg
