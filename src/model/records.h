#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tg {

inline constexpr int kBlockCount = 42;
inline constexpr int kBusinessCount = 45;
inline constexpr int kCommodityCount = 32;
inline constexpr int kCommodityEntries = 6;

// One block of the city map (blocksettings.lua).
struct BlockRecord {
    std::string displayName;
    bool buildingrights = false;  // the script's building-rights value is 2
    std::string code;
    bool changed = false;  // working set only: rewrite this block's lines on save
    bool ownable = false;
    double prestige = 0.0;
    std::int16_t value = 0;

    bool operator==(const BlockRecord&) const = default;
};

// One AddCommodity entry of a business; an empty commodity means the entry is free.
struct CommodityEntry {
    std::string commodity;
    std::int16_t amount = 0;

    bool operator==(const CommodityEntry&) const = default;
};

// One business type (businesssettings.lua).
struct BusinessRecord {
    std::string displayName;
    std::int16_t closingtime = 0;
    std::string code;
    std::array<CommodityEntry, kCommodityEntries> commodities{};
    double density = 0.0;
    double electricalneed = 0.0;
    std::int16_t footprintband = 0;
    double gasneed = 0.0;
    bool changed = false;
    std::int16_t minarea = 0;
    std::int16_t minheight = 0;
    std::int16_t maxarea = 0;
    std::int16_t maxheight = 0;
    std::int16_t maxside = 0;
    std::int16_t openingtime = 0;
    std::int16_t refurbcost = 0;
    std::int16_t stockcapacity = 0;
    double telecomneed = 0.0;
    double timeinstore = 0.0;
    double waterneed = 0.0;

    bool operator==(const BusinessRecord&) const = default;
};

// One commodity (commoditysettings.lua).
struct CommodityRecord {
    std::string code;
    std::string displayName;
    bool changed = false;
    double markup = 0.0;
    std::string membership;  // MAINSHOPPING, ENTERTAINMENTSHOPPING, STAYOVERSHOPPING or empty
    double value = 0.0;

    bool operator==(const CommodityRecord&) const = default;
};

// The city-wide tweaks of hub.lua. A change to them is tracked by
// EditorState::bCityHasChanged, not by a flag of their own.
struct TweaksRecord {
    std::int32_t blockleaselength = 0;
    bool citybusinessesownable = false;
    std::string code;  // always "Tweaks" once a project is loaded
    std::int32_t dailyfreightEASY = 0;
    std::int32_t dailyfreightHARD = 0;
    std::int32_t dailyfreightMEDIUM = 0;
    bool daysoff = false;
    std::int32_t numyearsin24hours = 0;
    double railutilincomeEASY = 0.0;
    double railutilincomeHARD = 0.0;
    double railutilincomeMEDIUM = 0.0;

    bool operator==(const TweaksRecord&) const = default;
};

}  // namespace tg
