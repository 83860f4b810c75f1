#include "reliability_support.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <filesystem>
#include <sstream>

#include "model/identifiers.h"
#include "run_command.h"
#include "scripts/numbers.h"

namespace tg::test {

namespace stdfs = std::filesystem;

DemoProject::DemoProject() {
    app = root / "app/";
    project = app + "Projects/Demo/";
    stdfs::create_directories(project);
    copyDataFiles(app);
    copyDemoScripts(project);
}

// ---------------------------------------------------------------------------
// Edits

namespace {

constexpr std::string_view kGroups[] = {"", "MAINSHOPPING", "ENTERTAINMENTSHOPPING",
                                        "STAYOVERSHOPPING"};

int between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool coin(std::mt19937& random) {
    return between(random, 0, 1) == 1;
}

// thousandths in [low, high]: 1.234 and the like.
double thousandths(std::mt19937& random, int low, int high) {
    return between(random, low, high) / 1000.0;
}

std::int16_t int16In(std::mt19937& random, int low, int high) {
    return static_cast<std::int16_t>(between(random, low, high));
}

void editBlock(BlockRecord& b, std::mt19937& random, EditStyle style) {
    b.buildingrights = coin(random);
    b.ownable = coin(random);
    if (style == EditStyle::Wide) {
        b.prestige = thousandths(random, 0, 99999);
        b.value = int16In(random, -32768, 32767);
    } else {
        b.prestige = between(random, 100, 999) / 100.0;
        b.value = int16In(random, 100, 999);
    }
}

void editEntries(BusinessRecord& b, std::mt19937& random, EditStyle style) {
    if (style == EditStyle::FixedWidth) {
        // Same commodities, new two-digit amounts: the lines keep their width.
        for (CommodityEntry& e : b.commodities) {
            if (e.amount != 0) {
                e.amount = int16In(random, 10, 99);
            }
        }
        return;
    }
    for (CommodityEntry& e : b.commodities) {
        switch (between(random, 0, 5)) {
            case 0:  // emptied, as the editor's empty choice leaves it
                e = CommodityEntry{};
                break;
            case 1:
            case 2:  // another commodity
                e.commodity = std::string(kCommodityIdentifiers[static_cast<std::size_t>(
                    between(random, 0, kCommodityCount - 1))]);
                e.amount = int16In(random, 1, 100);
                break;
            case 3:  // another amount for what it sells
                if (e.amount != 0) {
                    e.amount = int16In(random, 1, 100);
                }
                break;
            default:
                break;
        }
    }
    // A business sells at least one commodity.
    bool sells = false;
    for (const CommodityEntry& e : b.commodities) {
        sells = sells || e.amount != 0;
    }
    if (!sells) {
        b.commodities[0] = CommodityEntry{"BREAD", 40};
    }
}

void editBusiness(BusinessRecord& b, std::mt19937& random, EditStyle style) {
    editEntries(b, random, style);
    if (style == EditStyle::Wide) {
        b.closingtime = int16In(random, 0, 23);
        constexpr std::int16_t kOpening[] = {9, 18, 0};
        b.openingtime = kOpening[between(random, 0, 2)];
        b.minarea = int16In(random, 1, 49);
        b.maxarea = int16In(random, 1, 49);
        b.maxside = int16In(random, 1, 7);
        b.minheight = int16In(random, 0, 200);
        b.maxheight = int16In(random, 0, 200);
        b.footprintband = int16In(random, 0, 9);
        b.refurbcost = int16In(random, 0, 32767);
        b.stockcapacity = int16In(random, 0, 32767);
        for (double* d : {&b.density, &b.electricalneed, &b.gasneed, &b.telecomneed, &b.timeinstore,
                          &b.waterneed}) {
            *d = thousandths(random, 0, 20000);
        }
        return;
    }
    b.closingtime = int16In(random, 10, 23);
    b.openingtime = 18;
    b.minarea = int16In(random, 10, 49);
    b.maxarea = int16In(random, 10, 49);
    b.maxside = int16In(random, 1, 7);
    b.minheight = int16In(random, 10, 99);
    b.maxheight = int16In(random, 10, 99);
    b.footprintband = int16In(random, 1, 9);
    b.refurbcost = int16In(random, 1000, 9999);
    b.stockcapacity = int16In(random, 100, 999);
    // x.y with y not 0: the shortest form keeps both digits.
    b.density = between(random, 1, 9) + between(random, 1, 9) / 10.0;
    for (double* d :
         {&b.electricalneed, &b.gasneed, &b.telecomneed, &b.timeinstore, &b.waterneed}) {
        *d = between(random, 100, 999) / 100.0;
    }
}

void editCommodity(CommodityRecord& c, std::mt19937& random, EditStyle style) {
    if (style == EditStyle::Wide) {
        c.markup = thousandths(random, 0, 50000);
        c.value = thousandths(random, 0, 5000000);
        c.membership = std::string(kGroups[between(random, 0, 3)]);
        return;
    }
    c.markup = between(random, 100, 999) / 100.0;
    c.value = between(random, 100, 999) / 100.0;
}

void editTweaks(TweaksRecord& t, std::mt19937& random, EditStyle style) {
    t.citybusinessesownable = coin(random);
    t.daysoff = coin(random);
    if (style == EditStyle::Wide) {
        t.blockleaselength = between(random, 0, 100000);
        t.dailyfreightEASY = between(random, 0, 1000000);
        t.dailyfreightMEDIUM = between(random, 0, 1000000);
        t.dailyfreightHARD = between(random, 0, 1000000);
        t.numyearsin24hours = between(random, 1, 24);
        t.railutilincomeEASY = thousandths(random, 0, 9999);
        t.railutilincomeMEDIUM = thousandths(random, 0, 9999);
        t.railutilincomeHARD = thousandths(random, 0, 9999);
        return;
    }
    t.blockleaselength = between(random, 100, 999);
    t.dailyfreightEASY = between(random, 1000, 9999);
    t.dailyfreightMEDIUM = between(random, 1000, 9999);
    t.dailyfreightHARD = between(random, 1000, 9999);
    t.numyearsin24hours = between(random, 1, 9);
    t.railutilincomeEASY = between(random, 10, 99) / 10.0;
    t.railutilincomeMEDIUM = between(random, 10, 99) / 10.0;
    t.railutilincomeHARD = between(random, 10, 99) / 10.0;
}

double readBack(const std::string& text) {
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

double two(double v) {
    return readBack(formatFixed(v, 2));
}
double one(double v) {
    return readBack(formatFixed(v, 1));
}

}  // namespace

void editRecord(EditorState& state, int kind, int slot, std::mt19937& random, EditStyle style) {
    SettingsModel& m = state.model;
    const auto i = static_cast<std::size_t>(slot);
    switch (kind) {
        case 0:
            editBlock(m.EditBlocks[i], random, style);
            m.EditBlocks[i].changed = true;
            state.bBlockHasChanged = true;
            break;
        case 1:
            editBusiness(m.EditBusinesses[i], random, style);
            m.EditBusinesses[i].changed = true;
            state.bBusinessHasChanged = true;
            break;
        case 2:
            editCommodity(m.EditCommodities[i], random, style);
            m.EditCommodities[i].changed = true;
            state.bCommodityHasChanged = true;
            break;
        default:
            editTweaks(m.EditTweaks, random, style);
            state.bCityHasChanged = true;
            break;
    }
    state.bDataHasChanged = true;
}

void editRandomRecords(EditorState& state, int count, std::mt19937& random, EditStyle style) {
    constexpr int kCounts[] = {kBlockCount, kBusinessCount, kCommodityCount, 1};
    for (int n = 0; n < count; ++n) {
        const int kind = between(random, 0, 3);
        editRecord(state, kind, between(random, 0, kCounts[kind] - 1), random, style);
    }
}

SettingsModel expectedAfterSave(const EditorState& state) {
    SettingsModel out = state.model;
    SettingsModel& e = out;
    const SettingsModel& m = state.model;
    for (int i = 0; i < kBlockCount; ++i) {
        if (m.EditBlocks[i].changed && state.bBlockHasChanged) {
            e.Blocks[i] = m.EditBlocks[i];
            e.Blocks[i].changed = false;
            e.Blocks[i].prestige = two(e.Blocks[i].prestige);
        }
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        if (!(m.EditBusinesses[i].changed && state.bBusinessHasChanged)) {
            continue;
        }
        BusinessRecord r = m.EditBusinesses[i];
        r.changed = false;
        std::array<CommodityEntry, kCommodityEntries> entries{};
        std::size_t n = 0;
        for (const CommodityEntry& entry : r.commodities) {
            if (entry.amount != 0) {
                entries[n++] = entry;
            }
        }
        r.commodities = entries;
        r.density = readBack(formatShortest(r.density));
        for (double* d :
             {&r.electricalneed, &r.gasneed, &r.telecomneed, &r.timeinstore, &r.waterneed}) {
            *d = two(*d);
        }
        e.Businesses[i] = r;
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        if (m.EditCommodities[i].changed && state.bCommodityHasChanged) {
            CommodityRecord r = m.EditCommodities[i];
            r.changed = false;
            r.markup = two(r.markup);
            r.value = two(r.value);
            e.Commodities[i] = r;
        }
    }
    if (state.bCityHasChanged) {
        TweaksRecord r = m.EditTweaks;
        if (state.bVersionCompatible) {
            r.railutilincomeEASY = one(r.railutilincomeEASY);
            r.railutilincomeMEDIUM = one(r.railutilincomeMEDIUM);
            r.railutilincomeHARD = one(r.railutilincomeHARD);
        } else {
            r.dailyfreightEASY = m.Tweaks.dailyfreightEASY;
            r.dailyfreightMEDIUM = m.Tweaks.dailyfreightMEDIUM;
            r.dailyfreightHARD = m.Tweaks.dailyfreightHARD;
            r.railutilincomeEASY = m.Tweaks.railutilincomeEASY;
            r.railutilincomeMEDIUM = m.Tweaks.railutilincomeMEDIUM;
            r.railutilincomeHARD = m.Tweaks.railutilincomeHARD;
        }
        e.Tweaks = r;
    }
    return out;
}

// ---------------------------------------------------------------------------
// Listings

namespace {

// dump.lua prints doubles with %.15g and a zero as 0.
std::string number(double v) {
    return v == 0.0 ? "0" : formatShortest(v);
}
std::string number(long long v) {
    return formatInteger(v);
}
std::string flag(bool v) {
    return v ? "true" : "false";
}

class Listing {
public:
    void add(std::string_view kind, std::string_view code, std::string_view field,
             const std::string& value) {
        out_ += std::string(kind) + " " + std::string(code) + " " + std::string(field) + " " +
                value + "\n";
    }
    std::string text() const { return out_; }

private:
    std::string out_;
};

}  // namespace

std::string settingsListing(const SettingsModel& m) {
    Listing l;
    for (const BlockRecord& b : m.Blocks) {
        l.add("block", b.code, "buildingrights", flag(b.buildingrights));
        l.add("block", b.code, "ownable", flag(b.ownable));
        l.add("block", b.code, "prestige", number(b.prestige));
        l.add("block", b.code, "value", number(static_cast<long long>(b.value)));
    }
    for (const BusinessRecord& b : m.Businesses) {
        auto integer = [&](std::string_view field, std::int16_t v) {
            l.add("business", b.code, field, number(static_cast<long long>(v)));
        };
        auto decimal = [&](std::string_view field, double v) {
            l.add("business", b.code, field, number(v));
        };
        integer("closingtime", b.closingtime);
        for (int k = 0; k < kCommodityEntries; ++k) {
            const CommodityEntry& e = b.commodities[k];
            l.add("business", b.code, "commodity" + formatInteger(k + 1),
                  e.commodity + ":" + formatInteger(e.amount));
        }
        decimal("density", b.density);
        decimal("electricalneed", b.electricalneed);
        integer("footprintband", b.footprintband);
        decimal("gasneed", b.gasneed);
        integer("minarea", b.minarea);
        integer("minheight", b.minheight);
        integer("maxarea", b.maxarea);
        integer("maxheight", b.maxheight);
        integer("maxside", b.maxside);
        integer("openingtime", b.openingtime);
        integer("refurbcost", b.refurbcost);
        integer("stockcapacity", b.stockcapacity);
        decimal("telecomneed", b.telecomneed);
        decimal("timeinstore", b.timeinstore);
        decimal("waterneed", b.waterneed);
    }
    for (const CommodityRecord& c : m.Commodities) {
        l.add("commodity", c.code, "markup", number(c.markup));
        l.add("commodity", c.code, "membership", c.membership.empty() ? "\"\"" : c.membership);
        l.add("commodity", c.code, "value", number(c.value));
    }
    const TweaksRecord& t = m.Tweaks;
    l.add("tweaks", "Tweaks", "blockleaselength",
          number(static_cast<long long>(t.blockleaselength)));
    l.add("tweaks", "Tweaks", "citybusinessesownable", flag(t.citybusinessesownable));
    l.add("tweaks", "Tweaks", "dailyfreightEASY",
          number(static_cast<long long>(t.dailyfreightEASY)));
    l.add("tweaks", "Tweaks", "dailyfreightHARD",
          number(static_cast<long long>(t.dailyfreightHARD)));
    l.add("tweaks", "Tweaks", "dailyfreightMEDIUM",
          number(static_cast<long long>(t.dailyfreightMEDIUM)));
    l.add("tweaks", "Tweaks", "daysoff", flag(t.daysoff));
    l.add("tweaks", "Tweaks", "numyearsin24hours",
          number(static_cast<long long>(t.numyearsin24hours)));
    l.add("tweaks", "Tweaks", "railutilincomeEASY", number(t.railutilincomeEASY));
    l.add("tweaks", "Tweaks", "railutilincomeHARD", number(t.railutilincomeHARD));
    l.add("tweaks", "Tweaks", "railutilincomeMEDIUM", number(t.railutilincomeMEDIUM));
    return l.text();
}

std::string luaListing(const std::string& scriptFolder) {
    const CommandResult result =
        runCommand({TGEDIT_LUA, std::string(TGEDIT_SOURCE_DIR) + "/tests/lua/dump.lua",
                    scriptFolder, TGEDIT_DATA_DIR});
    EXPECT_EQ(result.exitCode, 0) << "lua5.4 refused the saved scripts: " << result.err;
    return result.exitCode == 0 ? result.out : result.err;
}

std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    for (int n = 1;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) {
            return {};
        }
        if (moreA != moreB || lineA != lineB) {
            return "line " + std::to_string(n) + ": expected \"" + (moreA ? lineA : "") +
                   "\", got \"" + (moreB ? lineB : "") + "\"";
        }
    }
}

std::vector<std::string> temporaryFilesBelow(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ec;
    for (auto it = stdfs::recursive_directory_iterator(folder, ec);
         it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(".tgedit-") != std::string::npos ||
            (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0)) {
            found.push_back(it->path().string());
        }
    }
    return found;
}

}  // namespace tg::test
