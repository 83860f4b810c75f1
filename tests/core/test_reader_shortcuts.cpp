// The reader's per-line shortcuts (sampled pattern search, letter case folded
// without a lowered copy, identifiers looked up run by run, blanks dropped
// eight bytes at a time, lines walked with memchr, the first character of a
// case-blind search tested eight at a time) held against the plain way on
// generated input, odd bytes included. The last test reads whole generated
// scripts and compares the model and the failing lines with a plain reading
// built from the program's simple pieces.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "random_picks.h"
#include "scripts/code_tables.h"
#include "scripts/identifier_index.h"
#include "scripts/numbers.h"
#include "scripts/pattern_set.h"
#include "scripts/script_reader.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"
#include "scripts/word_ops.h"
#include "test_support.h"

namespace tg {
namespace {

using test::lowered;

// The shared picks, and text made of words and odd bytes.
class Random : public test::Random {
public:
    using test::Random::Random;

    // Words from the list (whole, cut, in another letter case) mixed with
    // bytes that sit next to letters under bit 0x20 ("@" and "`", "[" and
    // "{"), NULs, line-end bytes and bytes from 0x80 up.
    template <typename List>
    std::string text(const List& words, int parts) {
        static constexpr std::string_view kOdd[] = {" ",
                                                    "\t",
                                                    "@",
                                                    "`",
                                                    "[",
                                                    "{",
                                                    "]",
                                                    "}",
                                                    "^",
                                                    "~",
                                                    "_",
                                                    "\x7f",
                                                    std::string_view("\0", 1),
                                                    "\xc1",
                                                    "\xe1",
                                                    "\x80",
                                                    "\xff",
                                                    "--",
                                                    "=",
                                                    ";",
                                                    "(",
                                                    ",",
                                                    ")",
                                                    ".",
                                                    "0.5",
                                                    "-3"};
        std::string out;
        for (int p = 0; p < parts; ++p) {
            std::string word(any(words));
            switch (pick(0, 7)) {
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
                case 3:
                case 4:
                    out += any(kOdd);
                    break;
                default:
                    break;
            }
            out += word;
        }
        return out;
    }
};

TEST(ReaderShortcuts, CaseBlindPatternSetFindsWhatALoweredSearchFinds) {
    static constexpr std::string_view kWords[] = {
        "Value", "ab", "AB@", "a[b", "A{B", "z", "\xc1x", "\xe1X", "owNable", "eAsY", "24hours"};
    int hits = 0;
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        Random random(seed);
        std::vector<std::string> patterns;
        const int count = random.pick(0, 40);
        for (int i = 0; i < count; ++i) {
            patterns.push_back(random.text(kWords, random.pick(1, 3)));
        }
        const std::vector<std::string_view> views(patterns.begin(), patterns.end());
        const PatternSet set(views, PatternSet::LetterCase::Ignore);
        for (int t = 0; t < 20; ++t) {
            const std::string text = random.text(kWords, random.pick(0, 14));
            std::uint64_t expected = 0;
            for (std::size_t i = 0; i < patterns.size(); ++i) {
                if (!patterns[i].empty() &&
                    lowered(text).find(lowered(patterns[i])) != std::string::npos) {
                    expected |= std::uint64_t{1} << i;
                }
            }
            ASSERT_EQ(set.occurring(text), expected) << "seed " << seed << ", text " << text;
            hits += std::popcount(expected);
        }
    }
    EXPECT_GT(hits, 20000);
}

TEST(ReaderShortcuts, PatternSetSamplingMissesNoOccurrenceNearTheEnds) {
    // Patterns of every length from one to twelve, each alone in a text at
    // every offset, with filler that holds none of them.
    const std::string pattern = "KLMNOPQRSTUV";
    for (std::size_t length = 1; length <= pattern.size(); ++length) {
        const std::string_view wanted(pattern.data(), length);
        const std::string_view longer = "KLMNOPQRSTUVW";
        const std::string_view both[] = {wanted, longer};
        const PatternSet set(both);
        for (std::size_t before = 0; before < 9; ++before) {
            for (std::size_t after = 0; after < 9; ++after) {
                const std::string text =
                    std::string(before, 'a') + std::string(wanted) + std::string(after, 'a');
                ASSERT_EQ(set.occurring(text), 1U) << text;
                ASSERT_EQ(set.occurring(text.substr(0, text.size() - after - 1)), 0U) << text;
            }
        }
    }
}

TEST(ReaderShortcuts, LineCursorGivesTheLinesOfSplitLines) {
    static constexpr std::string_view kPieces[] = {
        "a", "bc", "\r", "\n", "\r\n", "\n\r", std::string_view("\0", 1), "\xff", " ",
        "Block[AIRPORT].value = 25000;", "\x8d\x8a\x0d\x0a\x2d\x2d",
        // Runs that put line ends on either side of the 16-byte steps.
        "0123456789abcde", "0123456789abcdef", "0123456789abcdefg",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    for (unsigned seed = 1; seed <= 5000; ++seed) {
        Random random(seed);
        std::string bytes;
        const int parts = random.pick(0, 40);
        for (int p = 0; p < parts; ++p) {
            bytes += random.any(kPieces);
        }
        std::vector<std::string_view> walked;
        LineCursor cursor(bytes);
        std::string_view line;
        while (cursor.next(line)) {
            walked.push_back(line);
        }
        ASSERT_EQ(walked, splitLines(bytes)) << "seed " << seed;
        // Every line is a view into the bytes, not a copy.
        for (std::string_view l : walked) {
            ASSERT_TRUE(l.empty() ||
                        (l.data() >= bytes.data() && l.data() < bytes.data() + bytes.size()));
        }
    }
}

TEST(ReaderShortcuts, LineEndsFoundAsTheBytewiseSearchFindsThem) {
    // Line ends sparse and dense, near chunk edges, beside bytes that differ
    // from them only in the high bit, from every start.
    std::mt19937 engine(11);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    static constexpr char kOthers[] = {'a', '\x8d', '\x8a', '\0', '\x0c', '\x0e', '\xff', ' '};
    int ends = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int length = pick(0, 100);
        const int sparse = pick(1, 60);
        for (int i = 0; i < length; ++i) {
            bytes.push_back(pick(0, sparse) == 0 ? (pick(0, 1) == 0 ? '\r' : '\n')
                                                 : kOthers[pick(0, 7)]);
        }
        for (std::size_t from = 0; from <= bytes.size(); ++from) {
            const std::size_t found = bytes.find_first_of("\r\n", from);
            const std::size_t expected = found == std::string::npos ? bytes.size() : found;
            ASSERT_EQ(lineEndFrom(bytes, from), expected) << "round " << round << ", from " << from;
            ASSERT_EQ(lineEndFromPlain(bytes, from), expected)
                << "round " << round << ", from " << from;
            ends += found != std::string::npos ? 1 : 0;
        }
    }
    EXPECT_GT(ends, 10000);
}

int firstSlotPlain(const std::vector<std::string>& identifiers, std::string_view text) {
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot) {
        if (!identifiers[slot].empty() && text.find(identifiers[slot]) != std::string_view::npos) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

// The code of a line without blanks, the way the reader took it before the
// one-pass copy: the comment cut, then the spaces and tabs removed.
void expectCodeAsThePlainWay(std::string_view line, std::vector<char>& fast,
                             std::vector<char>& plain, const std::string& label) {
    const std::string_view code = stripComment(line);
    const std::size_t blank = code.find_first_of(" \t");
    const std::size_t wantBlank = blank == std::string_view::npos ? code.size() : blank;
    const std::string want = removeBlanks(code);
    std::size_t fastBlank = 12345;
    std::size_t wideBlank = 12345;
    std::size_t plainBlank = 12345;
    ASSERT_EQ(codeWithoutBlanks(line, fast, fastBlank), want) << label;
    ASSERT_EQ(fastBlank, wantBlank) << label;
    // The wide way is what codeWithoutBlanks falls back on; it writes into
    // the same buffer, so its bytes are left behind for the next line.
    ASSERT_EQ(codeWithoutBlanksWide(line, fast, wideBlank), want) << label;
    ASSERT_EQ(wideBlank, wantBlank) << label;
    ASSERT_EQ(codeWithoutBlanksPlain(line, plain, plainBlank), want) << label;
    ASSERT_EQ(plainBlank, wantBlank) << label;
}

TEST(ReaderShortcuts, CodeWithoutBlanksAgreesWithCutThenRemove) {
    // One buffer each kept across all lines, as the reader keeps it, so a
    // longer line's bytes are left behind in it.
    std::vector<char> fast;
    std::vector<char> plain;
    // A "--", a lone "-", a blank and a tab at every place of lines that
    // end on both sides of the 16-byte steps, over a filler of letters or
    // of odd bytes.
    for (const char filler : {'x', '\xff', '\0', '\r'}) {
        for (std::size_t size = 0; size <= 50; ++size) {
            for (std::size_t at = 0; at <= size; ++at) {
                for (std::string_view put : {"--", "-", " ", "\t", "- -", " --", "---"}) {
                    std::string line(size, filler);
                    line.replace(at, std::min(put.size(), size - at), put.substr(0, size - at));
                    expectCodeAsThePlainWay(line, fast, plain,
                                            "size " + std::to_string(size) + " at " +
                                                std::to_string(at) + " put \"" + std::string(put) +
                                                "\"");
                }
            }
        }
    }
    // Longer lines, taken as one 64-byte piece by the shuffles or in steps
    // of 16 by the wide way: a "--", a lone "-" and a blank at every place,
    // over blanks and letters mixed so that each 8 bytes mask differently.
    for (std::size_t size = 51; size <= 140; ++size) {
        std::string base(size, 'y');
        for (std::size_t i = 0; i < size; ++i) {
            if ((i * 7 + size) % 5 == 0) {
                base[i] = i % 3 == 0 ? '\t' : ' ';
            }
        }
        for (std::size_t at = 0; at < size; ++at) {
            for (std::string_view put : {"--", "-", " x", "\xff-"}) {
                std::string line = base;
                line.replace(at, std::min(put.size(), size - at), put.substr(0, size - at));
                expectCodeAsThePlainWay(line, fast, plain,
                                        "long size " + std::to_string(size) + " at " +
                                            std::to_string(at) + " put \"" + std::string(put) +
                                            "\"");
            }
        }
    }
    // Generated lines of script words, blanks, dashes and odd bytes.
    static constexpr std::string_view kWords[] = {"BusinessInfo[ANTIQUE_STORE].maxheight",
                                                  " = ",
                                                  "3;",
                                                  "  -- storeys",
                                                  "\t",
                                                  "-",
                                                  "--",
                                                  " ",
                                                  "Block[AIRPORT].value=25000;",
                                                  "0123456789abcdef",
                                                  "\x80-\xfe-",
                                                  std::string_view("\0 \0", 3)};
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        Random random(seed);
        const std::string line = random.text(kWords, random.pick(0, 12));
        expectCodeAsThePlainWay(line, fast, plain, "seed " + std::to_string(seed));
        // And the same line in a fresh buffer.
        std::vector<char> freshFast;
        std::vector<char> freshPlain;
        expectCodeAsThePlainWay(line, freshFast, freshPlain, "fresh seed " + std::to_string(seed));
    }
}

TEST(ReaderShortcuts, IdentifierIndexAgreesWithOneSearchPerIdentifier) {
    // Tables of the game's kind and odd ones: identifiers inside others,
    // repeated, empty, with blanks, lower-case letters and high bytes.
    static constexpr std::string_view kPieces[] = {"BAR", "BARN",     "ZOO", "DOCK_1", "_",  "A B",
                                                   "ab",  "\xc1\xe1", "7",   "X",      "[Y]"};
    int found = 0;
    int placed = 0;
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        Random random(seed);
        std::vector<std::string> identifiers;
        const int count = random.pick(0, 64);
        for (int i = 0; i < count; ++i) {
            identifiers.push_back(random.text(kPieces, random.pick(0, 3)));
        }
        const std::vector<std::string_view> views(identifiers.begin(), identifiers.end());
        const IdentifierIndex index(views);
        for (int t = 0; t < 20; ++t) {
            // Texts up to 64 bytes and longer ones are taken in different ways.
            const std::string text = random.text(kPieces, random.pick(0, t % 2 == 0 ? 10 : 40));
            const int expected = firstSlotPlain(identifiers, text);
            ASSERT_EQ(index.firstSlotIn(text), expected) << "seed " << seed << ", text " << text;
            found += expected >= 0 ? 1 : 0;
            // A place, when one is given, is where that slot's identifier
            // stands.
            std::size_t at = 0;
            ASSERT_EQ(index.firstSlotIn(text, at), expected);
            if (at != std::string_view::npos) {
                ASSERT_GE(expected, 0);
                const std::string& identifier = identifiers[static_cast<std::size_t>(expected)];
                ASSERT_EQ(std::string_view(text).substr(at, identifier.size()), identifier)
                    << "seed " << seed << ", text " << text;
                ++placed;
            }
        }
    }
    EXPECT_GT(found, 10000);
    EXPECT_GT(placed, 1000);

    // The game's tables on lines with odd bytes.
    for (unsigned seed = 1; seed <= 5000; ++seed) {
        Random random(seed);
        const std::string blocks = random.text(kBlockIdentifiers, random.pick(0, 5));
        const std::string businesses = random.text(kBusinessIdentifiers, random.pick(0, 5));
        const std::string commodities = random.text(kCommodityIdentifiers, random.pick(0, 5));
        ASSERT_EQ(slotOfLine(0, blocks), blockSlotOf(blocks)) << blocks;
        ASSERT_EQ(slotOfLine(1, businesses), businessSlotOf(businesses)) << businesses;
        ASSERT_EQ(slotOfLine(3, commodities), commoditySlotOf(commodities)) << commodities;
    }
}

// The game's three identifier tables, each with its reader kind and the
// plain way of finding a line's slot.
struct IdentifierTable {
    int kind;
    std::span<const std::string_view> identifiers;
    int (*plain)(std::string_view);
};
const IdentifierTable kIdentifierTables[] = {{0, kBlockIdentifiers, &blockSlotOf},
                                             {1, kBusinessIdentifiers, &businessSlotOf},
                                             {3, kCommodityIdentifiers, &commoditySlotOf}};

TEST(ReaderShortcuts, GameIdentifiersFoundAtEveryPlaceAndInsideLongerRuns) {
    // Each identifier of the game's tables at every place of texts of 0 to
    // 80 bytes (across the 16-byte steps and the 64-byte edge), alone, with
    // capitals, digits or "_" run on before or after it (so that the run is
    // no identifier whole), and beside another identifier.
    static constexpr std::string_view kAround[] = {"", "X", "_", "9", "ZZ_", "a", "[", "\xc1"};
    std::mt19937 engine(17);
    int found = 0;
    for (const IdentifierTable& table : kIdentifierTables) {
        for (std::size_t id = 0; id < table.identifiers.size(); ++id) {
            const std::string_view identifier = table.identifiers[id];
            const std::string_view before = kAround[engine() % std::size(kAround)];
            const std::string_view after = kAround[engine() % std::size(kAround)];
            const std::string_view other = table.identifiers[engine() % table.identifiers.size()];
            const std::string piece = std::string(before) + std::string(identifier) +
                                      std::string(after) +
                                      (id % 3 == 0 ? "]" + std::string(other) : "");
            for (std::size_t at = 0; at + piece.size() <= 80; at += 1 + id % 3) {
                std::string text(at, 'k');
                text += piece;
                text.append(engine() % 20, id % 2 == 0 ? '.' : 'Q');
                const int expected = table.plain(text);
                ASSERT_EQ(slotOfLine(table.kind, text), expected) << text;
                found += expected >= 0 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(found, 3000);
}

TEST(ReaderShortcuts, RunsThatAreNoIdentifierWholeFoundAsTheSearchFindsThem) {
    // Runs that are no identifier of the table but start as one does (the
    // commodities on business lines: "FURNITURE", "TOYS"), an identifier cut
    // short or run on by a byte, one identifier glued to the end or start of
    // another's first bytes, so that an identifier ends exactly where the
    // run does; each on its own and inside a line, at both sides of 64 bytes.
    const std::span<const std::string_view> all[] = {kBlockIdentifiers, kBusinessIdentifiers,
                                                     kCommodityIdentifiers};
    std::mt19937 engine(23);
    int found = 0;
    int none = 0;
    for (const IdentifierTable& table : kIdentifierTables) {
        std::vector<std::string> runs;
        for (const auto& list : all) {
            for (const std::string_view a : list) {
                runs.emplace_back(a);
                runs.push_back(std::string(a.substr(0, a.size() - 1)));
                runs.push_back(std::string(a) + "S");
                runs.push_back("9" + std::string(a));
                const std::string_view b = table.identifiers[engine() % table.identifiers.size()];
                runs.push_back(std::string(a.substr(0, engine() % (a.size() + 1))) +
                               std::string(b));
                runs.push_back(std::string(b) + std::string(a.substr(engine() % a.size())));
            }
        }
        for (int n : {0, 7, 12, 123, 1200, 25000, 450000}) {
            runs.push_back(std::to_string(n));
        }
        for (const std::string& run : runs) {
            for (const std::string& text :
                 {run, "BusinessInfo[BAKERY]:AddCommodity(" + run + ",80);", "x(" + run + ")",
                  std::string(60 - std::min<std::size_t>(run.size(), 60), 'k') + "[" + run + "]" +
                      std::string(engine() % 8, '.')}) {
                const int expected = table.plain(text);
                ASSERT_EQ(slotOfLine(table.kind, text), expected) << text;
                (expected >= 0 ? found : none) += 1;
            }
        }
    }
    EXPECT_GT(found, 1000);
    EXPECT_GT(none, 1000);
}

TEST(ReaderShortcuts, RunBitsAgreeWithTheBytewiseWay) {
    // Tables whose bytes make one to six ranges (up to four are taken 16
    // bytes at a time), ranges at 0x00 and 0xFF included, on texts of any
    // bytes and length.
    std::mt19937 engine(5);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    for (int t = 0; t < 300; ++t) {
        std::vector<std::string> identifiers;
        const int ranges = pick(1, 6);
        for (int r = 0; r < ranges; ++r) {
            const int first = r == 0 && t % 5 == 0 ? 0 : pick(0, 255);
            const int last = t % 7 == 0 ? 255 : std::min(255, first + pick(0, 30));
            std::string identifier;
            for (int b = first; b <= last; ++b) {
                identifier.push_back(static_cast<char>(b));
            }
            identifiers.push_back(identifier);
        }
        const std::vector<std::string_view> views(identifiers.begin(), identifiers.end());
        const IdentifierIndex index(views);
        for (int k = 0; k < 30; ++k) {
            std::string text;
            const int length = pick(0, 80);
            for (int i = 0; i < length; ++i) {
                // Mostly bytes of the table, so that runs and edges are hit.
                const std::string& from = identifiers[static_cast<std::size_t>(
                    pick(0, static_cast<int>(identifiers.size()) - 1))];
                text.push_back(pick(0, 2) == 0 ? static_cast<char>(pick(0, 255))
                                               : from[static_cast<std::size_t>(
                                                     pick(0, static_cast<int>(from.size()) - 1))]);
            }
            ASSERT_EQ(index.runBits(text), index.runBitsPlain(text)) << "table " << t;
        }
    }
    // Ranges at the widths where the signed compare turns: 254 and 255 bytes
    // wide, one byte at either end, across 0x7F/0x80.
    const std::pair<int, int> edges[] = {{0, 254},   {1, 255},   {0, 255}, {0, 0},    {255, 255},
                                         {127, 128}, {128, 255}, {0, 127}, {126, 129}};
    for (const auto& [first, last] : edges) {
        std::string identifier;
        for (int b = first; b <= last; ++b) {
            identifier.push_back(static_cast<char>(b));
        }
        const std::vector<std::string_view> views = {identifier};
        const IdentifierIndex index(views);
        for (int k = 0; k < 50; ++k) {
            std::string text;
            const int length = pick(16, 80);
            for (int i = 0; i < length; ++i) {
                text.push_back(static_cast<char>(pick(0, 255)));
            }
            ASSERT_EQ(index.runBits(text), index.runBitsPlain(text)) << first << "-" << last;
        }
    }
}

TEST(ReaderShortcuts, WordCompareAgreesWithTheBytewiseCompare) {
    // Texts of every length up to 40, equal or differing in one byte at
    // each place, by one bit (0x20 and 0x80 included) or by a NUL.
    for (std::size_t n = 0; n <= 40; ++n) {
        std::string a(n, '\0');
        for (std::size_t k = 0; k < n; ++k) {
            a[k] = static_cast<char>('A' + (k * 7) % 50);
        }
        EXPECT_TRUE(word::sameBytes(a.data(), std::string(a).data(), n)) << n;
        for (std::size_t at = 0; at < n; ++at) {
            for (unsigned bit : {0x01U, 0x20U, 0x80U}) {
                std::string b = a;
                b[at] = static_cast<char>(static_cast<unsigned char>(b[at]) ^ bit);
                ASSERT_FALSE(word::sameBytes(a.data(), b.data(), n)) << n << " at " << at;
                ASSERT_FALSE(word::sameBytes(b.data(), a.data(), n)) << n << " at " << at;
            }
        }
    }
}

TEST(ReaderShortcuts, WordLoweringLowersEveryByteAsLowerAsciiDoes) {
    for (int b = 0; b < 256; ++b) {
        for (int place = 0; place < 8; ++place) {
            // The byte among neighbours that are capitals, high bytes or
            // the bytes around "A" and "Z".
            for (unsigned char neighbour : {'A', 'Z', '@', '[', 'a', '\x80', '\xff', '\0'}) {
                unsigned char bytes[8];
                std::fill(std::begin(bytes), std::end(bytes), neighbour);
                bytes[place] = static_cast<unsigned char>(b);
                const std::uint64_t lowered8 =
                    word::lower8(word::load8(reinterpret_cast<const char*>(bytes)));
                for (int k = 0; k < 8; ++k) {
                    const auto got = static_cast<unsigned char>(lowered8 >> (8 * k));
                    ASSERT_EQ(got,
                              static_cast<unsigned char>(asciiLower(static_cast<char>(bytes[k]))))
                        << "byte " << b << " at " << place << " beside " << int{neighbour};
                }
            }
        }
    }
}

std::size_t findIgnoringCasePlain(std::string_view text, std::string_view part, std::size_t start) {
    if (part.empty() || start > text.size()) {
        return 0;
    }
    const std::string lowText = lowered(text);
    const std::size_t at = lowText.find(lowered(part), start - 1);
    return at == std::string::npos ? 0 : at + 1;
}

TEST(ReaderShortcuts, CaseBlindFindAgreesWithALoweredSearch) {
    static constexpr std::string_view kWords[] = {"AIRPORT", "value", "a",    "@",  "`", "[x",
                                                  "{X",      "\xc1",  "\xe1", "Zz", "-"};
    int hits = 0;
    for (unsigned seed = 1; seed <= 20000; ++seed) {
        Random random(seed);
        const std::string text = random.text(kWords, random.pick(0, 16));
        std::string part = random.text(kWords, random.pick(1, 4));
        if (random.pick(0, 1) == 0 && !text.empty()) {
            // A piece of the text itself, long ones included, letters in
            // another case.
            const auto from =
                static_cast<std::size_t>(random.pick(0, static_cast<int>(text.size()) - 1));
            part = text.substr(from, static_cast<std::size_t>(random.pick(1, 30)));
            for (char& c : part) {
                c = random.pick(0, 1) == 0 ? asciiUpper(c) : asciiLower(c);
                // Now and then a byte that differs from it only in bit 0x20
                // and is not its other letter case.
                if (asciiLower(c) == asciiUpper(c) && random.pick(0, 9) == 0) {
                    c = static_cast<char>(c ^ 0x20);
                }
            }
        }
        const std::size_t start = static_cast<std::size_t>(random.pick(0, 40));
        const std::size_t expected = findIgnoringCasePlain(text, part, start < 1 ? 1 : start);
        ASSERT_EQ(findFrom(text, part, kCompareIgnoreCase, start), expected)
            << "text " << text << ", part " << part << ", start " << start;
        ASSERT_EQ(findFromByWords(text, part, start), expected)
            << "text " << text << ", part " << part << ", start " << start;
        hits += expected != 0 ? 1 : 0;
    }
    EXPECT_GT(hits, 2000);
}

// ---------------------------------------------------------------------------
// Whole scripts: blocksettings.lua read by the reader and by a plain reading.

struct PlainBlocks {
    std::array<BlockRecord, kBlockCount> blocks{};
    std::vector<std::size_t> failingLines;
};

bool plainNumber(std::string_view text, double& out) {
    const NumberScan scan = scanNumber(text);
    if (scan.length == 0 || scan.length != text.size() || scan.overflow) {
        return false;
    }
    out = scan.value;
    return true;
}

// One line the plain way: every test on its own text, one search at a time.
// Returns false when the line fails.
bool plainBlockLine(std::string_view raw, const SettingsModel& tables, PlainBlocks& out) {
    std::string key;
    for (std::string_view candidate :
         {"value", "prestige", "ownable", "buildingrights", "timeinstore", "markup",
          "citybusinessesownable", "daysoff", "AddCommodity", "Membership"}) {
        const std::string lowLine = lowered(raw);
        if (lowLine.find(lowered(candidate)) == std::string::npos) {
            continue;
        }
        if (candidate == "ownable" && lowLine.find("citybusinessesownable") != std::string::npos) {
            continue;
        }
        key = std::string(candidate);
        break;
    }
    const std::string text = removeTabs(removeSpaces(stripComment(raw)));
    if (text.empty()) {
        return true;
    }
    const int slot = blockSlotOf(text);
    if (slot < 0 || key.empty() || !Match_CodeLine(tables, text, slot, key, 0)) {
        return true;
    }
    const std::size_t keyPos = text.find(key);
    if (keyPos == std::string::npos) {
        return false;
    }
    const std::size_t semi = text.find(';', keyPos);
    const std::size_t equals = text.find('=', keyPos);
    if (semi == std::string::npos || (equals != std::string::npos && equals > semi)) {
        return false;
    }
    const std::string valueText = equals == std::string::npos
                                      ? text.substr(0, semi)
                                      : text.substr(equals + 1, semi - equals - 1);
    BlockRecord& block = out.blocks[static_cast<std::size_t>(slot)];
    if (key == "buildingrights") {
        block.buildingrights = valueText == "2";
        return true;
    }
    if (key != "value" && key != "prestige" && key != "ownable") {
        return true;
    }
    if (equals == std::string::npos) {
        return false;
    }
    double number = 0;
    if (key == "ownable") {
        if (equalsIgnoreCase(valueText, "true") || equalsIgnoreCase(valueText, "false")) {
            block.ownable = equalsIgnoreCase(valueText, "true");
            return true;
        }
        const NumberScan scan = scanNumber(valueText);
        if (scan.length == 0 || scan.length != valueText.size()) {
            return false;
        }
        block.ownable = scan.value != 0.0;
        return true;
    }
    if (!plainNumber(valueText, number)) {
        return false;
    }
    if (key == "prestige") {
        block.prestige = number;
        return true;
    }
    const auto rounded = roundToInt16(number);
    if (!rounded) {
        return false;
    }
    block.value = *rounded;
    return true;
}

TEST(ReaderShortcuts, WholeScriptsReadAsThePlainWayReadsThem) {
    test::TempDir project;
    SettingsModel tables;
    for (int i = 0; i < kBlockCount; ++i) {
        // Most codes as the identifiers, a few in another letter case or
        // different, so Match_CodeLine turns some lines away.
        std::string code(kBlockIdentifiers[static_cast<std::size_t>(i)]);
        if (i % 7 == 3) {
            code = lowered(code);
        } else if (i % 11 == 5) {
            code = "OTHER";
        }
        tables.Blocks[static_cast<std::size_t>(i)].code = code;
    }
    static constexpr std::string_view kKeys[] = {"value",
                                                 "prestige",
                                                 "ownable",
                                                 "buildingrights",
                                                 "Value",
                                                 "PRESTIGE",
                                                 "citybusinessesownable",
                                                 "markup"};
    static constexpr std::string_view kValues[] = {
        "1200", "0.75", "-3.5",  "true", "FALSE",
        "2",    "1",    "40000", "1e3",  ".5",
        "12a",  "",     "2.5",   "\xc1", std::string_view("\0", 1)};
    static constexpr std::string_view kEnds[] = {"\r\n", "\r\n", "\n", "\r"};
    int accepted = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Random random(seed);
        std::string script;
        const int lineCount = random.pick(1, 60);
        for (int l = 0; l < lineCount; ++l) {
            std::string line;
            switch (random.pick(0, 9)) {
                case 0:  // noise and pieces
                    line = random.text(kKeys, random.pick(0, 6)) +
                           random.text(kBlockIdentifiers, random.pick(0, 3));
                    break;
                case 1:  // a very long line
                    line = "Block[" + std::string(random.any(kBlockIdentifiers)) + "]." +
                           std::string(random.any(kKeys)) + " = " +
                           std::string(random.any(kValues)) + ";" +
                           std::string(static_cast<std::size_t>(random.pick(100, 3000)), 'x') +
                           "-- " + std::string(random.any(kKeys));
                    break;
                case 2:  // a key only in the comment
                    line = "Block[" + std::string(random.any(kBlockIdentifiers)) + "] = 1; -- " +
                           std::string(random.any(kKeys));
                    break;
                default: {  // a setting line, spaced and cased at random
                    const std::string blank = random.pick(0, 2) == 0 ? "\t" : " ";
                    line = std::string(random.pick(0, 1) ? blank : "") + "Block[" +
                           std::string(random.any(kBlockIdentifiers)) + "]." +
                           std::string(random.any(kKeys)) + blank + "=" + blank +
                           std::string(random.any(kValues)) + ";";
                    if (random.pick(0, 3) == 0) {
                        line += "  -- " + random.text(kKeys, random.pick(0, 3));
                    }
                    if (random.pick(0, 8) == 0) {
                        line = random.text(kKeys, 1) + line;
                    }
                }
            }
            script += line;
            script += random.any(kEnds);
        }
        test::writeBytes(project / "blocksettings.lua", script);

        PlainBlocks plain;
        const std::vector<std::string_view> lines = splitLines(script);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].empty() && !plainBlockLine(lines[i], tables, plain)) {
                plain.failingLines.push_back(i + 1);
            }
        }

        SettingsModel model = tables;
        const auto problems = checkScript(realFileSystem(), project.path(), 0, model);
        std::vector<std::size_t> failing;
        for (const ScriptProblem& problem : problems) {
            failing.push_back(problem.line);
        }
        ASSERT_EQ(failing, plain.failingLines) << "seed " << seed;
        for (std::size_t i = 0; i < plain.blocks.size(); ++i) {
            const BlockRecord& got = model.Blocks[i];
            const BlockRecord& want = plain.blocks[i];
            ASSERT_EQ(got.value, want.value) << "seed " << seed << ", slot " << i;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(got.prestige),
                      std::bit_cast<std::uint64_t>(want.prestige))
                << "seed " << seed << ", slot " << i;
            ASSERT_EQ(got.ownable, want.ownable) << "seed " << seed << ", slot " << i;
            ASSERT_EQ(got.buildingrights, want.buildingrights) << "seed " << seed << ", slot " << i;
            accepted += want.value != 0 || want.prestige != 0 || want.ownable ? 1 : 0;
        }

        // readScript stops at the first failing line with that line's number.
        SettingsModel stopped = tables;
        const auto notice = readScript(realFileSystem(), project.path(), 0, stopped);
        if (plain.failingLines.empty()) {
            ASSERT_FALSE(notice.has_value()) << notice->text;
        } else {
            ASSERT_TRUE(notice.has_value());
            const std::string where = ", line " + std::to_string(plain.failingLines.front()) + ": ";
            ASSERT_NE(notice->text.find(where), std::string::npos) << notice->text;
        }
    }
    EXPECT_GT(accepted, 1000);
}

}  // namespace
}  // namespace tg
