#include "scripts/text_lines.h"

#include <algorithm>
#include <cstring>

namespace tg {

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

namespace {

// Position of the first c at or after from, or the size when there is none.
std::size_t findByte(std::string_view bytes, char c, std::size_t from) {
    if (from >= bytes.size()) {
        return bytes.size();
    }
    const void* hit = std::memchr(bytes.data() + from, c, bytes.size() - from);
    return hit == nullptr ? bytes.size()
                          : static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
}

}  // namespace

bool LineCursor::next(std::string_view& line) {
    if (pos_ >= bytes_.size()) {
        return false;
    }
    // A remembered position behind pos_ has been passed by an earlier line.
    if (!crKnown_ || nextCr_ < pos_) {
        nextCr_ = findByte(bytes_, '\r', pos_);
        crKnown_ = true;
    }
    if (!lfKnown_ || nextLf_ < pos_) {
        nextLf_ = findByte(bytes_, '\n', pos_);
        lfKnown_ = true;
    }
    const std::size_t end = std::min(nextCr_, nextLf_);
    line = bytes_.substr(pos_, end - pos_);
    if (end == bytes_.size()) {
        pos_ = end;
    } else {
        pos_ = end +
               (bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n' ? 2 : 1);
    }
    return true;
}

}  // namespace tg
