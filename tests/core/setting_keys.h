#pragma once

// The setting keys in the order a line is tested for them, written out here
// on their own so that the reader's tests do not take them from the code they
// test.

#include <string_view>

namespace tg::test {

inline constexpr std::string_view kSettingKeysInOrder[] = {"value",
                                                           "prestige",
                                                           "ownable",
                                                           "buildingrights",
                                                           "timeinstore",
                                                           "refurbcost",
                                                           "density",
                                                           "minarea",
                                                           "maxarea",
                                                           "minheight",
                                                           "maxheight",
                                                           "maxside",
                                                           "stockcapacity",
                                                           "openingtime",
                                                           "closingtime",
                                                           "electricalneed",
                                                           "gasneed",
                                                           "telecomneed",
                                                           "waterneed",
                                                           "footprintband",
                                                           "markup",
                                                           "Membership",
                                                           "railutilincomeEASY",
                                                           "railutilincomeMEDIUM",
                                                           "railutilincomeHARD",
                                                           "dailyfreightEASY",
                                                           "dailyfreightMEDIUM",
                                                           "dailyfreightHARD",
                                                           "citybusinessesownable",
                                                           "daysoff",
                                                           "numyearsin24hours",
                                                           "blockleaselength",
                                                           "AddCommodity"};

}  // namespace tg::test
