#include "scripts/text_lines.h"

#include <cstring>

namespace tg {

bool LineReader::next(std::string_view& line) {
    const std::size_t size = bytes_.size();
    if (pos_ >= size) {
        return false;
    }
    const char* data = bytes_.data();
    if (lineFeed_ == std::string_view::npos || lineFeed_ < pos_) {
        const void* found = std::memchr(data + pos_, '\n', size - pos_);
        lineFeed_ = found == nullptr
                        ? size
                        : static_cast<std::size_t>(static_cast<const char*>(found) - data);
    }
    // The line ends at the first carriage return before that line feed, or there.
    const void* cr = std::memchr(data + pos_, '\r', lineFeed_ - pos_);
    const std::size_t end =
        cr == nullptr ? lineFeed_ : static_cast<std::size_t>(static_cast<const char*>(cr) - data);
    line = bytes_.substr(pos_, end - pos_);
    pos_ = end + (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n' ? 2 : 1);
    return true;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    LineReader reader(bytes);
    for (std::string_view line; reader.next(line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tg
