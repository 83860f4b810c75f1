#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tg {

// Letter-case modes of the text tests: 1 ignores (ASCII) letter case; 0, and
// any other value, compares exactly.
inline constexpr int kCompareExact = 0;
inline constexpr int kCompareIgnoreCase = 1;

// Where part first occurs in text at or after from (counting from 0), ASCII
// letter case ignored, or npos. An empty part is found at from.
std::size_t findIgnoringCase(std::string_view text, std::string_view part, std::size_t from = 0);

// Position (counting from 1) of the first occurrence of part in text at or
// after start, or 0 when there is none or part is empty. A start below 1
// counts as 1.
std::size_t findFrom(std::string_view text, std::string_view part, int compare, std::size_t start);

// True when neither text nor part is empty and part occurs in text at or
// after position start (counting from 1).
bool StrContains(std::string_view text, std::string_view part, int compare = kCompareExact,
                 long start = 1);

// Order 0: a occurs (first) before b; order 1: after. Both must occur;
// equal positions give false. An order other than 0 or 1 counts as 0.
bool StrOrder(int order, std::string_view text, std::string_view a, std::string_view b,
              int compare = kCompareExact, long start = 1);

// StrOrder with order 0.
bool StrComesFirst(std::string_view text, std::string_view first, std::string_view second,
                   int compare = kCompareExact, long start = 1);

// The text before the first "--"; the whole text when it holds none.
std::string_view stripComment(std::string_view line);

// Every occurrence of one character removed; every space; every tab.
std::string removeCharacter(std::string_view text, char drop);
std::string removeSpaces(std::string_view text);
std::string removeTabs(std::string_view text);

// The blanks of a script line: spaces and tabs.
inline constexpr std::string_view kBlanks = " \t";
inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Both of the above: what the reader and the writer match lines on. The
// second form writes into a buffer that a caller keeps from line to line.
std::string removeBlanks(std::string_view text);
void removeBlanks(std::string_view text, std::string& out);

}  // namespace tg
