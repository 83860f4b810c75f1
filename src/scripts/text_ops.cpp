#include "scripts/text_ops.h"

#include <bit>
#include <cstdint>

#include "scripts/word_ops.h"

namespace tg {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

using word::load8;
using word::lower8;

// Where part first occurs in text at or after from, ASCII letter case
// ignored, or npos. Candidates are found by the first character alone: a
// letter matches itself with bit 0x20 set either way, any other character
// only itself. Eight positions are tested at a time: a byte of the word is
// zero where the text's byte (with bit 0x20 set for a letter) equals the
// first character; the word test can report a byte after a true zero
// wrongly, never miss one, and each reported byte is tested alone.
std::size_t findIgnoringCase(std::string_view text, std::string_view part, std::size_t from) {
    if (part.size() > text.size()) {
        return std::string_view::npos;
    }
    const char first = part.front();
    const bool letter = isAsciiLetter(first);
    const char fold = letter ? static_cast<char>(first | 0x20) : first;
    const char set = letter ? static_cast<char>(0x20) : static_cast<char>(0);
    const std::uint64_t foldWord = word::broadcast(static_cast<unsigned char>(fold));
    const std::uint64_t setWord = word::broadcast(static_cast<unsigned char>(set));
    const std::size_t last = text.size() - part.size();
    auto matchesAt = [&](std::size_t i) {
        if (static_cast<char>(text[i] | set) != fold) {
            return false;
        }
        std::size_t k = 1;
        while (k + 8 <= part.size() &&
               lower8(load8(text.data() + i + k)) == lower8(load8(part.data() + k))) {
            k += 8;
        }
        while (k < part.size() && lowerAscii(text[i + k]) == lowerAscii(part[k])) {
            ++k;
        }
        return k == part.size();
    };
    std::size_t i = from;
    for (; i + 8 <= last + 1; i += 8) {
        const std::uint64_t x = (load8(text.data() + i) | setWord) ^ foldWord;
        std::uint64_t zeros = word::zeroBytes(x);
        while (zeros != 0) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
            if (matchesAt(at)) {
                return at;
            }
            zeros &= zeros - 1;
        }
    }
    for (; i <= last; ++i) {
        if (matchesAt(i)) {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::size_t findFrom(std::string_view text, std::string_view part, int compare, std::size_t start) {
    if (start < 1) {
        start = 1;
    }
    if (part.empty() || start > text.size()) {
        return 0;
    }
    const std::size_t from = start - 1;
    const auto pos =
        compare == kCompareIgnoreCase ? findIgnoringCase(text, part, from) : text.find(part, from);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

namespace {

std::size_t startOf(long start) {
    return start < 1 ? 1 : static_cast<std::size_t>(start);
}

}  // namespace

bool StrContains(std::string_view text, std::string_view part, int compare, long start) {
    if (text.empty() || part.empty()) {
        return false;
    }
    return findFrom(text, part, compare, startOf(start)) != 0;
}

bool StrOrder(int order, std::string_view text, std::string_view a, std::string_view b, int compare,
              long start) {
    // Each is found once: a part that does not occur has position 0.
    const std::size_t pa = findFrom(text, a, compare, startOf(start));
    if (pa == 0) {
        return false;
    }
    const std::size_t pb = findFrom(text, b, compare, startOf(start));
    if (pb == 0) {
        return false;
    }
    return order == 1 ? pa > pb : pa < pb;
}

bool StrComesFirst(std::string_view text, std::string_view first, std::string_view second,
                   int compare, long start) {
    return StrOrder(0, text, first, second, compare, start);
}

std::string_view stripComment(std::string_view line) {
    const auto pos = line.find("--");
    return pos == std::string_view::npos ? line : line.substr(0, pos);
}

std::string removeCharacter(std::string_view text, char drop) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != drop) {
            out.push_back(c);
        }
    }
    return out;
}

std::string removeSpaces(std::string_view text) {
    return removeCharacter(text, ' ');
}

std::string removeTabs(std::string_view text) {
    return removeCharacter(text, '\t');
}

std::string removeBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t') {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace tg
