#include "model/settings_model.h"

namespace tg {

void SettingsModel::clearLoaded() {
    Blocks.fill(BlockRecord{});
    Businesses.fill(BusinessRecord{});
    Commodities.fill(CommodityRecord{});
    Tweaks = TweaksRecord{};
}

namespace {

template <typename Record>
void copyKeepingChanged(const Record& from, Record& to) {
    const bool changed = to.changed;
    to = from;
    to.changed = changed;
}

}  // namespace

void SettingsModel::copyLoadedToWorking() {
    for (int i = 0; i < kBlockCount; ++i) {
        copyKeepingChanged(Blocks[i], EditBlocks[i]);
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        copyKeepingChanged(Businesses[i], EditBusinesses[i]);
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        copyKeepingChanged(Commodities[i], EditCommodities[i]);
    }
    EditTweaks = Tweaks;
}

void SettingsModel::resetBlock(int slot) {
    const BlockRecord& l = Blocks.at(slot);
    BlockRecord& b = EditBlocks.at(slot);
    b.ownable = l.ownable;
    b.buildingrights = l.buildingrights;
    b.prestige = l.prestige;
    b.value = l.value;
}

void SettingsModel::resetBusiness(int slot) {
    const BusinessRecord& l = Businesses.at(slot);
    BusinessRecord& b = EditBusinesses.at(slot);
    b.density = l.density;
    b.minheight = l.minheight;
    b.maxheight = l.maxheight;
    b.maxside = l.maxside;
    b.minarea = l.minarea;
    b.maxarea = l.maxarea;
    b.timeinstore = l.timeinstore;
    b.openingtime = l.openingtime;
    b.closingtime = l.closingtime;
    b.footprintband = l.footprintband;
    b.refurbcost = l.refurbcost;
    b.stockcapacity = l.stockcapacity;
    b.electricalneed = l.electricalneed;
    b.gasneed = l.gasneed;
    b.telecomneed = l.telecomneed;
    b.waterneed = l.waterneed;
    b.commodities = l.commodities;
}

void SettingsModel::resetCommodity(int slot) {
    const CommodityRecord& l = Commodities.at(slot);
    CommodityRecord& c = EditCommodities.at(slot);
    c.markup = l.markup;
    c.value = l.value;
    c.membership = l.membership;
}

void SettingsModel::resetTweaks() {
    const std::string code = EditTweaks.code;
    EditTweaks = Tweaks;
    EditTweaks.code = code;
}

}  // namespace tg
