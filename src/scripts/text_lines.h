#pragma once

#include <bit>
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

    // The next line into line, or false after the last one. A line whose
    // end lies among the kept ones is walked here; any other is searched for.
    bool next(std::string_view& line) {
        const std::size_t size = bytes_.size();
        if (pos_ >= size) {
            return false;
        }
        // ends_ is 0 until block_ is set.
        const std::size_t offset = pos_ - block_;
        const std::uint64_t ahead = offset < 64 ? ends_ & (~std::uint64_t{0} << offset) : 0;
        const std::size_t end =
            ahead != 0 ? block_ + static_cast<std::size_t>(std::countr_zero(ahead)) : endFrom(pos_);
        line = std::string_view(bytes_.data() + pos_, end - pos_);
        if (end == size) {
            pos_ = end;
        } else {
            pos_ = end + (bytes_[end] == '\r' && end + 1 < size && bytes_[end + 1] == '\n' ? 2 : 1);
        }
        return true;
    }

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
