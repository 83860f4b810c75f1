#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tg {

// Splits script bytes into lines. A line ends at a carriage return, at a
// carriage return followed by a line feed, or at a line feed alone; the line
// text excludes them. The end of the bytes closes a last line that has no line
// end, so "a\r\n" is one line and "" is none.
std::vector<std::string_view> splitLines(std::string_view bytes);

// Position of the first carriage return or line feed at or after from, or the
// size of bytes when there is none. lineEndFrom takes 16 bytes at a time
// where the machine allows it, lineEndFromPlain eight; both give the same.
std::size_t lineEndFrom(std::string_view bytes, std::size_t from);
std::size_t lineEndFromPlain(std::string_view bytes, std::size_t from);

// The lines of splitLines one at a time, without collecting them first, their
// ends found as lineEndFrom finds them. Where the machine allows it, the line
// ends of the 64 bytes last searched are kept, so that the lines ending
// within them are walked without searching again.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

    // The next line into line, or false after the last one.
    bool next(std::string_view& line);

private:
    std::size_t endFrom(std::size_t from);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    // Bit i of ends_ set when byte block_ + i is a line end; block_ is
    // npos until 64 bytes have been searched at once.
    std::size_t block_ = std::string_view::npos;
    std::uint64_t ends_ = 0;
};

}  // namespace tg
