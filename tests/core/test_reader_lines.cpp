// The reading of single setting lines held against a plain reading: the
// value's ";" and "=" found sixteen or eight bytes at a time against the
// bytewise walk, and whole generated block, business and tweaks scripts
// (lines indented with blanks, keys in other letter case or only in
// comments, AddCommodity in its broken forms, "=" after the ";", no ";",
// values at the limits of their fields) against one search at a time.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "random_picks.h"
#include "scripts/code_tables.h"
#include "scripts/line_marks.h"
#include "scripts/numbers.h"
#include "scripts/script_reader.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"
#include "setting_keys.h"
#include "test_support.h"

namespace tg {
namespace {

using test::lowered;

using test::Random;

TEST(ReaderLines, ValueMarksAgreeWithTheBytewiseWalk) {
    static constexpr char kBytes[] = {';', '=', 'a', '0', ' ', '\0', '\x80', '\xbb', '\xbd',
                                      '{', '}', ';', '=', '<', '?',  '\x3a', '\x7f', '\xff'};
    int semis = 0;
    int equalsBeforeSemi = 0;
    for (unsigned seed = 1; seed <= 20000; ++seed) {
        Random random(seed);
        std::string text(static_cast<std::size_t>(random.pick(0, 72)), 'x');
        const int marks = random.pick(0, 6);
        for (char& c : text) {
            if (random.pick(0, 9) < marks) {
                c = kBytes[random.pick(0, static_cast<int>(sizeof kBytes) - 1)];
            }
        }
        const auto from = static_cast<std::size_t>(random.pick(0, static_cast<int>(text.size())));
        const ValueMarks want = valueMarksPlain(text, from);
        const ValueMarks byWords = valueMarksByWords(text, from);
        ASSERT_EQ(byWords.semi, want.semi) << "seed " << seed;
        ASSERT_EQ(byWords.equals, want.equals) << "seed " << seed;
#if defined(__SSE2__)
        const ValueMarks bySse2 = valueMarksBySse2(text, from);
        ASSERT_EQ(bySse2.semi, want.semi) << "seed " << seed;
        ASSERT_EQ(bySse2.equals, want.equals) << "seed " << seed;
#endif
        const ValueMarks got = valueMarks(text, from);
        ASSERT_EQ(got.semi, want.semi) << "seed " << seed;
        ASSERT_EQ(got.equals, want.equals) << "seed " << seed;
        semis += want.semi != std::string_view::npos ? 1 : 0;
        equalsBeforeSemi +=
            want.semi != std::string_view::npos && want.equals != std::string_view::npos ? 1 : 0;
    }
    EXPECT_GT(semis, 4000);
    EXPECT_GT(equalsBeforeSemi, 800);
}

TEST(ReaderLines, ExactZeroBytesMarksEveryZeroByteAndNothingElse) {
    std::mt19937_64 engine(7);
    for (int round = 0; round < 20000; ++round) {
        std::uint64_t w = engine();
        // Zero bytes next to 0x01 and 0x80 bytes, where borrows and carries
        // would show.
        for (int b = 0; b < 8; ++b) {
            const auto pick = static_cast<int>((engine() >> 8) % 5);
            const std::uint64_t byte = pick == 0   ? 0x00
                                       : pick == 1 ? 0x01
                                       : pick == 2 ? 0x80
                                                   : 0xFF;
            if (pick < 4) {
                w = (w & ~(std::uint64_t{0xFF} << (8 * b))) | (byte << (8 * b));
            }
        }
        std::uint64_t want = 0;
        for (int b = 0; b < 8; ++b) {
            if (((w >> (8 * b)) & 0xFF) == 0) {
                want |= std::uint64_t{0x80} << (8 * b);
            }
        }
        ASSERT_EQ(word::exactZeroBytes(w), want) << std::hex << w;
    }
}

TEST(ReaderLines, CapitalsFoundInAnyCaseAsTheCaseBlindContainsFindsThem) {
    static constexpr std::string_view kGroups[] = {"MAINSHOPPING", "ENTERTAINMENTSHOPPING",
                                                   "STAYOVERSHOPPING", "M"};
    // Bytes that differ from a letter only in bit 0x20 or the high bit.
    static constexpr std::string_view kOdd[] = {
        "@", "`", "[", "{", "\xcd", "\xed", "\x8d", "(", ")", ";", " ", std::string_view("\0", 1)};
    int found = 0;
    for (unsigned seed = 1; seed <= 20000; ++seed) {
        Random random(seed);
        std::string text;
        for (int part = random.pick(0, 4); part > 0; --part) {
            std::string piece(random.any(kGroups));
            // Cut at either end now and then.
            const auto size = static_cast<int>(piece.size());
            const int from = random.pick(0, 3) == 0 ? random.pick(0, size) : 0;
            const int to = random.pick(0, 3) == 0 ? random.pick(from, size) : size;
            piece =
                piece.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
            for (char& c : piece) {
                if (random.pick(0, 3) == 0) {
                    c = asciiLower(c);
                } else if (random.pick(0, 30) == 0) {
                    c = static_cast<char>(c ^ (random.pick(0, 1) == 0 ? 0x80 : 0x01));
                }
            }
            text += piece;
            text += random.any(kOdd);
        }
        const std::string_view group = random.any(kGroups);
        const bool want = StrContains(text, group, kCompareIgnoreCase);
        ASSERT_EQ(holdsCapitalsInAnyCase(text, group), want) << text << " / " << group;
        found += want ? 1 : 0;
    }
    EXPECT_GT(found, 3000);
    EXPECT_LT(found, 17000);
}

// ---------------------------------------------------------------------------
// Whole scripts read by the reader and by a plain reading.

bool plainNumber(std::string_view text, double& out) {
    const NumberScan scan = scanNumber(text);
    if (scan.length == 0 || scan.length != text.size() || scan.overflow) {
        return false;
    }
    out = scan.value;
    return true;
}

// The key of a line: the first key, in their order, that the line holds in
// any letter case, "ownable" passed over on a line that also holds
// "citybusinessesownable".
std::string plainKey(std::string_view raw) {
    const std::string lowLine = lowered(raw);
    for (std::string_view candidate : test::kSettingKeysInOrder) {
        if (lowLine.find(lowered(candidate)) == std::string::npos) {
            continue;
        }
        if (candidate == "ownable" && lowLine.find("citybusinessesownable") != std::string::npos) {
            continue;
        }
        return std::string(candidate);
    }
    return {};
}

struct PlainLine {
    std::string key;
    std::string text;
    std::size_t keyPos = 0;
    std::size_t equals = 0;
    std::string valueText;
};

// The tests every line goes through: false when the line is not taken,
// failed set when it is but its key, ";" or "=" are not where they must be.
bool plainTaken(std::string_view raw, const SettingsModel& tables, int kind, int& slot,
                PlainLine& line, bool& failed) {
    failed = false;
    line.key = plainKey(raw);
    line.text = removeTabs(removeSpaces(stripComment(raw)));
    if (line.text.empty()) {
        return false;
    }
    slot = kind == 0   ? blockSlotOf(line.text)
           : kind == 1 ? businessSlotOf(line.text)
                       : tweaksSlotOf(line.text);
    if (slot < 0 || line.key.empty() || !Match_CodeLine(tables, line.text, slot, line.key, kind)) {
        return false;
    }
    line.keyPos = line.text.find(line.key);
    if (line.keyPos == std::string::npos) {
        failed = true;
        return true;
    }
    const std::size_t semi = line.text.find(';', line.keyPos);
    line.equals = line.text.find('=', line.keyPos);
    if (semi == std::string::npos || (line.equals != std::string::npos && line.equals > semi)) {
        failed = true;
        return true;
    }
    line.valueText = line.equals == std::string::npos
                         ? line.text.substr(0, semi)
                         : line.text.substr(line.equals + 1, semi - line.equals - 1);
    return true;
}

bool plainInt16(std::string_view text, std::int16_t& out) {
    double number = 0;
    if (!plainNumber(text, number)) {
        return false;
    }
    const auto rounded = roundToInt16(number);
    if (!rounded) {
        return false;
    }
    out = *rounded;
    return true;
}

// One business line; false when it fails.
bool plainBusinessLine(std::string_view raw, const SettingsModel& tables, SettingsModel& out) {
    int slot = -1;
    PlainLine line;
    bool failed = false;
    if (!plainTaken(raw, tables, 1, slot, line, failed)) {
        return true;
    }
    if (failed) {
        return false;
    }
    BusinessRecord& business = out.Businesses[static_cast<std::size_t>(slot)];
    const std::string& text = line.text;
    if (line.key == "AddCommodity") {
        const std::size_t open = text.find('(', line.keyPos);
        const std::size_t comma = text.find(',', line.keyPos);
        if (open == std::string::npos || comma == std::string::npos || comma < open) {
            return false;
        }
        const std::size_t close = text.find(')', comma + 1);
        if (close == std::string::npos) {
            return false;
        }
        std::int16_t amount = 0;
        if (!plainInt16(text.substr(comma + 1, close - comma - 1), amount)) {
            return false;
        }
        for (CommodityEntry& entry : business.commodities) {
            if (entry.commodity.empty()) {
                entry.commodity = text.substr(open + 1, comma - open - 1);
                entry.amount = amount;
                break;
            }
        }
        return true;
    }
    static const std::vector<std::pair<std::string_view, double BusinessRecord::*>> kDoubles = {
        {"timeinstore", &BusinessRecord::timeinstore},
        {"density", &BusinessRecord::density},
        {"electricalneed", &BusinessRecord::electricalneed},
        {"waterneed", &BusinessRecord::waterneed}};
    static const std::vector<std::pair<std::string_view, std::int16_t BusinessRecord::*>>
        kIntegers = {{"refurbcost", &BusinessRecord::refurbcost},
                     {"maxheight", &BusinessRecord::maxheight},
                     {"closingtime", &BusinessRecord::closingtime},
                     {"footprintband", &BusinessRecord::footprintband}};
    for (const auto& [key, field] : kDoubles) {
        if (line.key == key) {
            return line.equals != std::string::npos && plainNumber(line.valueText, business.*field);
        }
    }
    for (const auto& [key, field] : kIntegers) {
        if (line.key == key) {
            return line.equals != std::string::npos && plainInt16(line.valueText, business.*field);
        }
    }
    return true;
}

// One tweaks line; false when it fails.
bool plainTweaksLine(std::string_view raw, SettingsModel& out) {
    int slot = -1;
    PlainLine line;
    bool failed = false;
    if (!plainTaken(raw, out, 2, slot, line, failed)) {
        return true;
    }
    if (failed) {
        return false;
    }
    TweaksRecord& tweaks = out.Tweaks;
    const bool flag = line.key == "daysoff" || line.key == "citybusinessesownable";
    if (flag || line.key == "railutilincomeEASY" || line.key == "dailyfreightHARD") {
        if (line.equals == std::string::npos) {
            return false;
        }
    }
    double number = 0;
    if (line.key == "railutilincomeEASY") {
        return plainNumber(line.valueText, tweaks.railutilincomeEASY);
    }
    if (line.key == "dailyfreightHARD") {
        if (!plainNumber(line.valueText, number)) {
            return false;
        }
        const auto rounded = roundToInt32(number);
        if (!rounded) {
            return false;
        }
        tweaks.dailyfreightHARD = *rounded;
        return true;
    }
    if (flag) {
        bool& field = line.key == "daysoff" ? tweaks.daysoff : tweaks.citybusinessesownable;
        if (equalsIgnoreCase(line.valueText, "true") || equalsIgnoreCase(line.valueText, "false")) {
            field = equalsIgnoreCase(line.valueText, "true");
            return true;
        }
        const NumberScan scan = scanNumber(line.valueText);
        if (scan.length == 0 || scan.length != line.valueText.size()) {
            return false;
        }
        field = scan.value != 0.0;
        return true;
    }
    return true;
}

// A flag as written: "true" or "false" in any letter case, or a number.
bool plainFlag(std::string_view text, bool& out) {
    if (equalsIgnoreCase(text, "true") || equalsIgnoreCase(text, "false")) {
        out = equalsIgnoreCase(text, "true");
        return true;
    }
    const NumberScan scan = scanNumber(text);
    if (scan.length == 0 || scan.length != text.size()) {
        return false;
    }
    out = scan.value != 0.0;
    return true;
}

// One block line; false when it fails.
bool plainBlockLine(std::string_view raw, const SettingsModel& tables, SettingsModel& out) {
    int slot = -1;
    PlainLine line;
    bool failed = false;
    if (!plainTaken(raw, tables, 0, slot, line, failed)) {
        return true;
    }
    if (failed) {
        return false;
    }
    BlockRecord& block = out.Blocks[static_cast<std::size_t>(slot)];
    if (line.key == "buildingrights") {
        block.buildingrights = line.valueText == "2";
        return true;
    }
    if (line.key != "value" && line.key != "prestige" && line.key != "ownable") {
        return true;
    }
    if (line.equals == std::string::npos) {
        return false;
    }
    if (line.key == "value") {
        return plainInt16(line.valueText, block.value);
    }
    if (line.key == "prestige") {
        return plainNumber(line.valueText, block.prestige);
    }
    return plainFlag(line.valueText, block.ownable);
}

constexpr std::string_view kValues[] = {"1200",
                                        "0.75",
                                        "-3.5",
                                        "true",
                                        "FALSE",
                                        "2",
                                        "40000",
                                        "1e3",
                                        ".5",
                                        "12a",
                                        "",
                                        "2.5",
                                        "-0",
                                        "+7",
                                        "32767",
                                        "-32768",
                                        "32768",
                                        "\xc1",
                                        "007",
                                        "5.",
                                        ".",
                                        "-",
                                        "+.5",
                                        "1.2.3",
                                        "-.",
                                        "123456789012345",
                                        "1234567890123456",
                                        "0.000000000000001",
                                        "99999999999999999999",
                                        "-32768.5",
                                        "32767.5",
                                        "1e400",
                                        "2147483647.5",
                                        "0x10",
                                        "-32769",
                                        "+32767",
                                        "999999999",
                                        "-999999999",
                                        "1000000000",
                                        "2147483647",
                                        "-2147483648",
                                        "2147483648"};
constexpr std::string_view kBlanks[] = {"", "", "", " ", "\t", "  ", "\t\t", " \t"};
constexpr std::string_view kEnds[] = {"\r\n", "\r\n", "\n", "\r"};

std::string cased(Random& random, std::string_view key) {
    std::string out(key);
    if (random.pick(0, 5) == 0) {
        for (char& c : out) {
            c = random.pick(0, 1) == 0 ? asciiUpper(c) : asciiLower(c);
        }
    }
    return out;
}

// A setting line of the given head ("BusinessInfo[X]." or "Tweaks."), mostly
// well formed, now and then broken in one of the ways a script can be.
std::string settingLine(Random& random, const std::string& head, std::string_view key) {
    const std::string blank(random.any(kBlanks));
    std::string line = std::string(random.any(kBlanks)) + head;
    if (random.pick(0, 9) == 0) {
        line += random.any(kBlanks);  // blanks between the head and the key
    }
    line += cased(random, key) + blank;
    switch (random.pick(0, 9)) {
        case 0:  // no ";"
            line += "=" + blank + std::string(random.any(kValues));
            break;
        case 1:  // "=" after the ";"
            line += std::string(random.any(kValues)) + ";=" + std::string(random.any(kValues));
            break;
        case 2:  // no "=" at all
            line += std::string(random.any(kValues)) + ";";
            break;
        default:
            line += "=" + blank + std::string(random.any(kValues)) + blank + ";";
    }
    switch (random.pick(0, 5)) {
        case 0:
            line += "  -- " + cased(random, random.any(test::kSettingKeysInOrder));
            break;
        case 1:
            line += "--";
            break;
        default:
            break;
    }
    return line;
}

std::string addCommodityLine(Random& random, const std::string& head) {
    static constexpr std::string_view kForms[] = {
        "(ANTIQUES, 85);", "(BREAD,20);", "(MEAT, 40000);", "(FISH 10);", "ANTIQUES, 5);",
        "(SWEETS, 5;",     "(,);",        "(DRINKS, 1.5);", "(A, -3)",    "(B, 2);x=1;"};
    return std::string(random.any(kBlanks)) + head + ":" + cased(random, "AddCommodity") +
           std::string(random.any(kBlanks)) + std::string(random.any(kForms));
}

template <typename MakeLine, typename PlainLineOf>
void expectScriptsReadAsThePlainWay(int kind, std::string_view fileName,
                                    const SettingsModel& tables, MakeLine makeLine,
                                    PlainLineOf plainLine, int& goodLines, int& failingLines) {
    test::TempDir project;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Random random(seed);
        std::string script;
        const int lineCount = random.pick(1, 50);
        for (int l = 0; l < lineCount; ++l) {
            script += makeLine(random);
            script += random.any(kEnds);
        }
        test::writeBytes(project / std::string(fileName), script);

        SettingsModel plain = tables;
        std::vector<std::size_t> plainFailing;
        const std::vector<std::string_view> lines = splitLines(script);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].empty() && !plainLine(lines[i], plain)) {
                plainFailing.push_back(i + 1);
            }
        }

        SettingsModel model = tables;
        std::vector<std::size_t> failing;
        for (const ScriptProblem& problem :
             checkScript(realFileSystem(), project.path(), kind, model)) {
            failing.push_back(problem.line);
        }
        ASSERT_EQ(failing, plainFailing) << "seed " << seed;
        ASSERT_TRUE(model.Blocks == plain.Blocks) << "seed " << seed;
        ASSERT_TRUE(model.Businesses == plain.Businesses) << "seed " << seed;
        ASSERT_TRUE(model.Tweaks == plain.Tweaks) << "seed " << seed;
        goodLines += static_cast<int>(lines.size() - plainFailing.size());
        failingLines += static_cast<int>(plainFailing.size());
    }
}

TEST(ReaderLines, BusinessScriptsReadAsThePlainWayReadsThem) {
    SettingsModel tables;
    for (std::size_t i = 0; i < kBusinessCount; ++i) {
        std::string code(kBusinessIdentifiers[i]);
        if (i % 7 == 3) {
            code = lowered(code);
        } else if (i % 11 == 5) {
            code = "OTHER";
        } else if (i % 13 == 7) {
            code.clear();  // a row the code table left empty
        } else if (i % 17 == 2) {
            code = kBusinessIdentifiers[(i + 1) % kBusinessCount];  // another slot's
        }
        tables.Businesses[i].code = code;
    }
    static constexpr std::string_view kKeys[] = {
        "timeinstore", "density",     "electricalneed", "waterneed", "refurbcost",
        "maxheight",   "closingtime", "footprintband",  "value",     "markup"};
    int good = 0;
    int failing = 0;
    expectScriptsReadAsThePlainWay(
        1, "businesssettings.lua", tables,
        [](Random& random) {
            const std::string head =
                "BusinessInfo[" + std::string(random.any(kBusinessIdentifiers)) + "]";
            if (random.pick(0, 9) == 0) {
                return "-- " + head + "." + std::string(random.any(kKeys)) + " = 1;";
            }
            if (random.pick(0, 3) == 0) {
                return addCommodityLine(random, head);
            }
            return settingLine(random, head + ".", random.any(kKeys));
        },
        [&tables](std::string_view raw, SettingsModel& out) {
            return plainBusinessLine(raw, tables, out);
        },
        good, failing);
    EXPECT_GT(good, 2000);
    EXPECT_GT(failing, 500);
}

TEST(ReaderLines, TweaksScriptsReadAsThePlainWayReadsThem) {
    SettingsModel tables;
    tables.Tweaks.code = std::string(kTweaksIdentifier);
    static constexpr std::string_view kKeys[] = {"railutilincomeEASY", "dailyfreightHARD",
                                                 "daysoff", "citybusinessesownable"};
    int good = 0;
    int failing = 0;
    expectScriptsReadAsThePlainWay(
        2, "hub.lua", tables,
        [](Random& random) {
            if (random.pick(0, 9) == 0) {
                return std::string("-- Tweaks.daysoff = true;");
            }
            // Mostly the record's name first; now and then in other letter
            // case, after other code, or not whole.
            static constexpr std::string_view kHeads[] = {
                "Tweaks.", "Tweaks.",           "Tweaks.",   "Tweaks.",  "Tweaks.", "Tweaks.",
                "tweaks.", "local x = Tweaks.", "a.Tweaks.", "Tweak s.", "Tweaks"};
            return settingLine(random, std::string(random.any(kHeads)), random.any(kKeys));
        },
        [](std::string_view raw, SettingsModel& out) { return plainTweaksLine(raw, out); }, good,
        failing);
    EXPECT_GT(good, 2000);
    EXPECT_GT(failing, 500);
}

TEST(ReaderLines, BlockScriptsReadAsThePlainWayReadsThem) {
    SettingsModel tables;
    for (std::size_t i = 0; i < kBlockCount; ++i) {
        std::string code(kBlockIdentifiers[i]);
        if (i % 7 == 3) {
            code = lowered(code);
        } else if (i % 11 == 5) {
            code = "OTHER";
        } else if (i % 13 == 7) {
            code.clear();
        }
        tables.Blocks[i].code = code;
    }
    static constexpr std::string_view kKeys[] = {"value", "prestige", "ownable", "buildingrights",
                                                 "markup"};
    int good = 0;
    int failing = 0;
    expectScriptsReadAsThePlainWay(
        0, "blocksettings.lua", tables,
        [](Random& random) {
            const std::string head = "Block[" + std::string(random.any(kBlockIdentifiers)) + "]";
            if (random.pick(0, 9) == 0) {
                return "-- " + head + "." + std::string(random.any(kKeys)) + " = 1;";
            }
            return settingLine(random, head + ".", random.any(kKeys));
        },
        [&tables](std::string_view raw, SettingsModel& out) {
            return plainBlockLine(raw, tables, out);
        },
        good, failing);
    EXPECT_GT(good, 2000);
    EXPECT_GT(failing, 500);
}

}  // namespace
}  // namespace tg
