// The setting-key search that looks only inside runs of letters, held
// against the case-blind PatternSet of the same keys and against a lowered
// search per key (which also gives each key's first place), on generated
// text with odd bytes; and its letter finder 16 bytes at a time against the
// bytewise one.

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fs/paths.h"
#include "scripts/letter_keys.h"
#include "scripts/pattern_set.h"
#include "setting_keys.h"
#include "test_support.h"

namespace tg {
namespace {

using test::lowered;

constexpr auto& kKeys = test::kSettingKeysInOrder;

// Text made of keys (whole, cut, joined, in any letter case) and of bytes
// that are next to letters under bit 0x20, digits, control bytes that bit
// 0x20 turns into digits, NULs and bytes from 0x80 up; sometimes very long.
std::string makeText(std::mt19937& engine, std::span<const std::string_view> keys) {
    static constexpr std::string_view kOdd[] = {" ",
                                                "\t",
                                                "@",
                                                "`",
                                                "[",
                                                "{",
                                                "_",
                                                ".",
                                                "=",
                                                ";",
                                                "--",
                                                "2",
                                                "4",
                                                "\x12",
                                                "\x14",
                                                "\x7f",
                                                "\x80",
                                                "\xc1",
                                                "\xe1",
                                                "\xff",
                                                "BusinessInfo",
                                                "Block",
                                                "MARLOWEN_AVENUE",
                                                "x"};
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    std::string out;
    const int parts = pick(0, 1) == 0 ? pick(0, 8) : pick(0, 60);
    for (int p = 0; p < parts; ++p) {
        if (pick(0, 2) == 0) {
            const std::string_view odd =
                kOdd[static_cast<std::size_t>(pick(0, std::size(kOdd) - 1))];
            out += odd;
            if (pick(0, 9) == 0) {
                out.push_back('\0');
            }
            continue;
        }
        std::string word(
            keys[static_cast<std::size_t>(pick(0, static_cast<int>(keys.size()) - 1))]);
        switch (pick(0, 5)) {
            case 0:
                word.resize(static_cast<std::size_t>(pick(0, static_cast<int>(word.size()))));
                break;
            case 1:
                word.erase(0, static_cast<std::size_t>(pick(0, static_cast<int>(word.size()))));
                break;
            case 2:
                for (char& c : word) {
                    c = pick(0, 1) == 0 ? asciiUpper(c) : asciiLower(c);
                }
                break;
            case 3:  // one letter turned into its neighbour under bit 0x20
                if (!word.empty()) {
                    char& c =
                        word[static_cast<std::size_t>(pick(0, static_cast<int>(word.size()) - 1))];
                    c = static_cast<char>(c ^ 0x20);
                    if (c >= '0' && c <= '9') {
                        c = static_cast<char>(c - 0x20);
                    }
                }
                break;
            default:
                break;
        }
        out += word;
    }
    return out;
}

TEST(ReaderLetterKeys, FindsAndPlacesWhatALoweredSearchPerKeyFinds) {
    const LetterKeySet set(kKeys);
    ASSERT_EQ(set.way(), LetterKeySet::Way::EveryFourth);
    const PatternSet plain(kKeys, PatternSet::LetterCase::Ignore);
    std::mt19937 engine(7);
    int found = 0;
    for (int t = 0; t < 6000; ++t) {
        const std::string text = makeText(engine, kKeys);
        const std::string low = lowered(text);
        std::uint64_t expected = 0;
        LetterKeySet::Hits hits;
        set.occurring(text, hits);
        for (std::size_t i = 0; i < std::size(kKeys); ++i) {
            const std::size_t at = low.find(lowered(kKeys[i]));
            if (at == std::string::npos) {
                continue;
            }
            expected |= std::uint64_t{1} << i;
            ASSERT_TRUE((hits.placed >> i) & 1U) << "key " << kKeys[i] << ", text " << text;
            ASSERT_EQ(hits.at[i], at) << "key " << kKeys[i] << ", text " << text;
        }
        ASSERT_EQ(hits.found, expected) << "text " << text;
        ASSERT_EQ(hits.placed & ~hits.found, 0U) << "text " << text;
        ASSERT_EQ(plain.occurring(text), expected) << "text " << text;
        found += std::popcount(expected);
    }
    EXPECT_GT(found, 10000);
}

TEST(ReaderLetterKeys, KeysThatDoNotStartWithFiveLettersGoThePatternSetWay) {
    // Short keys, digits and other bytes near the start: the sampled search
    // does not apply; what is found must still be what a lowered search finds.
    static constexpr std::string_view kOthers[] = {"ab", "a1b2c", "x_y", "value", "24hours", "Q"};
    const LetterKeySet set(kOthers);
    ASSERT_EQ(set.way(), LetterKeySet::Way::Patterns);
    std::mt19937 engine(11);
    for (int t = 0; t < 3000; ++t) {
        const std::string text = makeText(engine, kOthers);
        std::uint64_t expected = 0;
        for (std::size_t i = 0; i < std::size(kOthers); ++i) {
            if (lowered(text).find(lowered(kOthers[i])) != std::string::npos) {
                expected |= std::uint64_t{1} << i;
            }
        }
        ASSERT_EQ(set.occurring(text), expected) << "text " << text;
    }
}

TEST(ReaderLetterKeys, KeysAtEveryOffsetAcrossTheSixtyFourByteSteps) {
    // A key alone at every offset of a long line, letters or other bytes
    // around it, so that runs and keys straddle every block edge.
    const LetterKeySet set(kKeys);
    for (std::string_view key :
         {std::string_view("value"), std::string_view("citybusinessesownable"),
          std::string_view("numyearsin24hours")}) {
        for (const char filler : {'-', 'q', '\xe1'}) {
            for (std::size_t before = 0; before < 140; ++before) {
                const std::string text = std::string(before, filler) + std::string(key) +
                                         std::string(before % 7, filler);
                const std::string low = lowered(text);
                LetterKeySet::Hits hits;
                set.occurring(text, hits);
                std::uint64_t expected = 0;
                for (std::size_t i = 0; i < std::size(kKeys); ++i) {
                    const std::size_t at = low.find(lowered(kKeys[i]));
                    if (at != std::string::npos) {
                        expected |= std::uint64_t{1} << i;
                        ASSERT_EQ(hits.at[i], at) << text;
                    }
                }
                ASSERT_EQ(hits.found, expected) << text;
                ASSERT_NE(expected, 0U) << text;
            }
        }
    }
}

// Texts of few letters, mostly the first eight in order so that the keys
// made of them occur often, with other bytes between: long runs reach the
// 64th byte of a block and the text's end at every length around 64, and
// keys stand at every offset in them. What the set finds and places is held
// against a lowered search per key and against the PatternSet. Returns how
// many keys were found.
int checkAgainstLoweredSearch(const LetterKeySet& set, std::span<const std::string_view> keys,
                              std::uint32_t seed) {
    static constexpr char kBytes[] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h',    'A', 'C',
                                      'E', 'G', '1', '_', '@', '`', 'x', '\xe1', 'B', '\xc1'};
    const PatternSet plain(keys, PatternSet::LetterCase::Ignore);
    std::mt19937 engine(seed);
    int found = 0;
    for (int t = 0; t < 4000; ++t) {
        const auto size = static_cast<std::size_t>(
            std::uniform_int_distribution<int>(t % 2 == 0 ? 56 : 0, t % 2 == 0 ? 72 : 140)(engine));
        const auto phase = static_cast<std::size_t>((t / 2) % 8);
        std::string text(size, ' ');
        for (std::size_t k = 0; k < size; ++k) {
            text[k] = std::uniform_int_distribution<int>(0, 3)(engine) != 0
                          ? static_cast<char>('a' + (k + phase) % 8)
                          : kBytes[std::uniform_int_distribution<std::size_t>(
                                0, std::size(kBytes) - 1)(engine)];
        }
        const std::string low = lowered(text);
        LetterKeySet::Hits hits;
        set.occurring(text, hits);
        std::uint64_t expected = 0;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::size_t at = low.find(lowered(keys[i]));
            if (at == std::string::npos) {
                continue;
            }
            expected |= std::uint64_t{1} << i;
            EXPECT_TRUE((hits.placed >> i) & 1U) << "key " << keys[i] << ", text " << text;
            EXPECT_EQ(hits.at[i], at) << "key " << keys[i] << ", text " << text;
        }
        EXPECT_EQ(hits.found, expected) << "text " << text;
        EXPECT_EQ(plain.occurring(text), expected) << "text " << text;
        if (::testing::Test::HasFailure()) {
            return found;
        }
        found += std::popcount(expected);
    }
    return found;
}

TEST(ReaderLetterKeys, LongRunsAndKeysThatEndInOtherBytesAcrossEveryBlockEdge) {
    // Keys that share grams, hold one another, or go on with a digit or
    // another byte after their letters; four short keys of five different
    // first letters, so every second position is looked at.
    static constexpr std::string_view kMixed[] = {"abcdefgh",  "abcde1", "bcdefgh_x", "cdefg",
                                                  "habcdefgh", "efgab@", "fghab"};
    const LetterKeySet set(kMixed);
    ASSERT_EQ(set.way(), LetterKeySet::Way::EverySecond);
    EXPECT_GT(checkAgainstLoweredSearch(set, kMixed, 5), 4000);
}

TEST(ReaderLetterKeys, EveryFourthPositionWithShortKeysByTheirFirstLetters) {
    // Long keys (seven letters or more, some followed by other bytes) that
    // share grams at every offset and hold one another, and short keys of
    // two first and two second letters, one of them inside a long key.
    static constexpr std::string_view kFourth[] = {
        "abcdefgh", "bcdefgha", "cdefghab1", "habcdefgh", "defghabc_x", "efghabcdefgh",
        "abcde",    "hab",      "abc@",      "hbc",       "fghabcd"};
    const LetterKeySet set(kFourth);
    ASSERT_EQ(set.way(), LetterKeySet::Way::EveryFourth);
    EXPECT_GT(checkAgainstLoweredSearch(set, kFourth, 9), 10000);

    // Long keys alone: no short key to look for.
    static constexpr std::string_view kLong[] = {"abcdefgh", "cdefghab1", "habcdefgh", "fghabcd",
                                                 "efghabcdefgh"};
    const LetterKeySet longOnly(kLong);
    ASSERT_EQ(longOnly.way(), LetterKeySet::Way::EveryFourth);
    EXPECT_GT(checkAgainstLoweredSearch(longOnly, kLong, 13), 4000);

    // A third first letter among the short keys: every second position.
    static constexpr std::string_view kThree[] = {"abcdefgh", "abcde", "cdefg", "efgha"};
    EXPECT_EQ(LetterKeySet(kThree).way(), LetterKeySet::Way::EverySecond);
}

TEST(ReaderLetterKeys, KeysThatRepeatThemselvesArePlacedWhereTheyFirstStand) {
    // A key of period one, two or three holds the same four letters at
    // several offsets, so the same four letters in the text name it at two
    // places at once: the earlier must be taken. Each key's period repeated
    // after a prefix of every length, in any letter case.
    static constexpr std::string_view kRepeating[] = {"aaaaaaaa", "abababab", "abcabcabc", "ab",
                                                      "ba"};
    const LetterKeySet set(kRepeating);
    ASSERT_EQ(set.way(), LetterKeySet::Way::EveryFourth);
    std::mt19937 engine(23);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    for (int t = 0; t < 3000; ++t) {
        static constexpr std::string_view kUnits[] = {"a", "ab", "abc", "ba", "cab"};
        static constexpr std::string_view kFill = "-xaAbB@`";
        std::string text;
        for (int k = pick(0, 70); k > 0; --k) {
            text.push_back(kFill[static_cast<std::size_t>(pick(0, kFill.size() - 1))]);
        }
        const std::string_view unit = kUnits[static_cast<std::size_t>(pick(0, 4))];
        for (int k = pick(1, 14); k > 0; --k) {
            for (const char c : unit) {
                text.push_back(pick(0, 4) == 0 ? asciiUpper(c) : c);
            }
        }
        for (int k = pick(0, 40); k > 0; --k) {
            text.push_back(kFill[static_cast<std::size_t>(pick(0, kFill.size() - 1))]);
        }
        const std::string low = lowered(text);
        LetterKeySet::Hits hits;
        set.occurring(text, hits);
        std::uint64_t expected = 0;
        for (std::size_t i = 0; i < std::size(kRepeating); ++i) {
            const std::size_t at = low.find(kRepeating[i]);
            if (at == std::string::npos) {
                continue;
            }
            expected |= std::uint64_t{1} << i;
            ASSERT_TRUE((hits.placed >> i) & 1U) << "key " << kRepeating[i] << ", text " << text;
            ASSERT_EQ(hits.at[i], at) << "key " << kRepeating[i] << ", text " << text;
        }
        ASSERT_EQ(hits.found, expected) << "text " << text;
    }
}

TEST(ReaderLetterKeys, LetterBitsAgreeWithTheBytewiseWay) {
    std::mt19937 engine(3);
    for (int t = 0; t < 4000; ++t) {
        std::string text(
            static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 150)(engine)), ' ');
        for (char& c : text) {
            c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(engine));
        }
        for (std::size_t from = 0; from <= text.size(); from += 1 + from % 13) {
            ASSERT_EQ(LetterKeySet::letterBits(text, from),
                      LetterKeySet::letterBitsPlain(text, from))
                << "size " << text.size() << ", from " << from;
        }
    }
}

TEST(ReaderLetterKeys, MarksAgreeWithTheBytewiseWay) {
    // Random bytes, with the wanted letters and their capitals often among
    // them; up to three letters wanted in each list (only two are looked
    // at), from every place in the text.
    std::mt19937 engine(17);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    for (int t = 0; t < 3000; ++t) {
        std::vector<char> firsts(static_cast<std::size_t>(pick(0, 3)));
        std::vector<char> seconds(static_cast<std::size_t>(pick(0, 3)));
        for (char& c : firsts) {
            c = static_cast<char>('a' + pick(0, 25));
        }
        for (char& c : seconds) {
            c = static_cast<char>('a' + pick(0, 25));
        }
        std::string text(static_cast<std::size_t>(pick(0, 150)), ' ');
        for (char& c : text) {
            const int kind = pick(0, 3);
            if (kind == 0 && !firsts.empty()) {
                c = firsts[static_cast<std::size_t>(pick(0, static_cast<int>(firsts.size()) - 1))];
            } else if (kind == 1 && !seconds.empty()) {
                c = seconds[static_cast<std::size_t>(
                    pick(0, static_cast<int>(seconds.size()) - 1))];
            } else {
                c = static_cast<char>(pick(0, 255));
            }
            if (pick(0, 3) == 0) {
                c = static_cast<char>(c ^ 0x20);
            }
        }
        for (std::size_t from = 0; from <= text.size(); from += 1 + from % 11) {
            const LetterKeySet::Marks fast = LetterKeySet::marks(text, from, firsts, seconds);
            const LetterKeySet::Marks plain = LetterKeySet::marksPlain(text, from, firsts, seconds);
            ASSERT_EQ(fast.letters, plain.letters) << "size " << text.size() << ", from " << from;
            ASSERT_EQ(fast.first, plain.first) << "size " << text.size() << ", from " << from;
            ASSERT_EQ(fast.second, plain.second) << "size " << text.size() << ", from " << from;
        }
    }
    // The bytewise way itself, on a text whose answer is known: "V" and "a"
    // are marked, "@" (one bit 0x20 away from "`") is not.
    static constexpr char kV[] = {'v'};
    static constexpr char kA[] = {'a'};
    const LetterKeySet::Marks known = LetterKeySet::marksPlain("Va@`v", 0, kV, kA);
    EXPECT_EQ(known.letters, 0b10011U);
    EXPECT_EQ(known.first, 0b10001U);
    EXPECT_EQ(known.second, 0b00010U);
}

}  // namespace
}  // namespace tg
