#pragma once

// A settings model for the editor views' window tests, built in memory: every
// slot carries its identifier and a readable display name, and a few records
// carry values the tests look for. The working set starts as a copy of the
// loaded set, as after a project load.

#include <QString>
#include <cctype>
#include <string>
#include <string_view>

#include "model/identifiers.h"
#include "model/settings_model.h"

namespace tg::test {

// "CARROWAY_AVENUE" gives "Carroway Avenue".
inline std::string displayNameOf(std::string_view identifier) {
    std::string name;
    bool wordStart = true;
    for (char c : identifier) {
        if (c == '_') {
            name.push_back(' ');
            wordStart = true;
            continue;
        }
        const auto u = static_cast<unsigned char>(c);
        name.push_back(static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u)));
        wordStart = false;
    }
    return name;
}

inline void fillEditorModel(SettingsModel& model) {
    for (int n = 0; n < kBlockCount; ++n) {
        BlockRecord& b = model.Blocks[static_cast<std::size_t>(n)];
        b.code = std::string(kBlockIdentifiers[static_cast<std::size_t>(n)]);
        b.displayName = displayNameOf(b.code);
        b.value = static_cast<std::int16_t>(100 + n);
        b.prestige = n / 4.0;
        b.ownable = n % 2 == 0;
        b.buildingrights = n % 3 == 0;
    }
    for (int n = 0; n < kBusinessCount; ++n) {
        BusinessRecord& r = model.Businesses[static_cast<std::size_t>(n)];
        r.code = std::string(kBusinessIdentifiers[static_cast<std::size_t>(n)]);
        r.displayName = displayNameOf(r.code);
        r.density = 1.5;
        r.minheight = 1;
        r.maxheight = 3;
        r.minarea = 2;
        r.maxarea = 6;
        r.maxside = 4;
        r.openingtime = 9;
        r.closingtime = 17;
        r.timeinstore = 0.25;
        r.footprintband = 2;
        r.refurbcost = 500;
        r.stockcapacity = 40;
        r.electricalneed = 1;
        r.gasneed = 0.5;
        r.telecomneed = 0.125;
        r.waterneed = 2;
        r.commodities[0] = {std::string(kCommodityIdentifiers[static_cast<std::size_t>(n % 32)]),
                            100};
    }
    for (int n = 0; n < kCommodityCount; ++n) {
        CommodityRecord& c = model.Commodities[static_cast<std::size_t>(n)];
        c.code = std::string(kCommodityIdentifiers[static_cast<std::size_t>(n)]);
        c.displayName = displayNameOf(c.code);
        c.markup = 1.5 + n;
        c.value = 10.25 * n;
        c.membership = n % 3 == 0   ? "MAINSHOPPING"
                       : n % 3 == 1 ? "ENTERTAINMENTSHOPPING"
                                    : "STAYOVERSHOPPING";
    }
    TweaksRecord& t = model.Tweaks;
    t.code = "Tweaks";
    t.blockleaselength = 720;
    t.citybusinessesownable = true;
    t.daysoff = false;
    t.numyearsin24hours = 4;
    t.dailyfreightEASY = 3000;
    t.dailyfreightMEDIUM = 2000;
    t.dailyfreightHARD = 1000;
    t.railutilincomeEASY = 1.5;
    t.railutilincomeMEDIUM = 1.25;
    t.railutilincomeHARD = 0.75;
    model.copyLoadedToWorking();
}

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tg::test
