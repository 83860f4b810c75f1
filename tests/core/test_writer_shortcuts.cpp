// The writer's shortcuts, each held against the plain way on generated
// input: the head index against a scan of the whole list, the reduced code
// (eight bytes at a time) against a byte loop, and the line walking and the
// copying of unchanged lines against splitLines.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fs/paths.h"
#include "model/code_line.h"
#include "scripts/head_index.h"
#include "scripts/text_lines.h"
#include "scripts/writer_text.h"

namespace tg {
namespace {

int pick(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::string randomText(std::mt19937& random, std::string_view alphabet, int longest) {
    std::string out;
    const int length = pick(random, 0, longest);
    for (int i = 0; i < length; ++i) {
        out.push_back(alphabet[static_cast<std::size_t>(
            pick(random, 0, static_cast<int>(alphabet.size()) - 1))]);
    }
    return out;
}

// ---------------------------------------------------------------------------
// The head index against the list scan.

struct Found {
    std::size_t entry = HeadIndex::npos;
    std::size_t at = 0;
    std::size_t length = 0;
    bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Found& f) {
    return out << "{entry " << f.entry << ", at " << f.at << ", length " << f.length << "}";
}

// The first entry in list order of the script, not taken, whose reduced head
// occurs in text.
Found scanList(const CodeLineList& list, const std::vector<bool>& taken, std::string_view text,
               int fileNumber) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].fileNumber != fileNumber || taken[i]) {
            continue;
        }
        const std::string head = HeadIndex::reducedHead(list[i].head);
        if (head.empty()) {
            continue;
        }
        const std::size_t at = text.find(head);
        if (at != std::string_view::npos) {
            return Found{i, at, head.size()};
        }
    }
    return {};
}

// Heads and lines over a small alphabet, so that heads are prefixes of other
// heads, share their first bytes, overlap in the line and stand many times in
// one line. startBytes limits the bytes a head starts with: one gives the
// index's single-byte search, more its table.
void checkIndexAgainstListScan(unsigned seed, std::string_view startBytes) {
    std::mt19937 random(seed);
    CodeLineList list;
    const int count = pick(random, 0, 24);
    for (int i = 0; i < count; ++i) {
        CodeLine line;
        if (!list.empty() && pick(random, 0, 4) == 0) {
            line.head =
                list[static_cast<std::size_t>(pick(random, 0, static_cast<int>(list.size()) - 1))]
                    .head;  // queued behind the same head
        } else {
            line.head = randomText(random, startBytes, 1) + randomText(random, "abAB[ \t", 7);
        }
        line.fileNumber = static_cast<std::int16_t>(pick(random, 0, 4) == 0 ? 1 : 0);
        line.valueText = "1;";
        list.push_back(line);
    }
    HeadIndex index(list, 0);
    std::vector<bool> taken(list.size(), false);
    for (int round = 0; round < 40; ++round) {
        const std::string text = randomText(random, "aab[b", 60);
        const Found expected = scanList(list, taken, text, 0);
        const HeadIndex::Match match = index.find(text);
        ASSERT_EQ((Found{match.entry, match.at, match.length}), expected)
            << "seed " << seed << ", text \"" << text << "\"";
        if (match.entry != HeadIndex::npos) {
            index.take(match);
            taken[match.entry] = true;
        }
        bool left = false;
        for (std::size_t i = 0; i < list.size(); ++i) {
            left = left || (list[i].fileNumber == 0 && !taken[i] &&
                            !HeadIndex::reducedHead(list[i].head).empty());
        }
        ASSERT_EQ(index.empty(), !left) << "seed " << seed;
    }
}

TEST(WriterShortcuts, HeadIndexWithOneStartByteAgreesWithTheListScan) {
    for (unsigned seed = 1; seed <= 600; ++seed) {
        checkIndexAgainstListScan(seed, "a");
    }
}

TEST(WriterShortcuts, HeadIndexWithSeveralStartBytesAgreesWithTheListScan) {
    for (unsigned seed = 1; seed <= 600; ++seed) {
        checkIndexAgainstListScan(seed, "aAb[ ");
    }
}

TEST(WriterShortcuts, HeadIndexFindsEveryHeadStartingAtOnePlace) {
    // "ab", "abc" and "abcd" all start at 1; the last in the text comes
    // first in the list. Branches of more than a few children take a full
    // row in the trie, so the codes here are many.
    CodeLineList list;
    for (char c = 'e'; c <= 'z'; ++c) {
        list.push_back(CodeLine{std::string("x[") + c, 0, "1;"});
    }
    list.push_back(CodeLine{"AB C D", 0, "1;"});
    list.push_back(CodeLine{"ab", 0, "1;"});
    list.push_back(CodeLine{"abc", 0, "1;"});
    HeadIndex index(list, 0);
    const std::size_t firstOfThree = list.size() - 3;
    HeadIndex::Match match = index.find("xabcd abcd");
    EXPECT_EQ(match.entry, firstOfThree);
    EXPECT_EQ(match.at, 1u);
    EXPECT_EQ(match.length, 4u);
    index.take(match);
    match = index.find("x[q x[y abc");
    EXPECT_EQ(match.entry, static_cast<std::size_t>('q' - 'e'));
    EXPECT_EQ(match.at, 0u);
    index.take(match);
    EXPECT_EQ(index.find("x[q").entry, HeadIndex::npos);
    EXPECT_FALSE(index.empty());
}

// ---------------------------------------------------------------------------
// The reduced code and the way back to the line.

std::string plainReduced(std::string_view code) {
    std::string out;
    for (char c : code) {
        if (c != ' ' && c != '\t') {
            out.push_back(asciiLower(c));
        }
    }
    return out;
}

// Any byte, blanks and letters more often, so that runs of eight without a
// blank are common and so are bytes one bit away from a letter.
std::string randomCode(std::mt19937& random) {
    std::string out;
    const int length = pick(random, 0, 70);
    for (int i = 0; i < length; ++i) {
        switch (pick(random, 0, 5)) {
            case 0:
                out.push_back(pick(random, 0, 1) == 0 ? ' ' : '\t');
                break;
            case 1:
                out.push_back(static_cast<char>(pick(random, 0, 255)));
                break;
            case 2:
                out.push_back(static_cast<char>(pick(random, '@', '[')));
                break;
            case 3:
                out.push_back(static_cast<char>(pick(random, '`', '{')));
                break;
            default:
                out.push_back(
                    static_cast<char>(pick(random, 'A', 'Z') | (pick(random, 0, 1) * 0x80)));
                break;
        }
    }
    return out;
}

TEST(WriterShortcuts, ReducedCodeAgreesWithTheByteLoop) {
    std::mt19937 random(11);
    std::vector<char> buffer;  // kept from line to line, as the writer keeps it
    for (int n = 0; n < 6000; ++n) {
        const std::string code = randomCode(random);
        const std::string expected = plainReduced(code);
        ASSERT_EQ(std::string(writer::reduceCode(code, buffer)), expected) << "case " << n;
        for (std::size_t k = 0, i = 0; k < expected.size(); ++k, ++i) {
            while (code[i] == ' ' || code[i] == '\t') {
                ++i;
            }
            ASSERT_EQ(writer::positionInCode(code, k), i) << "case " << n << ", at " << k;
        }
    }
}

// ---------------------------------------------------------------------------
// Lines.

std::string randomScript(std::mt19937& random) {
    return randomText(random, "ab -\r\n\r\n\r\r\n", 50);
}

TEST(WriterShortcuts, LineWalkingAgreesWithSplitLines) {
    std::mt19937 random(3);
    for (int n = 0; n < 6000; ++n) {
        const std::string bytes = randomScript(random);
        std::vector<std::string_view> walked;
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t end = lineEndFrom(bytes, pos);
            walked.push_back(std::string_view(bytes).substr(pos, end - pos));
            pos = writer::nextLineStart(bytes, end);
        }
        ASSERT_EQ(walked, splitLines(bytes)) << "case " << n;
    }
}

TEST(WriterShortcuts, UnchangedLinesAreCopiedAsEachLinePlusCrLf) {
    std::mt19937 random(4);
    for (int n = 0; n < 6000; ++n) {
        const std::string bytes = randomScript(random);
        std::string expected = "before";
        for (std::string_view line : splitLines(bytes)) {
            expected += line;
            expected += "\r\n";
        }
        std::string out = "before";
        writer::appendLinesUnchanged(bytes, out);
        ASSERT_EQ(out, expected) << "case " << n;
    }
}

}  // namespace
}  // namespace tg
