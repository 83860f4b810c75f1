#pragma once

#include <string_view>
#include <vector>

namespace tg {

// Splits script bytes into lines. A line ends at a carriage return, at a
// carriage return followed by a line feed, or at a line feed alone; the line
// text excludes them. The end of the bytes closes a last line that has no line
// end, so "a\r\n" is one line and "" is none.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace tg
