#include "model/setting_fields.h"

#include <array>

namespace tg {

namespace {

constexpr std::array<RecordKindInfo, 4> kKinds = {{
    {RecordKind::Block, "block", 0, "Block[", "]"},
    {RecordKind::Business, "business", 1, "BusinessInfo[", "]"},
    {RecordKind::Commodity, "commodity", 2, "Commodity[", "]"},
    {RecordKind::Tweaks, "tweaks", 3, "Tweaks", ""},
}};

using T = SettingType;
using W = WrittenForm;

using Bl = BlockRecord;
const std::array<SettingField<Bl>, 4> kBlockFields = {{
    // name, key, key rank, head, tail, type, written form, write order, member
    {"buildingrights", "buildingrights", 4, ".buildingrights = ", ";", T::BuildingRights,
     W::TwoOrZero, 0, &Bl::buildingrights},
    {"ownable", "ownable", 3, ".ownable = ", ";", T::Flag, W::TrueFalse, 1, &Bl::ownable},
    {"prestige", "prestige", 2, ".prestige = ", ";", T::Double, W::TwoDecimals, 2, &Bl::prestige},
    {"value", "value", 1, ".value = ", ";", T::Int16, W::Integer, 3, &Bl::value},
}};

using Bu = BusinessRecord;
constexpr std::array<int, 3> kOpeningTimes = {9, 18, 0};
constexpr std::pair<int, int> kAmounts = {1, 100};

SettingField<Bu> entry(std::string_view name, int index) {
    return {name,      "AddCommodity",    33,    ":AddCommodity(", ");", T::Entry, W::Arguments,
            1 + index, EntryIndex{index}, false, kAmounts};
}

const std::array<SettingField<Bu>, 22> kBusinessFields = {{
    {"closingtime", "closingtime", 15, ".closingtime = ", ";", T::Int16, W::Integer, 0,
     &Bu::closingtime, false, std::pair(0, 23)},
    entry("commodity1", 0),
    entry("commodity2", 1),
    entry("commodity3", 2),
    entry("commodity4", 3),
    entry("commodity5", 4),
    entry("commodity6", 5),
    {"density", "density", 7, ".density = ", ";", T::Double, W::Shortest, 7, &Bu::density},
    {"electricalneed", "electricalneed", 16, ".electricalneed = ", ";", T::Double, W::TwoDecimals,
     8, &Bu::electricalneed},
    {"footprintband", "footprintband", 20, ".footprintband = ", ";", T::Int16, W::Integer, 9,
     &Bu::footprintband},
    {"gasneed", "gasneed", 17, ".gasneed = ", ";", T::Double, W::TwoDecimals, 10, &Bu::gasneed},
    {"minarea", "minarea", 8, ".minarea = ", ";", T::Int16, W::Integer, 14, &Bu::minarea, false,
     std::pair(1, 49)},
    {"minheight", "minheight", 10, ".minheight = ", ";", T::Int16, W::Integer, 15, &Bu::minheight},
    {"maxarea", "maxarea", 9, ".maxarea = ", ";", T::Int16, W::Integer, 11, &Bu::maxarea, false,
     std::pair(1, 49)},
    {"maxheight", "maxheight", 11, ".maxheight = ", ";", T::Int16, W::Integer, 12, &Bu::maxheight},
    {"maxside", "maxside", 12, ".maxside = ", ";", T::Int16, W::Integer, 13, &Bu::maxside, false,
     std::pair(1, 7)},
    {"openingtime", "openingtime", 14, ".openingtime = ", ";", T::Int16, W::Integer, 16,
     &Bu::openingtime, false, std::nullopt, kOpeningTimes},
    {"refurbcost", "refurbcost", 6, ".refurbcost = ", ";", T::Int16, W::Integer, 17,
     &Bu::refurbcost},
    {"stockcapacity", "stockcapacity", 13, ".stockcapacity = ", ";", T::Int16, W::Integer, 18,
     &Bu::stockcapacity},
    {"telecomneed", "telecomneed", 18, ".telecomneed = ", ";", T::Double, W::TwoDecimals, 19,
     &Bu::telecomneed},
    {"timeinstore", "timeinstore", 5, ".timeinstore = ", ";", T::Double, W::TwoDecimals, 20,
     &Bu::timeinstore},
    {"waterneed", "waterneed", 19, ".waterneed = ", ";", T::Double, W::TwoDecimals, 21,
     &Bu::waterneed},
}};

using Co = CommodityRecord;
const std::array<SettingField<Co>, 3> kCommodityFields = {{
    {"markup", "markup", 21, ".markup = ", ";", T::Double, W::TwoDecimals, 0, &Co::markup},
    {"membership", "Membership", 22, ":Membership(", ");", T::Membership, W::Arguments, 1,
     &Co::membership},
    {"value", "value", 1, ".value = ", ";", T::Double, W::TwoDecimals, 2, &Co::value},
}};

using Tw = TweaksRecord;
const std::array<SettingField<Tw>, 10> kTweaksFields = {{
    {"blockleaselength", "blockleaselength", 32, ".blockleaselength = ", ";", T::Int32, W::Integer,
     0, &Tw::blockleaselength},
    {"citybusinessesownable", "citybusinessesownable", 29, ".citybusinessesownable = ", ";",
     T::Flag, W::TrueFalse, 1, &Tw::citybusinessesownable},
    {"dailyfreightEASY", "dailyfreightEASY", 26, ".dailyfreightEASY = ", ";", T::Int32, W::Integer,
     2, &Tw::dailyfreightEASY, true},
    {"dailyfreightHARD", "dailyfreightHARD", 28, ".dailyfreightHARD = ", ";", T::Int32, W::Integer,
     3, &Tw::dailyfreightHARD, true},
    {"dailyfreightMEDIUM", "dailyfreightMEDIUM", 27, ".dailyfreightMEDIUM = ", ";", T::Int32,
     W::Integer, 4, &Tw::dailyfreightMEDIUM, true},
    {"daysoff", "daysoff", 30, ".daysoff = ", ";", T::Flag, W::TrueFalse, 5, &Tw::daysoff},
    {"numyearsin24hours", "numyearsin24hours", 31, ".numyearsin24hours = ", ";", T::Int32,
     W::Integer, 6, &Tw::numyearsin24hours},
    {"railutilincomeEASY", "railutilincomeEASY", 23, ".railutilincomeEASY = ", ";", T::Double,
     W::OneDecimal, 7, &Tw::railutilincomeEASY, true},
    {"railutilincomeHARD", "railutilincomeHARD", 25, ".railutilincomeHARD = ", ";", T::Double,
     W::OneDecimal, 8, &Tw::railutilincomeHARD, true},
    {"railutilincomeMEDIUM", "railutilincomeMEDIUM", 24, ".railutilincomeMEDIUM = ", ";", T::Double,
     W::OneDecimal, 9, &Tw::railutilincomeMEDIUM, true},
}};

}  // namespace

const RecordKindInfo& recordKindInfo(RecordKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

std::span<const RecordKindInfo> recordKinds() {
    return kKinds;
}

std::string recordHead(RecordKind kind, std::string_view code) {
    const RecordKindInfo& info = recordKindInfo(kind);
    if (kind == RecordKind::Tweaks) {
        return std::string(info.headBefore);
    }
    std::string head(info.headBefore);
    head += code;
    head += info.headAfter;
    return head;
}

template <>
std::span<const SettingField<BlockRecord>> settingFields<BlockRecord>() {
    return kBlockFields;
}
template <>
std::span<const SettingField<BusinessRecord>> settingFields<BusinessRecord>() {
    return kBusinessFields;
}
template <>
std::span<const SettingField<CommodityRecord>> settingFields<CommodityRecord>() {
    return kCommodityFields;
}
template <>
std::span<const SettingField<TweaksRecord>> settingFields<TweaksRecord>() {
    return kTweaksFields;
}

}  // namespace tg
