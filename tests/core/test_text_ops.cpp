#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scripts/matcher.h"
#include "scripts/text_ops.h"

namespace tg {
namespace {

TEST(Matcher, ReportsEveryOccurrenceOfEveryPatternInTheOrderTheyEnd) {
    struct Case {
        std::vector<std::string_view> patterns;
        Matcher::LetterCase letterCase;
        std::string_view text;
        std::string_view found;  // pattern@end, in the order reported
        std::string_view passedOver = {};
    };
    constexpr auto kExact = Matcher::LetterCase::Exact;
    constexpr auto kIgnore = Matcher::LetterCase::Ignore;
    const Case cases[] = {
        {{"he", "she", "his", "hers"}, kExact, "ushers", "1@4 0@4 3@6"},
        {{"a", "aa", "aaa"}, kExact, "aaaa", "0@1 1@2 0@2 2@3 1@3 0@3 2@4 1@4 0@4"},
        {{"ownable", "citybusinessesownable"}, kIgnore, "x.CityBusinessesOWNABLE=1", "1@23 0@23"},
        {{"AB", "ab"}, kExact, "aBAb", ""},
        {{"AB", "ab"}, kIgnore, "aBAb", "0@2 1@2 0@4 1@4"},
        {{"DOCK_1", "DOCK_1", "DOCK_10"}, kExact, "DOCK_10", "0@6 1@6 2@7"},
        {{"", "x"}, kExact, "xx", "1@1 1@2"},
        {{"\xc9t", std::string_view("a\0b", 3)}, kIgnore, std::string_view("\xe9t a\0b", 6), "1@6"},
        {{"[", "]"}, kIgnore, "{[}]", "0@2 1@4"},
        {{"x"}, kExact, "", ""},
        // Blanks passed over: a pattern occurs across them; one holding a blank never does.
        {{"ab", "b c"}, kIgnore, "a b\tA\tB", "0@3 0@7", " \t"},
    };
    for (const Case& c : cases) {
        const Matcher matcher(c.patterns, c.letterCase, c.passedOver);
        std::string found;
        matcher.forEachMatch(c.text, [&](std::size_t pattern, std::size_t end) {
            found +=
                (found.empty() ? "" : " ") + std::to_string(pattern) + "@" + std::to_string(end);
        });
        EXPECT_EQ(found, c.found) << c.text;
    }
    const std::vector<std::string_view> keys = {"value", "markup", "value"};
    EXPECT_EQ(Matcher(keys, kIgnore).occurring("MarkUp = Value"), 0b111u);
}

TEST(TextOps, ContainsOrderCommentsAndBlanks) {
    EXPECT_TRUE(StrContains("Block[AIRPORT]", "airport", kCompareIgnoreCase));
    EXPECT_FALSE(StrContains("Block[AIRPORT]", "airport", 7));  // other modes compare exactly
    EXPECT_FALSE(StrContains("a", ""));
    EXPECT_FALSE(StrContains("abc", "a", kCompareExact, 2));
    EXPECT_TRUE(StrContains("abc", "a", kCompareExact, -5));  // below 1 counts as 1
    EXPECT_TRUE(StrComesFirst("BAKERY.value", "bakery", "VALUE", kCompareIgnoreCase));
    EXPECT_FALSE(StrComesFirst("BAKERY", "BAKERY", "value"));
    EXPECT_TRUE(StrOrder(5, "BAKERY value", "BAKERY", "value"));  // other orders count as 0
    EXPECT_FALSE(StrOrder(1, "DOCK_10", "DOCK_1", "DOCK_10"));    // same position
    EXPECT_EQ(findIgnoringCase("\xe9X xX", "XX", 0), 3u);         // only ASCII letters fold
    EXPECT_EQ(stripComment("a = 1; -- note -- more"), "a = 1; ");
    EXPECT_EQ(removeSpaces(" a \tb "), "a\tb");
    EXPECT_EQ(removeTabs(" a \tb "), " a b ");
    EXPECT_EQ(removeBlanks(" a \tb "), "ab");
    EXPECT_EQ(removeCharacter("a:b:c", ':'), "abc");
}

}  // namespace
}  // namespace tg
