#include "scripts/text_ops.h"

#include <algorithm>

#include "fs/paths.h"

namespace tg {

std::size_t findFrom(std::string_view text, std::string_view part, int compare, std::size_t start) {
    if (start < 1) {
        start = 1;
    }
    if (part.empty() || start > text.size()) {
        return 0;
    }
    const std::size_t from = start - 1;
    if (compare != kCompareIgnoreCase) {
        const auto pos = text.find(part, from);
        return pos == std::string_view::npos ? 0 : pos + 1;
    }
    const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                part.begin(), part.end(), [](char a, char b) {
                                    return asciiLower(a) == asciiLower(b);
                                });
    return it == text.end() ? 0 : static_cast<std::size_t>(it - text.begin()) + 1;
}

namespace {

std::size_t startOf(long start) { return start < 1 ? 1 : static_cast<std::size_t>(start); }

}  // namespace

bool StrContains(std::string_view text, std::string_view part, int compare, long start) {
    if (text.empty() || part.empty()) {
        return false;
    }
    return findFrom(text, part, compare, startOf(start)) != 0;
}

bool StrOrder(int order, std::string_view text, std::string_view a, std::string_view b,
              int compare, long start) {
    if (!StrContains(text, a, compare, start) || !StrContains(text, b, compare, start)) {
        return false;
    }
    const std::size_t pa = findFrom(text, a, compare, startOf(start));
    const std::size_t pb = findFrom(text, b, compare, startOf(start));
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

namespace {

std::string without(std::string_view text, char drop) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != drop) {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::string removeSpaces(std::string_view text) { return without(text, ' '); }

std::string removeTabs(std::string_view text) { return without(text, '\t'); }

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
