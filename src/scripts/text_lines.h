#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tg {

// The lines of script bytes, one at a time. A line ends at a carriage
// return, at a carriage return followed by a line feed, or at a line feed
// alone; the line text excludes them. The end of the bytes closes a last line
// that has no line end, so "a\r\n" is one line and "" is none.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    // The next line into line, or false after the last one.
    bool next(std::string_view& line);

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    // The first line feed at or after pos_ (the size when there is none), or
    // npos before it is looked for; kept until the walk passes it, so that
    // each byte is looked at about once whatever the line ends.
    std::size_t lineFeed_ = std::string_view::npos;
};

// All the lines at once.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace tg
