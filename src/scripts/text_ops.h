#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tg {

// Letter-case modes of the text tests: 1 ignores (ASCII) letter case; 0, and
// any other value, compares exactly.
inline constexpr int kCompareExact = 0;
inline constexpr int kCompareIgnoreCase = 1;

// Position (counting from 1) of the first occurrence of part in text at or
// after start, or 0 when there is none. A start below 1 counts as 1.
std::size_t findFrom(std::string_view text, std::string_view part, int compare, std::size_t start);

// findFrom with letter case ignored, taking eight positions at a time only:
// the way findFrom goes where the machine has no 16-byte instructions, kept
// callable so that both can be compared.
std::size_t findFromByWords(std::string_view text, std::string_view part, std::size_t start);

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

// removeBlanks(stripComment(line)) in one pass, written into buffer (grown to
// at most the line's size and 16 bytes when it has too little room, never
// shrunk, so a buffer kept from line to line is seldom grown) and returned as
// a view into it. firstBlank: where
// the first space or tab of stripComment(line) stands, or that text's size.
// codeWithoutBlanksWide takes 16 bytes at a time where the machine allows
// it, codeWithoutBlanksPlain one; codeWithoutBlanks packs lines of 16 to 64
// bytes with byte shuffles where the processor has them (SSSE3) and goes the
// wide way otherwise. All three give the same.
std::string_view codeWithoutBlanks(std::string_view line, std::vector<char>& buffer,
                                   std::size_t& firstBlank);
std::string_view codeWithoutBlanksWide(std::string_view line, std::vector<char>& buffer,
                                       std::size_t& firstBlank);
std::string_view codeWithoutBlanksPlain(std::string_view line, std::vector<char>& buffer,
                                        std::size_t& firstBlank);

// Every occurrence of one character removed; every space; every tab.
std::string removeCharacter(std::string_view text, char drop);
std::string removeSpaces(std::string_view text);
std::string removeTabs(std::string_view text);

// Both of the above: what the reader and the writer match lines on.
std::string removeBlanks(std::string_view text);

}  // namespace tg
