// Fuzz target: the script writer on arbitrary script bytes with an arbitrary
// set of changed records.
//
// The input decodes, in this order, into: the script under test (file number
// f) and the change flags; the changed records of f's kind with the edits
// each gets (applied once the script is read, on top of what was read); and
// the script itself, made of pieces separated by CR, LF or CR LF. A piece is
// either noise (raw bytes, which may hold anything, line ends included) or a
// setting line of some record in one of many spellings: indented, blanks
// inside, other letter case, identifier in quotes, other code before or
// behind it, a comment, a key in the wrong letter case, a missing ";", a
// value that does not convert.
//
// What every run checks, whatever the bytes:
//   1. no crash, no sanitizer report, and the save reports no failure;
//   2. a script whose flag is clear keeps every byte; the other three scripts
//      (fixed texts) keep their bytes, or only get CR LF line ends when their
//      flag is set;
//   3. for f: the output is the input's lines, each followed by CR LF, then
//      (only when some setting found no line) one marker block and the
//      left-over settings. The writer's choice of lines is simulated here from
//      the model alone: a line whose comment-free, blank-free text holds the
//      head of a pending setting (letter case ignored) takes the first such
//      setting; every other line comes out with exactly its bytes; a taken
//      line keeps its comment and holds the setting's canonical text (unless
//      the setting blanks an emptied commodity entry); code behind the
//      setting's ";" moves onto a line of its own, with the comment.
//   4. read back: when the script read without failure before the save, it
//      reads without failure after it, and every changed record reads as the
//      values written, in their written forms (two decimals, shortest form,
//      integers); every other record reads as before.
//
// Property 4 is true only for scripts built within these limits, which the
// generator keeps to for changed records (noise may break them, and then
// check 4 is skipped: when noise names a changed record's identifier in any
// letter case, a line the generator does not control may be rewritten):
//   - each setting of a changed record stands on at most one line. With two
//     lines, the writer rewrites the first and the reader takes the last;
//   - an AddCommodity line of a changed business names the business exactly
//     (not in quotes, not in other letter case: the reader would skip a line
//     that the writer uses up, or take one the writer never matches), has an
//     amount other than 0 (an entry of 0 counts as free, so the writer's entry
//     list moves up past it and leaves a later line as it was) and a named
//     commodity, and there are at most six (a seventh, dropped by the reader,
//     comes back once an entry is emptied);
//   - a Membership line of a changed commodity does not quote the identifier
//     (the reader takes it, the writer appends a new line, and an empty
//     membership written after it does not replace the old group);
//   - comments hold no setting key (the reader tests the comment for keys, so
//     a line with one would be read under the wrong key before and after);
//   - the new values are finite numbers and commodity names the identifiers,
//     as the editors give them.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "fuzz_support.h"
#include "model/identifiers.h"
#include "scripts/numbers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"

namespace {

using namespace tg;
using namespace tg::fuzz;

const std::string kVersion = "1.0.0.1";

// What the three scripts not under test hold: a line of every kind, with the
// three line ends, so that a script rewritten by mistake shows.
constexpr std::string_view kOtherScript =
    "-- not under test\r\nBlock[ZOO].value = 5;\nTweaks.daysoff = true;\rBusinessInfo[BAKERY]"
    ".minarea = 2;\r\nCommodity[MEAT].value = 1.5;";
constexpr std::string_view kOtherScriptSaved =
    "-- not under test\r\nBlock[ZOO].value = 5;\r\nTweaks.daysoff = true;\r\nBusinessInfo[BAKERY]"
    ".minarea = 2;\r\nCommodity[MEAT].value = 1.5;\r\n";

// ---------------------------------------------------------------------------
// The settings of each script, in the writer's order.

enum class Form { Int16, Int32, Two, One, Shortest, Flag, Rights, Entry, Group };

struct Key {
    std::string_view name;
    char separator;  // '.' for a field, ':' for a call
    Form form;
    bool difficulty = false;
};

constexpr Key kBlockKeys[] = {{"buildingrights", '.', Form::Rights},
                              {"ownable", '.', Form::Flag},
                              {"prestige", '.', Form::Two},
                              {"value", '.', Form::Int16}};

constexpr Key kBusinessKeys[] = {
    {"closingtime", '.', Form::Int16},   {"AddCommodity", ':', Form::Entry},
    {"density", '.', Form::Shortest},    {"electricalneed", '.', Form::Two},
    {"footprintband", '.', Form::Int16}, {"gasneed", '.', Form::Two},
    {"maxarea", '.', Form::Int16},       {"maxheight", '.', Form::Int16},
    {"maxside", '.', Form::Int16},       {"minarea", '.', Form::Int16},
    {"minheight", '.', Form::Int16},     {"openingtime", '.', Form::Int16},
    {"refurbcost", '.', Form::Int16},    {"stockcapacity", '.', Form::Int16},
    {"telecomneed", '.', Form::Two},     {"timeinstore", '.', Form::Two},
    {"waterneed", '.', Form::Two}};

constexpr Key kCommodityKeys[] = {
    {"markup", '.', Form::Two}, {"Membership", ':', Form::Group}, {"value", '.', Form::Two}};

constexpr Key kTweaksKeys[] = {
    {"blockleaselength", '.', Form::Int32},         {"citybusinessesownable", '.', Form::Flag},
    {"dailyfreightEASY", '.', Form::Int32, true},   {"dailyfreightHARD", '.', Form::Int32, true},
    {"dailyfreightMEDIUM", '.', Form::Int32, true}, {"daysoff", '.', Form::Flag},
    {"numyearsin24hours", '.', Form::Int32},        {"railutilincomeEASY", '.', Form::One, true},
    {"railutilincomeHARD", '.', Form::One, true},   {"railutilincomeMEDIUM", '.', Form::One, true}};

struct Script {
    std::string_view prefix;  // the word before "[", "Tweaks" for the hub
    const Key* keys;
    int keyCount;
    int recordCount;
    int readerKind;
};

constexpr Script kScripts[4] = {
    {"Block", kBlockKeys, 4, kBlockCount, kReadBlocks},
    {"BusinessInfo", kBusinessKeys, 17, kBusinessCount, kReadBusinesses},
    {"Commodity", kCommodityKeys, 3, kCommodityCount, kReadCommodities},
    {"Tweaks", kTweaksKeys, 10, 1, kReadTweaks}};

std::string_view identifierOf(int f, int slot) {
    switch (f) {
        case 0:
            return kBlockIdentifiers[static_cast<std::size_t>(slot)];
        case 1:
            return kBusinessIdentifiers[static_cast<std::size_t>(slot)];
        case 2:
            return kCommodityIdentifiers[static_cast<std::size_t>(slot)];
        default:
            return kTweaksIdentifier;
    }
}

// ---------------------------------------------------------------------------
// Number texts

double parsed(const std::string& text) {
    double v = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    TG_FUZZ_CHECK(result.ec == std::errc() && result.ptr == text.data() + text.size(),
                  "a written number does not read back: " + text);
    return v;
}

double writtenTwo(double v) {
    return parsed(formatFixed(v, 2));
}
double writtenOne(double v) {
    return parsed(formatFixed(v, 1));
}
double writtenShortest(double v) {
    return parsed(formatShortest(v));
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiLower(c);
    }
    return out;
}

std::string uppered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiUpper(c);
    }
    return out;
}

// A value text for a script line: mostly one that reads, sometimes one that
// does not (out of range, not a number).
std::string valueText(ByteSource& in, Form form) {
    const int pick = in.below(16);
    switch (form) {
        case Form::Int16:
            if (pick == 0) {
                return "40000";
            }
            if (pick == 1) {
                return "2.5";
            }
            return formatInteger(static_cast<std::int16_t>(in.u16()));
        case Form::Int32:
            if (pick == 0) {
                return "3000000000";
            }
            if (pick == 1) {
                return "-7.5";
            }
            return formatInteger(static_cast<std::int32_t>(in.u32()));
        case Form::Two:
        case Form::One:
        case Form::Shortest:
            if (pick == 0) {
                return "abc";
            }
            if (pick == 1) {
                return "1e3";
            }
            return formatInteger(static_cast<std::int16_t>(in.u16())) + "." +
                   formatInteger(in.below(1000));
        case Form::Flag: {
            constexpr const char* kFlags[] = {"true", "false", "TRUE", "False",
                                              "0",    "1",     "2.5",  "maybe"};
            return kFlags[in.below(8)];
        }
        case Form::Rights: {
            constexpr const char* kRights[] = {"2", "0", "1", "2.0", "x", ""};
            return kRights[in.below(6)];
        }
        default:
            return {};
    }
}

constexpr std::string_view kGroups[] = {"MAINSHOPPING", "ENTERTAINMENTSHOPPING",
                                        "STAYOVERSHOPPING"};

// Comments hold no setting key.
constexpr std::string_view kComments[] = {"",        " -- note",     "\t-- 12;", "--",
                                          " -- = ;", "  -- [[ x ]]", " ---"};

// ---------------------------------------------------------------------------
// Setting lines

std::string settingLine(ByteSource& in, int f, int slot, const Key& key, bool changed) {
    const Script& s = kScripts[f];
    const std::string_view id = identifierOf(f, slot);
    std::string line;
    constexpr const char* kIndents[] = {"", "", "  ", "\t", " \t "};
    line += kIndents[in.below(5)];
    if (in.below(8) == 0) {
        line += "local _ = 0; ";
    }
    const bool entryOrGroup = key.form == Form::Entry || key.form == Form::Group;
    const int idPick = in.below(16);
    if (f == 3) {
        // The hub has no brackets: Tweaks.key. In lower case the reader passes
        // the line by, the writer still takes it.
        line += idPick == 0 ? std::string("tweaks") : std::string(s.prefix);
    } else {
        const int prefixPick = in.below(8);
        line += prefixPick == 0   ? lowered(s.prefix)
                : prefixPick == 1 ? uppered(s.prefix)
                                  : std::string(s.prefix);
        if (idPick == 0 && !(changed && key.form == Form::Entry)) {
            line += "[" + lowered(id) + "]";
        } else if (idPick == 1 && !(changed && entryOrGroup)) {
            line += "[\"" + std::string(id) + "\"]";
        } else if (idPick == 2) {
            line += "[ " + std::string(id) + " ]";
        } else {
            line += "[" + std::string(id) + "]";
        }
    }
    line +=
        in.below(8) == 0 ? std::string(" ") + key.separator + " " : std::string(1, key.separator);
    line += in.below(16) == 0 ? uppered(key.name) : std::string(key.name);

    if (key.form == Form::Entry) {
        std::string commodity;
        std::string amount;
        if (changed) {
            commodity = std::string(
                kCommodityIdentifiers[static_cast<std::size_t>(in.below(kCommodityCount))]);
            auto a = static_cast<std::int16_t>(in.u16());
            amount = formatInteger(a == 0 ? 1 : a);
        } else {
            constexpr const char* kOdd[] = {"", "MEAT ", "x y", "FISH"};
            const int c = in.below(kCommodityCount + 4);
            commodity = c < kCommodityCount
                            ? std::string(kCommodityIdentifiers[static_cast<std::size_t>(c)])
                            : kOdd[c - kCommodityCount];
            amount = valueText(in, Form::Int16);
        }
        line += "(" + commodity + (in.flag() ? ", " : ",") + amount + ")";
    } else if (key.form == Form::Group) {
        const int g = in.below(6);
        line += "(";
        line += g < 3    ? std::string(kGroups[g])
                : g == 3 ? lowered(kGroups[0])
                : g == 4 ? ""
                         : "NONE";
        line += ")";
    } else {
        constexpr const char* kEquals[] = {" = ", "=", " =\t", "  =  "};
        line += kEquals[in.below(4)];
        line += valueText(in, key.form);
    }
    if (in.below(32) != 0) {
        line += ";";
    }
    if (in.below(8) == 0) {
        // Code behind the setting: kept by the writer, on a line of its own.
        line += in.flag() ? " f(1);" : " x = 1;";
    }
    line += kComments[in.below(static_cast<int>(std::size(kComments)))];
    return line;
}

// ---------------------------------------------------------------------------
// Edits of the working set, decoded up front and applied after the read.

std::optional<double> newDouble(ByteSource& v) {
    switch (v.below(4)) {
        case 0:
            return std::nullopt;
        case 1:
            return static_cast<std::int16_t>(v.u16()) / 100.0;
        case 2: {
            const std::uint64_t bits = v.u64();
            double d = 0.0;
            std::memcpy(&d, &bits, sizeof d);
            if (!std::isfinite(d)) {
                return std::nullopt;  // the editors refuse what is not a finite number
            }
            return d;
        }
        default:
            return static_cast<std::int32_t>(v.u32()) / 1000.0;
    }
}

void editDouble(ByteSource& v, double& field) {
    if (auto d = newDouble(v)) {
        field = *d;
    }
}

void editInt16(ByteSource& v, std::int16_t& field) {
    if (v.flag()) {
        field = static_cast<std::int16_t>(v.u16());
    }
}

void editInt32(ByteSource& v, std::int32_t& field) {
    if (v.flag()) {
        field = static_cast<std::int32_t>(v.u32());
    }
}

void editFlag(ByteSource& v, bool& field) {
    const int pick = v.below(3);
    if (pick != 0) {
        field = pick == 1;
    }
}

void editBlock(ByteSource& v, BlockRecord& b) {
    editFlag(v, b.buildingrights);
    editFlag(v, b.ownable);
    editDouble(v, b.prestige);
    editInt16(v, b.value);
}

void editBusiness(ByteSource& v, BusinessRecord& b) {
    for (CommodityEntry& entry : b.commodities) {
        switch (v.below(4)) {
            case 1:  // emptied, with or without its name
                entry.amount = 0;
                if (v.flag()) {
                    entry.commodity.clear();
                }
                break;
            case 2:  // a commodity chosen anew
                entry.commodity = std::string(
                    kCommodityIdentifiers[static_cast<std::size_t>(v.below(kCommodityCount))]);
                [[fallthrough]];
            case 3: {  // a new amount
                const auto a = static_cast<std::int16_t>(v.u16());
                entry.amount = a == 0 ? 1 : a;
                if (entry.commodity.empty()) {
                    entry.commodity = "MEAT";
                }
                break;
            }
            default:
                break;
        }
    }
    editInt16(v, b.closingtime);
    editDouble(v, b.density);
    editDouble(v, b.electricalneed);
    editInt16(v, b.footprintband);
    editDouble(v, b.gasneed);
    editInt16(v, b.maxarea);
    editInt16(v, b.maxheight);
    editInt16(v, b.maxside);
    editInt16(v, b.minarea);
    editInt16(v, b.minheight);
    editInt16(v, b.openingtime);
    editInt16(v, b.refurbcost);
    editInt16(v, b.stockcapacity);
    editDouble(v, b.telecomneed);
    editDouble(v, b.timeinstore);
    editDouble(v, b.waterneed);
}

void editCommodity(ByteSource& v, CommodityRecord& c) {
    editDouble(v, c.markup);
    const int g = v.below(5);
    if (g == 4) {
        c.membership.clear();
    } else if (g != 0) {
        c.membership = std::string(kGroups[g - 1]);
    }
    editDouble(v, c.value);
}

void editTweaks(ByteSource& v, TweaksRecord& t) {
    editInt32(v, t.blockleaselength);
    editFlag(v, t.citybusinessesownable);
    editInt32(v, t.dailyfreightEASY);
    editInt32(v, t.dailyfreightHARD);
    editInt32(v, t.dailyfreightMEDIUM);
    editFlag(v, t.daysoff);
    editInt32(v, t.numyearsin24hours);
    editDouble(v, t.railutilincomeEASY);
    editDouble(v, t.railutilincomeHARD);
    editDouble(v, t.railutilincomeMEDIUM);
}

// ---------------------------------------------------------------------------
// The oracle: the lines a save must produce for f, built here from the model.

struct Pending {
    std::string head;
    std::string valueText;
    std::string reducedHead;
};

std::string flagWord(bool b) {
    return b ? "true;" : "false;";
}
std::string integer(long long v) {
    return formatInteger(v) + ";";
}
std::string two(double v) {
    return formatFixed(v, 2) + ";";
}
std::string one(double v) {
    return formatFixed(v, 1) + ";";
}

std::vector<Pending> expectedLines(int f, const EditorState& state) {
    std::vector<Pending> out;
    const SettingsModel& m = state.model;
    auto add = [&out](const std::string& prefix, std::string_view key, std::string text) {
        const std::string head = prefix + std::string(key);
        out.push_back({head, std::move(text), reducedLower(head)});
    };
    if (f == 0) {
        for (const BlockRecord& b : m.EditBlocks) {
            if (!b.changed) {
                continue;
            }
            const std::string p = "Block[" + b.code + "]";
            add(p, ".buildingrights = ", b.buildingrights ? "2;" : "0;");
            add(p, ".ownable = ", flagWord(b.ownable));
            add(p, ".prestige = ", two(b.prestige));
            add(p, ".value = ", integer(b.value));
        }
    } else if (f == 1) {
        for (int i = 0; i < kBusinessCount; ++i) {
            const BusinessRecord& b = m.EditBusinesses[i];
            if (!b.changed) {
                continue;
            }
            const std::string p = "BusinessInfo[" + b.code + "]";
            add(p, ".closingtime = ", integer(b.closingtime));
            for (int k = 0; k < kCommodityEntries; ++k) {
                const CommodityEntry& w = b.commodities[k];
                if (w.amount != 0) {
                    add(p, ":AddCommodity(", w.commodity + "," + formatInteger(w.amount) + ");");
                } else if (m.Businesses[i].commodities[k].amount != 0) {
                    add(p, ":AddCommodity(", "");
                }
            }
            add(p, ".density = ", formatShortest(b.density) + ";");
            add(p, ".electricalneed = ", two(b.electricalneed));
            add(p, ".footprintband = ", integer(b.footprintband));
            add(p, ".gasneed = ", two(b.gasneed));
            add(p, ".maxarea = ", integer(b.maxarea));
            add(p, ".maxheight = ", integer(b.maxheight));
            add(p, ".maxside = ", integer(b.maxside));
            add(p, ".minarea = ", integer(b.minarea));
            add(p, ".minheight = ", integer(b.minheight));
            add(p, ".openingtime = ", integer(b.openingtime));
            add(p, ".refurbcost = ", integer(b.refurbcost));
            add(p, ".stockcapacity = ", integer(b.stockcapacity));
            add(p, ".telecomneed = ", two(b.telecomneed));
            add(p, ".timeinstore = ", two(b.timeinstore));
            add(p, ".waterneed = ", two(b.waterneed));
        }
    } else if (f == 2) {
        for (const CommodityRecord& c : m.EditCommodities) {
            if (!c.changed) {
                continue;
            }
            const std::string p = "Commodity[" + c.code + "]";
            add(p, ".markup = ", two(c.markup));
            add(p, ":Membership(", c.membership + ");");
            add(p, ".value = ", two(c.value));
        }
    } else if (state.bCityHasChanged) {
        const TweaksRecord& t = m.EditTweaks;
        const bool all = state.bVersionCompatible;
        add("Tweaks", ".blockleaselength = ", integer(t.blockleaselength));
        add("Tweaks", ".citybusinessesownable = ", flagWord(t.citybusinessesownable));
        if (all) {
            add("Tweaks", ".dailyfreightEASY = ", integer(t.dailyfreightEASY));
            add("Tweaks", ".dailyfreightHARD = ", integer(t.dailyfreightHARD));
            add("Tweaks", ".dailyfreightMEDIUM = ", integer(t.dailyfreightMEDIUM));
        }
        add("Tweaks", ".daysoff = ", flagWord(t.daysoff));
        add("Tweaks", ".numyearsin24hours = ", integer(t.numyearsin24hours));
        if (all) {
            add("Tweaks", ".railutilincomeEASY = ", one(t.railutilincomeEASY));
            add("Tweaks", ".railutilincomeHARD = ", one(t.railutilincomeHARD));
            add("Tweaks", ".railutilincomeMEDIUM = ", one(t.railutilincomeMEDIUM));
        }
    }
    return out;
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool isBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Whether the line holds code behind the setting whose reduced head it holds:
// anything but blanks after the first ";" behind the head. The writer moves
// such code onto a line of its own.
bool hasCodeBehind(std::string_view line, const std::string& reducedHead) {
    const std::string_view code = codePart(line);
    std::string reduced;
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] != ' ' && code[i] != '\t') {
            reduced.push_back(asciiLower(code[i]));
            at.push_back(i);
        }
    }
    const std::size_t head = reduced.find(reducedHead);
    if (head == std::string::npos) {
        return false;
    }
    const std::size_t semi = reduced.find(';', head + reducedHead.size());
    return semi != std::string::npos && !isBlankText(code.substr(at[semi] + 1));
}

// Check 3: the saved bytes of f against the simulated line choice.
void checkSavedBytes(std::string_view before, std::string_view after,
                     std::vector<Pending> pending) {
    std::vector<std::string_view> lines = lineList(before);
    if (lines.empty()) {
        lines.emplace_back();
    }
    std::size_t pos = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t end = after.find("\r\n", pos);
        TG_FUZZ_CHECK(end != std::string_view::npos,
                      "the saved script lost line " + std::to_string(i + 1));
        const std::string_view out = after.substr(pos, end - pos);
        TG_FUZZ_CHECK(out.find_first_of("\r\n") == std::string_view::npos,
                      "saved line " + std::to_string(i + 1) + " holds a bare line end");
        pos = end + 2;

        const std::string_view line = lines[i];
        const std::string reduced = reducedLower(codePart(line));
        std::size_t match = pending.size();
        if (!reduced.empty()) {
            for (std::size_t k = 0; k < pending.size(); ++k) {
                if (reduced.find(pending[k].reducedHead) != std::string::npos) {
                    match = k;
                    break;
                }
            }
        }
        if (match == pending.size()) {
            TG_FUZZ_CHECK(out == line, "line " + std::to_string(i + 1) +
                                           " changed though it holds no " + "pending setting: \"" +
                                           std::string(line) + "\" became \"" + std::string(out) +
                                           "\"");
            continue;
        }
        const Pending& p = pending[match];
        if (!p.valueText.empty()) {
            TG_FUZZ_CHECK(out.find(p.head + p.valueText) != std::string_view::npos,
                          "line " + std::to_string(i + 1) + " does not hold " + p.head +
                              p.valueText + ": \"" + std::string(out) + "\"");
            std::string_view last = out;
            if (hasCodeBehind(line, p.reducedHead)) {
                TG_FUZZ_CHECK(endsWith(out, p.head + p.valueText),
                              "line " + std::to_string(i + 1) +
                                  " keeps code behind its setting: \"" + std::string(out) + "\"");
                const std::size_t next = after.find("\r\n", pos);
                TG_FUZZ_CHECK(next != std::string_view::npos,
                              "the code behind line " + std::to_string(i + 1) + " was lost");
                last = after.substr(pos, next - pos);
                pos = next + 2;
            }
            const std::string_view comment = line.substr(codePart(line).size());
            TG_FUZZ_CHECK(endsWith(last, comment), "line " + std::to_string(i + 1) +
                                                       " lost its comment: \"" + std::string(last) +
                                                       "\"");
        }
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(match));
    }

    std::string tail;
    for (const Pending& p : pending) {
        if (p.valueText.empty()) {
            continue;  // an emptied entry without its line has nothing to add
        }
        if (tail.empty()) {
            tail = "\r\n-----------------------------------\r\n-- Added by TG Edit " + kVersion +
                   "\r\n-----------------------------------\r\n\r\n";
        }
        tail += p.head + p.valueText + "\r\n";
    }
    TG_FUZZ_CHECK(after.substr(pos) == tail, "the appended part is wrong:\n[" +
                                                 std::string(after.substr(pos)) +
                                                 "]\nexpected:\n[" + tail + "]");
}

// Check 4: what the changed records must read as after the save.
void expectWritten(int f, const EditorState& state, SettingsModel& expected) {
    const SettingsModel& m = state.model;
    if (f == 0) {
        for (int i = 0; i < kBlockCount; ++i) {
            if (m.EditBlocks[i].changed) {
                BlockRecord r = m.EditBlocks[i];
                r.changed = false;
                r.prestige = writtenTwo(r.prestige);
                expected.Blocks[i] = r;
            }
        }
    } else if (f == 1) {
        for (int i = 0; i < kBusinessCount; ++i) {
            if (!m.EditBusinesses[i].changed) {
                continue;
            }
            BusinessRecord r = m.EditBusinesses[i];
            r.changed = false;
            std::array<CommodityEntry, kCommodityEntries> entries{};
            std::size_t n = 0;
            for (const CommodityEntry& e : r.commodities) {
                if (e.amount != 0) {
                    entries[n++] = e;
                }
            }
            r.commodities = entries;
            r.density = writtenShortest(r.density);
            for (double* d :
                 {&r.electricalneed, &r.gasneed, &r.telecomneed, &r.timeinstore, &r.waterneed}) {
                *d = writtenTwo(*d);
            }
            expected.Businesses[i] = r;
        }
    } else if (f == 2) {
        for (int i = 0; i < kCommodityCount; ++i) {
            if (m.EditCommodities[i].changed) {
                CommodityRecord r = m.EditCommodities[i];
                r.changed = false;
                r.markup = writtenTwo(r.markup);
                r.value = writtenTwo(r.value);
                expected.Commodities[i] = r;
            }
        }
    } else if (state.bCityHasChanged) {
        TweaksRecord r = m.EditTweaks;
        if (state.bVersionCompatible) {
            r.railutilincomeEASY = writtenOne(r.railutilincomeEASY);
            r.railutilincomeHARD = writtenOne(r.railutilincomeHARD);
            r.railutilincomeMEDIUM = writtenOne(r.railutilincomeMEDIUM);
        } else {
            // The difficulty lines are not written: they read as before.
            const TweaksRecord& old = m.Tweaks;
            r.dailyfreightEASY = old.dailyfreightEASY;
            r.dailyfreightHARD = old.dailyfreightHARD;
            r.dailyfreightMEDIUM = old.dailyfreightMEDIUM;
            r.railutilincomeEASY = old.railutilincomeEASY;
            r.railutilincomeHARD = old.railutilincomeHARD;
            r.railutilincomeMEDIUM = old.railutilincomeMEDIUM;
        }
        expected.Tweaks = r;
    }
}

struct Folder {
    std::string path;
    Folder() {
        path = scratchFolder() + "writer/";
        std::filesystem::create_directories(path);
    }
};

const std::string& projectFolder() {
    static const Folder folder;
    return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource in(data, size);
    const std::string& project = projectFolder();

    // The script under test and the flags.
    const int f = in.below(4);
    const Script& script = kScripts[f];
    EditorState state;
    state.ProjectPath = project;
    state.bVersionCompatible = in.flag();
    const bool flagOfF = in.below(8) != 0;
    const std::uint8_t others = in.byte();
    state.bBlockHasChanged = f == 0 ? flagOfF : (others & 1) != 0;
    state.bBusinessHasChanged = f == 1 ? flagOfF : (others & 2) != 0;
    state.bCommodityHasChanged = f == 2 ? flagOfF : (others & 4) != 0;
    state.bCityHasChanged = f == 3 && flagOfF;  // tweaks change only when f is the hub

    // The changed records and their edits.
    std::vector<bool> changed(static_cast<std::size_t>(script.recordCount), false);
    std::vector<std::pair<int, std::string_view>> edits;
    const int changeCount = f == 3 ? (flagOfF ? 1 : 0) : in.below(6);
    for (int n = 0; n < changeCount; ++n) {
        const int slot = in.below(script.recordCount);
        if (!changed[static_cast<std::size_t>(slot)]) {
            changed[static_cast<std::size_t>(slot)] = true;
            edits.emplace_back(slot, in.bytes(96));
        }
    }

    // The script: pieces separated by line ends.
    std::string bytes;
    std::vector<std::string_view> noise;
    std::set<std::pair<int, int>> used;  // (slot, key) lines of changed records
    std::vector<int> entryLines(static_cast<std::size_t>(script.recordCount), 0);
    const int pieces = in.below(48);
    for (int n = 0; n < pieces && !in.empty(); ++n) {
        if (in.below(4) == 0) {
            const std::string_view raw = in.bytes(96);
            noise.push_back(raw);
            bytes += raw;
        } else {
            const int slot = in.below(script.recordCount);
            const int k = in.below(script.keyCount);
            const Key& key = script.keys[k];
            const bool isChanged = changed[static_cast<std::size_t>(slot)];
            if (isChanged) {
                if (key.form == Form::Entry) {
                    if (++entryLines[static_cast<std::size_t>(slot)] > kCommodityEntries) {
                        continue;
                    }
                } else if (!used.insert({slot, k}).second) {
                    continue;
                }
            }
            bytes += settingLine(in, f, slot, key, isChanged);
        }
        constexpr const char* kEnds[] = {"\r\n", "\n", "\r"};
        if (n + 1 < pieces || in.flag()) {
            bytes += kEnds[in.below(3)];
        }
    }
    // What is left of the input is more noise at the end.
    const std::string_view rest = in.rest();
    if (!rest.empty()) {
        bytes += "\r\n";
        bytes += rest;
        noise.push_back(rest);
    }

    // Lay out the project.
    const std::string scriptPath = project + std::string(kScriptFiles[static_cast<std::size_t>(f)]);
    for (int g = 0; g < 4; ++g) {
        putFile(project + std::string(kScriptFiles[static_cast<std::size_t>(g)]),
                g == f ? std::string_view(bytes) : kOtherScript);
    }

    // Read as the main window would, then edit the working set.
    state.model = modelWithCodes();
    const bool readable =
        !readScript(realFileSystem(), project, script.readerKind, state.model).has_value();
    state.model.copyLoadedToWorking();
    SettingsModel& m = state.model;
    for (const auto& [slot, editBytes] : edits) {
        ByteSource v(reinterpret_cast<const std::uint8_t*>(editBytes.data()), editBytes.size());
        const auto i = static_cast<std::size_t>(slot);
        switch (f) {
            case 0:
                m.EditBlocks[i].changed = true;
                editBlock(v, m.EditBlocks[i]);
                break;
            case 1:
                m.EditBusinesses[i].changed = true;
                editBusiness(v, m.EditBusinesses[i]);
                break;
            case 2:
                m.EditCommodities[i].changed = true;
                editCommodity(v, m.EditCommodities[i]);
                break;
            default:
                editTweaks(v, m.EditTweaks);
                break;
        }
    }
    const SettingsModel loaded = m;

    // Check 1.
    const Notices notices = Save_Project(realFileSystem(), state, kVersion);
    TG_FUZZ_CHECK(notices.empty(), "the save failed: " + (notices.empty() ? "" : notices[0].text));

    // Check 2.
    const bool flags[4] = {state.bBlockHasChanged, state.bBusinessHasChanged,
                           state.bCommodityHasChanged, state.bCityHasChanged};
    for (int g = 0; g < 4; ++g) {
        if (g == f) {
            continue;
        }
        const std::string other =
            getFile(project + std::string(kScriptFiles[static_cast<std::size_t>(g)]));
        TG_FUZZ_CHECK(
            other == (flags[g] ? kOtherScriptSaved : kOtherScript),
            std::string(kScriptFiles[static_cast<std::size_t>(g)]) + " is wrong after the save");
    }
    const std::string after = getFile(scriptPath);
    if (!flags[f]) {
        TG_FUZZ_CHECK(after == bytes, "a script whose flag is clear was changed");
        return 0;
    }

    // Check 3.
    checkSavedBytes(bytes, after, expectedLines(f, state));

    // Check 4, within the limits named at the top.
    if (!readable) {
        return 0;
    }
    for (std::string_view raw : noise) {
        const std::string reduced = reducedLower(raw);
        for (int slot = 0; slot < script.recordCount; ++slot) {
            const bool isChanged =
                f == 3 ? state.bCityHasChanged : changed[static_cast<std::size_t>(slot)];
            if (isChanged && reduced.find(lowered(identifierOf(f, slot))) != std::string::npos) {
                return 0;
            }
        }
    }
    SettingsModel reread = modelWithCodes();
    const auto notice = readScript(realFileSystem(), project, script.readerKind, reread);
    TG_FUZZ_CHECK(!notice, "a script that read before the save fails after it: " +
                               (notice ? notice->text : std::string()) + "\nbefore:\n" +
                               escaped(bytes) + "\nafter:\n" + escaped(after));
    SettingsModel expected = modelWithCodes();
    expected.Blocks = loaded.Blocks;
    expected.Businesses = loaded.Businesses;
    expected.Commodities = loaded.Commodities;
    expected.Tweaks = loaded.Tweaks;
    expectWritten(f, state, expected);
    TG_FUZZ_CHECK(sameLoadedSet(expected, reread),
                  "the saved script reads back wrong:\n" + describeDifference(expected, reread));
    return 0;
}
