#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tg {

// Splits script bytes into lines. A line ends at a carriage return, at a
// carriage return followed by a line feed, or at a line feed alone; the line
// text excludes them. The end of the bytes closes a last line that has no line
// end, so "a\r\n" is one line and "" is none.
std::vector<std::string_view> splitLines(std::string_view bytes);

// The lines of splitLines one at a time, without collecting them first. Line
// ends are found with memchr; the next carriage return and the next line
// feed are each remembered until a line passes them, so every byte is
// searched once for each.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

    // The next line into line, or false after the last one.
    bool next(std::string_view& line);

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t nextCr_ = 0;  // position of the next '\r' at or after pos_ once found
    std::size_t nextLf_ = 0;
    bool crKnown_ = false;
    bool lfKnown_ = false;
};

}  // namespace tg
