#include <gtest/gtest.h>

#include "scripts/text_lines.h"
#include "scripts/text_ops.h"

namespace tg {
namespace {

TEST(TextOps, StrContainsAndStrOrder) {
    EXPECT_TRUE(StrContains("Block[AIRPORT]", "airport", kCompareIgnoreCase));
    EXPECT_FALSE(StrContains("Block[AIRPORT]", "airport", kCompareExact));
    EXPECT_FALSE(StrContains("Block[AIRPORT]", "airport", 7));  // other modes compare exactly
    EXPECT_FALSE(StrContains("", "a"));
    EXPECT_FALSE(StrContains("a", ""));
    EXPECT_TRUE(StrContains("abcabc", "a", kCompareExact, 2));
    EXPECT_FALSE(StrContains("abc", "a", kCompareExact, 2));
    EXPECT_TRUE(StrContains("abc", "a", kCompareExact, -5));  // below 1 counts as 1

    EXPECT_TRUE(StrComesFirst("BAKERY.value", "bakery", "VALUE", kCompareIgnoreCase));
    EXPECT_FALSE(StrComesFirst("value BAKERY", "BAKERY", "value"));
    EXPECT_FALSE(StrComesFirst("BAKERY", "BAKERY", "value"));
    EXPECT_TRUE(StrOrder(1, "value BAKERY", "BAKERY", "value"));
    EXPECT_TRUE(StrOrder(5, "BAKERY value", "BAKERY", "value"));  // other orders count as 0
    EXPECT_FALSE(StrOrder(0, "DOCK_10", "DOCK_1", "DOCK_10"));    // same position
    EXPECT_FALSE(StrOrder(1, "DOCK_10", "DOCK_1", "DOCK_10"));
}

TEST(TextOps, CommentsAndBlanks) {
    EXPECT_EQ(stripComment("a = 1; -- note -- more"), "a = 1; ");
    EXPECT_EQ(stripComment("-- all comment"), "");
    EXPECT_EQ(stripComment("no comment"), "no comment");
    EXPECT_EQ(removeSpaces(" a \tb "), "a\tb");
    EXPECT_EQ(removeTabs(" a \tb "), " a b ");
    EXPECT_EQ(removeBlanks(" a \tb "), "ab");
}

TEST(TextLines, CarriageReturnLineFeedAndBoth) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("a"), V{"a"});
    EXPECT_EQ(splitLines("a\r\n"), V{"a"});
    EXPECT_EQ(splitLines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(splitLines("\n\r"), (V{"", ""}));
    EXPECT_EQ(splitLines("\r\r\n"), (V{"", ""}));
}

}  // namespace
}  // namespace tg
