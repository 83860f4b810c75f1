// The writer finds the pending line for each script line through an index of
// the reduced heads. These tests hold it against the plain rule, kept here as
// the reference: scan the list from the start and take the first entry of the
// script whose reduced head occurs in the line's reduced code.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fs/file_system.h"
#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/head_index.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"
#include "scripts/text_lines.h"
#include "scripts/text_ops.h"
#include "test_support.h"

namespace tg {
namespace {

const std::string kVersion = "1.0.0.1";

// ---------------------------------------------------------------------------
// The reference: every line scans the whole list.

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool allBlank(std::string_view text) {
    for (char c : text) {
        if (!isBlank(c)) {
            return false;
        }
    }
    return true;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiLower(c);
    }
    return out;
}

// The replacement of one line (empty: the line stays as it is), taking the
// matched entry out of the list.
std::string referenceRewrite(CodeLineList& codeArray, std::string_view line, int fileNumber) {
    const std::string_view code = stripComment(line);
    std::string reduced;
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (!isBlank(code[i])) {
            reduced.push_back(asciiLower(code[i]));
            at.push_back(i);
        }
    }
    if (reduced.empty()) {
        return {};
    }
    std::size_t match = codeArray.size();
    std::size_t found = std::string::npos;
    std::string key;
    for (std::size_t i = 0; i < codeArray.size(); ++i) {
        if (codeArray[i].fileNumber != fileNumber) {
            continue;
        }
        key = lowered(removeBlanks(codeArray[i].head));
        if (key.empty()) {
            continue;
        }
        found = reduced.find(key);
        if (found != std::string::npos) {
            match = i;
            break;
        }
    }
    if (match == codeArray.size()) {
        return std::string(line);
    }
    const std::size_t start = at[found];
    std::size_t end = code.size();
    const std::size_t semi = reduced.find(';', found + key.size());
    if (semi != std::string::npos) {
        end = at[semi] + 1;
    }
    const std::string_view before = code.substr(0, start);
    const std::string_view after = code.substr(end);
    const std::string_view comment = line.substr(code.size());
    const CodeLine entry = codeArray[match];
    Remove_CodeLine(codeArray, match);

    if (allBlank(before) && allBlank(after)) {
        if (entry.valueText.empty()) {
            return " ";
        }
        return entry.head + entry.valueText + " " + std::string(comment);
    }
    std::string result(before);
    if (!entry.valueText.empty()) {
        result += entry.head + entry.valueText;
        if (!allBlank(after)) {
            result += "\r\n";
        }
    }
    result += after;
    result += comment;
    return allBlank(result) ? std::string(" ") : result;
}

std::string referenceCompose(std::string_view bytes, int fileNumber, CodeLineList& codeArray) {
    std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.empty()) {
        lines.emplace_back();
    }
    std::string out;
    for (std::string_view line : lines) {
        const std::string replacement = referenceRewrite(codeArray, line, fileNumber);
        out += replacement.empty() ? line : std::string_view(replacement);
        out += "\r\n";
    }
    bool markerWritten = false;
    std::size_t pos = 0;
    while (pos < codeArray.size()) {
        const CodeLine& entry = codeArray[pos];
        if (entry.fileNumber != fileNumber) {
            ++pos;
            continue;
        }
        if (!entry.valueText.empty()) {
            if (!markerWritten) {
                out += "\r\n-----------------------------------\r\n-- Added by TG Edit " +
                       kVersion + "\r\n-----------------------------------\r\n\r\n";
                markerWritten = true;
            }
            out += entry.head + entry.valueText + "\r\n";
        }
        Remove_CodeLine(codeArray, pos);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Generated cases. Heads and lines are built from a few short pieces, so that
// heads occur inside other heads, several heads share a line, the same head
// is queued more than once, and letter case and blanks differ between a head
// and its line.

class CaseMaker {
public:
    explicit CaseMaker(unsigned seed) : random_(seed) {}

    CodeLineList codeArray() {
        static const std::vector<std::string> codes = {"A", "AB", "BA", "ABA", "B", "a b", "ZOO"};
        static const std::vector<std::string> keys = {
            ".v = ", ".va = ", ":Add(", ".v=", ".value = ", "", "]"};
        CodeLineList list;
        const int count = pick(0, 14);
        for (int i = 0; i < count; ++i) {
            CodeLine line;
            const int form = pick(0, 9);
            if (form == 0) {
                line.head = pick(0, 1) == 0 ? "" : " \t ";  // reduces to nothing
            } else if (form == 1 && !list.empty()) {
                line.head =
                    list[static_cast<std::size_t>(pick(0, static_cast<int>(list.size()) - 1))]
                        .head;  // a queued head
            } else {
                line.head = "X[" + any(codes) + "]" + any(keys);
                if (pick(0, 3) == 0) {
                    line.head = any(codes) + any(keys);  // a bare, short head
                }
            }
            line.fileNumber = static_cast<std::int16_t>(pick(0, 5) == 0 ? pick(-1, 3) : 0);
            const int value = pick(0, 5);
            line.valueText = value == 0 ? "" : value == 1 ? "B,7);" : std::to_string(value) + ";";
            list.push_back(line);
        }
        return list.empty() ? emptyCodeArray() : list;
    }

    std::string script(const CodeLineList& heads) {
        std::string out;
        const int lines = pick(0, 25);
        for (int i = 0; i < lines; ++i) {
            out += line(heads);
            static const std::vector<std::string> ends = {"\r\n", "\r\n", "\r", "\n"};
            if (i + 1 < lines || pick(0, 1) == 0) {
                out += any(ends);
            }
        }
        return out;
    }

private:
    std::string line(const CodeLineList& heads) {
        std::string out;
        const int parts = pick(0, 4);
        for (int p = 0; p < parts; ++p) {
            switch (pick(0, 7)) {
                case 0:
                    out += blanks();
                    break;
                case 1:
                    out += "-- ";  // everything behind is comment
                    break;
                case 2:
                    out += any(std::vector<std::string>{"1", ";", " = 5;", "x", "--", "B]",
                                                        "local y = 2"});
                    break;
                default:
                    if (!heads.empty()) {
                        out += mangled(heads[static_cast<std::size_t>(
                                                 pick(0, static_cast<int>(heads.size()) - 1))]
                                           .head);
                    }
                    if (pick(0, 1) == 0) {
                        out += std::to_string(pick(0, 99)) + ";";
                    }
                    break;
            }
        }
        return out;
    }

    // The head with its letters in random case and blanks put in or taken out.
    std::string mangled(std::string_view head) {
        std::string out;
        for (char c : head) {
            if (isBlank(c) && pick(0, 2) == 0) {
                continue;
            }
            out.push_back(pick(0, 2) == 0 ? asciiUpper(c) : pick(0, 1) == 0 ? asciiLower(c) : c);
            if (pick(0, 7) == 0) {
                out += blanks();
            }
        }
        return out;
    }

    std::string blanks() { return pick(0, 1) == 0 ? " " : "\t "; }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    const std::string& any(const std::vector<std::string>& from) {
        return from[static_cast<std::size_t>(pick(0, static_cast<int>(from.size()) - 1))];
    }

    std::mt19937 random_;
};

TEST(WriterMatching, WholeScriptsAgreeWithTheListScanOnGeneratedCases) {
    int matchedLines = 0;
    for (unsigned seed = 1; seed <= 4000; ++seed) {
        CaseMaker make(seed);
        const CodeLineList list = make.codeArray();
        const std::string script = make.script(list);
        const int fileNumber = static_cast<int>(seed % 3 == 0 ? seed % 4 : 0);

        CodeLineList expectedList = list;
        const std::string expected = referenceCompose(script, fileNumber, expectedList);
        CodeLineList actualList = list;
        const std::string actual = composeScript(script, fileNumber, actualList, kVersion);

        ASSERT_EQ(actual, expected) << "seed " << seed;
        ASSERT_EQ(actualList, expectedList) << "seed " << seed;
        matchedLines += static_cast<int>(list.size()) - static_cast<int>(expectedList.size());
    }
    // The cases are worth having only when many of their lines match.
    EXPECT_GT(matchedLines, 4000);
}

TEST(WriterMatching, SingleLinesAgreeWithTheListScanOnGeneratedCases) {
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        CaseMaker make(seed * 7919);
        CodeLineList expectedList = make.codeArray();
        CodeLineList actualList = expectedList;
        const std::string script = make.script(expectedList);
        for (std::string_view line : splitLines(script)) {
            const std::string expected = referenceRewrite(expectedList, line, 0);
            ASSERT_EQ(Rewrite_Line(actualList, line, 0), expected)
                << "seed " << seed << ", line \"" << line << "\"";
            ASSERT_EQ(actualList, expectedList) << "seed " << seed;
        }
    }
}

// ---------------------------------------------------------------------------
// The cases the index has to get right, by name.

CodeLineList entries(const std::vector<std::string>& heads) {
    CodeLineList list;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        list.push_back(CodeLine{heads[i], 0, std::to_string(i) + ";"});
    }
    return list;
}

TEST(WriterMatching, TheFirstEntryInListOrderWinsWhereverItsHeadStands) {
    // "b" stands first in the line, but "c" comes first in the list.
    CodeLineList list = entries({"zz", "c", "b"});
    EXPECT_EQ(Rewrite_Line(list, "b c", 0), "b c1;");
    EXPECT_EQ(list, (CodeLineList{CodeLine{"zz", 0, "0;"}, CodeLine{"b", 0, "2;"}}));
}

TEST(WriterMatching, AHeadInsideAnotherHeadIsFoundThere) {
    // "ab" and "b" stand inside "xaby"; each line takes the earliest entry
    // that it holds, so the long head gets only the second line.
    CodeLineList list = entries({"ab", "xaby", "b"});
    EXPECT_EQ(composeScript("xaby=1;\r\nxaby=2;\r\nxaby=3;\r\nab\r\n", 0, list, kVersion),
              "xab0;\r\nxaby1; \r\nxab2;\r\nab\r\n");
    EXPECT_EQ(list, emptyCodeArray());
}

TEST(WriterMatching, EntriesWithOneHeadAreTakenInListOrder) {
    CodeLineList list = {
        CodeLine{"BusinessInfo[BAKERY]:AddCommodity(", 1, "BREAD,40);"},
        CodeLine{"BusinessInfo[BAKERY].value = ", 1, "3;"},
        CodeLine{"BusinessInfo[BAKERY]:AddCommodity(", 1, ""},
        CodeLine{"BusinessInfo[BAKERY]:AddCommodity(", 1, "MEAT,5);"},
        CodeLine{"BusinessInfo[BAKERY]:AddCommodity(", 1, "FISH,6);"},
    };
    const std::string script =
        "BusinessInfo[BAKERY]:AddCommodity(BREAD, 10); -- one\r\n"
        "\tbusinessinfo[bakery]:addcommodity(SWEETS,20);\r\n"
        "BusinessInfo[BAKERY]:AddCommodity(DRINKS, 30);\r\n";
    const std::string out = composeScript(script, 1, list, kVersion);
    EXPECT_EQ(out,
              "BusinessInfo[BAKERY]:AddCommodity(BREAD,40); -- one\r\n"
              " \r\n"
              "BusinessInfo[BAKERY]:AddCommodity(MEAT,5); \r\n"
              "\r\n-----------------------------------\r\n-- Added by TG Edit 1.0.0.1\r\n"
              "-----------------------------------\r\n\r\n"
              "BusinessInfo[BAKERY].value = 3;\r\n"
              "BusinessInfo[BAKERY]:AddCommodity(FISH,6);\r\n");
    EXPECT_EQ(list, emptyCodeArray());
}

TEST(WriterMatching, OtherScriptsLinesStayInTheListInTheirOrder) {
    CodeLineList list = {CodeLine{"a", 2, "1;"}, CodeLine{"a", 0, "2;"}, CodeLine{"b", 3, "3;"},
                         CodeLine{"a", 2, "4;"}};
    composeScript("a\r\n", 0, list, kVersion);
    EXPECT_EQ(list, (CodeLineList{CodeLine{"a", 2, "1;"}, CodeLine{"b", 3, "3;"},
                                  CodeLine{"a", 2, "4;"}}));
}

TEST(WriterMatching, HeadIndexReportsTheFirstOccurrenceOfTheHead) {
    const CodeLineList list = entries({"zz", "ab", "b"});
    HeadIndex index(list, 0);
    const HeadIndex::Match match = index.find("xbabab");
    EXPECT_EQ(match.entry, 1u);
    EXPECT_EQ(match.at, 2u);
    EXPECT_EQ(match.length, 2u);
    index.take(match);
    const HeadIndex::Match next = index.find("xbabab");
    EXPECT_EQ(next.entry, 2u);
    EXPECT_EQ(next.at, 1u);
    index.take(next);
    EXPECT_EQ(index.find("xbabab").entry, HeadIndex::npos);
}

// Write_Scripts hands a script to its file in pieces. Large scripts with
// every kind of line end, whose pending lines are used up early, late or
// never, come out as the list scan composes them whole.
TEST(WriterMatching, LargeScriptsAreWrittenAsTheListScanComposesThem) {
    test::TempDir project;
    std::mt19937 random(17);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    CodeLineList list;
    std::vector<std::string> scripts(4);
    for (int f = 0; f < 4; ++f) {
        const int heads = 30;
        for (int h = 0; h < heads; ++h) {
            list.push_back(CodeLine{"X" + std::to_string(f) + "[C" + std::to_string(h) + "].v = ",
                                    static_cast<std::int16_t>(f), std::to_string(h) + ";"});
        }
        // Script 0 holds its settings at the start, script 1 all over, script
        // 2 at the end and script 3 not all of them.
        std::string& bytes = scripts[static_cast<std::size_t>(f)];
        const int lines = 6000;
        for (int i = 0; i < lines; ++i) {
            const bool setting = f == 0   ? i < heads
                                 : f == 1 ? pick(0, 199) == 0
                                 : f == 2 ? i >= lines - heads
                                          : pick(0, 399) == 0;
            if (setting) {
                // Scripts 0 and 2 name each head once, in order.
                const int head = f == 0 ? i : f == 2 ? i - (lines - heads) : pick(0, heads - 1);
                bytes +=
                    "  x" + std::to_string(f) + "[c" + std::to_string(head) + "] . V = 1; -- old";
            } else {
                bytes += "local y" + std::to_string(i) + " = {1, 2} -- a comment";
            }
            static const std::vector<std::string> ends = {"\r\n", "\r\n", "\r\n", "\r", "\n"};
            if (i + 1 < lines || f % 2 == 0) {
                bytes += ends[static_cast<std::size_t>(pick(0, 4))];
            }
        }
        ASSERT_GT(bytes.size(), std::size_t{200000});
        test::writeBytes(project.path() + std::string(kScriptFiles[static_cast<std::size_t>(f)]),
                         bytes);
    }
    EditorState state;
    state.ProjectPath = project.path();
    state.CodeArray = list;
    state.bBlockHasChanged = true;
    state.bBusinessHasChanged = true;
    state.bCommodityHasChanged = true;
    state.bCityHasChanged = true;
    ASSERT_TRUE(Write_Scripts(realFileSystem(), state, kVersion).empty());

    CodeLineList expectedList = list;
    for (int f = 0; f < 4; ++f) {
        const std::string expected =
            referenceCompose(scripts[static_cast<std::size_t>(f)], f, expectedList);
        EXPECT_EQ(test::readBytes(project.path() +
                                  std::string(kScriptFiles[static_cast<std::size_t>(f)])),
                  expected)
            << kScriptFiles[static_cast<std::size_t>(f)];
    }
    EXPECT_EQ(state.CodeArray, expectedList);
}

// The demo project with every record changed, and its scripts repeated and
// shuffled line by line: the real heads, many to a script.
TEST(WriterMatching, TheDemoScriptsWithEveryRecordChangedAgreeWithTheListScan) {
    test::TempDir app;
    test::TempDir project;
    test::copyDataFiles(app.path());
    test::copyDemoScripts(project.path());
    EditorState state;
    state.ProjectPath = project.path();
    ASSERT_TRUE(loadProjectModel(realFileSystem(), app.path(), state).empty());
    for (auto& record : state.model.EditBlocks) {
        record.changed = true;
    }
    for (auto& record : state.model.EditBusinesses) {
        record.changed = true;
        record.commodities[5] = CommodityEntry{"MEAT", 3};
    }
    for (auto& record : state.model.EditCommodities) {
        record.changed = true;
    }
    state.bCityHasChanged = true;
    Create_CodeArray(state);
    ASSERT_GT(state.CodeArray.size(), 1000u);

    std::mt19937 random(5);
    for (int f = 0; f < 4; ++f) {
        const std::string bytes = test::readBytes(
            project.path() + std::string(kScriptFiles[static_cast<std::size_t>(f)]));
        std::vector<std::string_view> lines = splitLines(bytes);
        const std::vector<std::string_view> original = lines;
        lines.insert(lines.end(), original.begin(), original.end());
        std::shuffle(lines.begin(), lines.end(), random);
        std::string shuffled;
        for (std::string_view line : lines) {
            shuffled += line;
            shuffled += "\r\n";
        }
        for (const std::string& script : {bytes, shuffled}) {
            CodeLineList expectedList = state.CodeArray;
            CodeLineList actualList = state.CodeArray;
            EXPECT_EQ(composeScript(script, f, actualList, kVersion),
                      referenceCompose(script, f, expectedList))
                << kScriptFiles[static_cast<std::size_t>(f)];
            EXPECT_EQ(actualList, expectedList);
        }
    }
}

}  // namespace
}  // namespace tg
