// The reader tests each line for the setting keys and the identifiers in one
// pass per list, and reads plain decimals without the general number scan.
// These tests hold each shortcut against the plain way on generated inputs.

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/numbers.h"
#include "scripts/pattern_set.h"
#include "scripts/script_reader.h"
#include "setting_keys.h"
#include "test_support.h"

namespace tg {
namespace {

class Maker {
public:
    explicit Maker(unsigned seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    template <typename List>
    const auto& any(const List& from) {
        return from[static_cast<std::size_t>(pick(0, static_cast<int>(std::size(from)) - 1))];
    }

    // Pieces of the given words: whole, cut short, cut at the front, in
    // another letter case, glued to each other and to noise.
    template <typename List>
    std::string text(const List& words, int parts) {
        static const std::vector<std::string> noise = {" ", "\t", "[", "].", "=",    " = 1;", "--",
                                                       "x", "_",  "A", "e",  "0.5;", "(",     ","};
        std::string out;
        for (int p = 0; p < parts; ++p) {
            std::string word(any(words));
            switch (pick(0, 6)) {
                case 0:
                    word = word.substr(
                        0, static_cast<std::size_t>(pick(0, static_cast<int>(word.size()))));
                    break;
                case 1:
                    word = word.substr(
                        static_cast<std::size_t>(pick(0, static_cast<int>(word.size()))));
                    break;
                case 2:
                    for (char& c : word) {
                        c = pick(0, 1) == 0 ? asciiUpper(c) : asciiLower(c);
                    }
                    break;
                case 3:
                    out += any(noise);
                    break;
                default:
                    break;
            }
            out += word;
        }
        return out;
    }

private:
    std::mt19937 random_;
};

// ---------------------------------------------------------------------------
// PatternSet against one search per pattern.

std::uint64_t searchEach(const std::vector<std::string>& patterns, std::string_view text) {
    std::uint64_t found = 0;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (!patterns[i].empty() && text.find(patterns[i]) != std::string_view::npos) {
            found |= std::uint64_t{1} << i;
        }
    }
    return found;
}

TEST(ReaderMatching, PatternSetFindsWhatSearchingEachPatternFinds) {
    static const std::vector<std::string> letters = {"a", "b",    "ab",   "ba", "abc",
                                                     "c", "\xff", "aaaa", "z"};
    int hits = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        Maker make(seed);
        std::vector<std::string> patterns;
        const int count = make.pick(0, 64);
        for (int i = 0; i < count; ++i) {
            patterns.push_back(make.text(letters, make.pick(0, 4)));
        }
        std::vector<std::string_view> views(patterns.begin(), patterns.end());
        const PatternSet set(views);
        for (int t = 0; t < 20; ++t) {
            const std::string text = make.text(letters, make.pick(0, 12));
            const std::uint64_t expected = searchEach(patterns, text);
            ASSERT_EQ(set.occurring(text), expected) << "seed " << seed << ", text " << text;
            hits += std::popcount(expected);
        }
    }
    EXPECT_GT(hits, 100000);  // the texts hold many of their patterns
}

TEST(ReaderMatching, PatternSetTakesNoMoreThanItsLimit) {
    std::vector<std::string> patterns;
    for (int i = 0; i < 70; ++i) {
        patterns.push_back("p" + std::to_string(i) + ";");
    }
    std::vector<std::string_view> views(patterns.begin(), patterns.end());
    const PatternSet set(views);
    EXPECT_EQ(set.occurring("p0;p63;p64;p69;"), (std::uint64_t{1} << 63) | 1U);
    EXPECT_EQ(PatternSet(std::vector<std::string_view>{}).occurring("anything"), 0U);
    EXPECT_EQ(PatternSet(std::vector<std::string_view>{"", "x"}).occurring("x"), 2U);
}

// ---------------------------------------------------------------------------
// The key of a line against one search per key.

constexpr auto& kKeysInOrder = test::kSettingKeysInOrder;

std::string_view referenceKey(std::string_view line) {
    std::string lower(line);
    for (char& c : lower) {
        c = asciiLower(c);
    }
    for (std::string_view key : kKeysInOrder) {
        std::string k(key);
        for (char& c : k) {
            c = asciiLower(c);
        }
        if (lower.find(k) == std::string::npos) {
            continue;
        }
        if (key == "ownable" && lower.find("citybusinessesownable") != std::string::npos) {
            continue;
        }
        return key;
    }
    return {};
}

TEST(ReaderMatching, KeyOfLineAgreesWithOneSearchPerKey) {
    int keyed = 0;
    for (unsigned seed = 1; seed <= 20000; ++seed) {
        Maker make(seed);
        const std::string line = make.text(kKeysInOrder, make.pick(0, 5));
        const std::string_view expected = referenceKey(line);
        ASSERT_EQ(keyOfLine(line), expected) << "line " << line;
        keyed += expected.empty() ? 0 : 1;
    }
    EXPECT_GT(keyed, 10000);
}

// ---------------------------------------------------------------------------
// The slot of a line against the identifier tables' own lookups.

TEST(ReaderMatching, SlotOfLineAgreesWithTheIdentifierLookups) {
    int found = 0;
    for (unsigned seed = 1; seed <= 10000; ++seed) {
        Maker make(seed);
        const std::string blocks = make.text(kBlockIdentifiers, make.pick(0, 4));
        const std::string businesses = make.text(kBusinessIdentifiers, make.pick(0, 4));
        const std::string commodities = make.text(kCommodityIdentifiers, make.pick(0, 4));
        const std::string tweaks = make.text(std::vector<std::string>{"Tweaks", "tweak"}, 2);
        ASSERT_EQ(slotOfLine(0, blocks), blockSlotOf(blocks)) << blocks;
        ASSERT_EQ(slotOfLine(1, businesses), businessSlotOf(businesses)) << businesses;
        ASSERT_EQ(slotOfLine(3, commodities), commoditySlotOf(commodities)) << commodities;
        ASSERT_EQ(slotOfLine(2, tweaks), tweaksSlotOf(tweaks)) << tweaks;
        // Any other kind names no record.
        ASSERT_EQ(slotOfLine(4, blocks), -1);
        found += blockSlotOf(blocks) >= 0 ? 1 : 0;
    }
    EXPECT_GT(found, 5000);
}

// ---------------------------------------------------------------------------
// Values read against the general number scan.

std::string numberText(Maker& make) {
    std::string out;
    const int form = make.pick(0, 9);
    if (make.pick(0, 3) == 0) {
        out += make.pick(0, 1) == 0 ? "-" : "+";
    }
    const int whole = make.pick(0, form == 0 ? 19 : 6);
    const int fraction = make.pick(0, form == 1 ? 19 : 4);
    for (int i = 0; i < whole; ++i) {
        out += static_cast<char>('0' + make.pick(0, 9));
    }
    if (fraction > 0 || make.pick(0, 5) == 0) {
        out += '.';
    }
    for (int i = 0; i < fraction; ++i) {
        out += static_cast<char>('0' + make.pick(0, 9));
    }
    if (whole == 0 && fraction == 0) {
        out += "7";  // keep it a number
    }
    if (form == 2) {
        out += "e" + std::to_string(make.pick(-30, 30));
    }
    return out;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ReaderMatching, ValuesReadAgreeWithTheGeneralNumberScanBitForBit) {
    test::TempDir project;
    Maker make(99);
    int checked = 0;
    for (int round = 0; round < 150; ++round) {
        SettingsModel model;
        std::string script;
        std::vector<std::string> texts;
        for (int i = 0; i < kCommodityCount; ++i) {
            model.Commodities[i].code = std::string(kCommodityIdentifiers[i]);
            texts.push_back(numberText(make));
            script += "Commodity[" + std::string(kCommodityIdentifiers[i]) +
                      "].markup = " + texts.back() + ";\r\n";
        }
        test::writeBytes(project / "commoditysettings.lua", script);
        const auto notice = readScript(realFileSystem(), project.path(), 3, model);
        ASSERT_FALSE(notice.has_value()) << notice->text;
        for (int i = 0; i < kCommodityCount; ++i) {
            const NumberScan scan = scanNumber(texts[static_cast<std::size_t>(i)]);
            ASSERT_EQ(scan.length, texts[static_cast<std::size_t>(i)].size());
            EXPECT_TRUE(sameBits(model.Commodities[i].markup, scan.value))
                << texts[static_cast<std::size_t>(i)] << " read as " << model.Commodities[i].markup
                << ", not " << scan.value;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 150 * kCommodityCount);
}

// Whole numbers as the scripts write them, and the forms around them:
// signs, leading zeros, up to twelve digits (so past both fields' ranges),
// halves, points and exponents.
std::string integerText(Maker& make) {
    if (make.pick(0, 3) == 0) {
        return numberText(make);
    }
    std::string out;
    switch (make.pick(0, 3)) {
        case 0:
            out += "-";
            break;
        case 1:
            out += "+";
            break;
        default:
            break;
    }
    const int digits = make.pick(1, make.pick(0, 1) == 0 ? 5 : 12);
    for (int i = 0; i < digits; ++i) {
        out += static_cast<char>('0' + make.pick(i == 0 && make.pick(0, 3) != 0 ? 1 : 0, 9));
    }
    switch (make.pick(0, 7)) {
        case 0:
            out += ".5";
            break;
        case 1:
            out += ".";
            break;
        case 2:
            out += "x";
            break;
        default:
            break;
    }
    return out;
}

// What a 16- or 32-bit field reads from a value text: the general scan,
// rounded half to even; nothing when the line fails.
template <typename Integer>
std::optional<Integer> expectedInteger(std::string_view text) {
    const NumberScan scan = scanNumber(text);
    if (scan.length == 0 || scan.length != text.size() || scan.overflow) {
        return std::nullopt;
    }
    if constexpr (sizeof(Integer) == 2) {
        return roundToInt16(scan.value);
    } else {
        return roundToInt32(scan.value);
    }
}

TEST(ReaderMatching, WholeNumberFieldsAgreeWithTheGeneralNumberScan) {
    test::TempDir project;
    Maker make(7);
    int read = 0;
    int refused = 0;
    for (int round = 0; round < 60; ++round) {
        // 16-bit fields: a business's minarea, one line per business.
        SettingsModel model;
        std::string script;
        std::vector<std::string> texts;
        for (int i = 0; i < kBusinessCount; ++i) {
            model.Businesses[i].code = std::string(kBusinessIdentifiers[i]);
            texts.push_back(integerText(make));
            script += "BusinessInfo[" + std::string(kBusinessIdentifiers[i]) +
                      "].minarea = " + texts.back() + ";\r\n";
        }
        test::writeBytes(project / "businesssettings.lua", script);
        const auto problems = checkScript(realFileSystem(), project.path(), 1, model);
        std::size_t problem = 0;
        for (int i = 0; i < kBusinessCount; ++i) {
            const std::string& text = texts[static_cast<std::size_t>(i)];
            const auto expected = expectedInteger<std::int16_t>(text);
            const bool failed = problem < problems.size() &&
                                problems[problem].line == static_cast<std::size_t>(i + 1);
            problem += failed ? 1 : 0;
            ASSERT_EQ(failed, !expected.has_value()) << text;
            if (expected) {
                ASSERT_EQ(model.Businesses[i].minarea, *expected) << text;
                ++read;
            } else {
                ++refused;
            }
        }
        ASSERT_EQ(problem, problems.size());

        // 32-bit fields: the tweaks' whole numbers, one script each.
        for (std::string_view key : {"dailyfreightEASY", "numyearsin24hours", "blockleaselength"}) {
            const std::string text = integerText(make);
            SettingsModel tweaks;
            test::writeBytes(project / "hub.lua",
                             "Tweaks." + std::string(key) + " = " + text + ";\n");
            const auto notice = readScript(realFileSystem(), project.path(), 2, tweaks);
            const auto expected = expectedInteger<std::int32_t>(text);
            ASSERT_EQ(notice.has_value(), !expected.has_value()) << text;
            if (expected) {
                const std::int32_t got = key == "dailyfreightEASY" ? tweaks.Tweaks.dailyfreightEASY
                                         : key == "numyearsin24hours"
                                             ? tweaks.Tweaks.numyearsin24hours
                                             : tweaks.Tweaks.blockleaselength;
                ASSERT_EQ(got, *expected) << key << " = " << text;
            }
        }
    }
    EXPECT_GT(read, 1000);
    EXPECT_GT(refused, 300);
}

TEST(ReaderMatching, FlagsAndNotNumbersKeepTheirReading) {
    test::TempDir project;
    SettingsModel model;
    test::writeBytes(project / "hub.lua",
                     "Tweaks.daysoff = -0.0;\r\nTweaks.citybusinessesownable = .5;\r\n");
    EXPECT_FALSE(readScript(realFileSystem(), project.path(), 2, model).has_value());
    EXPECT_FALSE(model.Tweaks.daysoff);
    EXPECT_TRUE(model.Tweaks.citybusinessesownable);

    for (std::string_view bad : {"1.2.3", ".", "-", "1..", "12a", "+-1", "0x10"}) {
        SettingsModel fresh;
        test::writeBytes(project / "hub.lua",
                         "Tweaks.railutilincomeEASY = " + std::string(bad) + ";\r\n");
        const auto notice = readScript(realFileSystem(), project.path(), 2, fresh);
        ASSERT_TRUE(notice.has_value()) << bad;
        EXPECT_NE(notice->text.find("line 1"), std::string::npos) << notice->text;
    }
}

}  // namespace
}  // namespace tg
