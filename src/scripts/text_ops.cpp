#include "scripts/text_ops.h"

#include <algorithm>

#include "fs/paths.h"

namespace tg {

std::size_t findIgnoringCase(std::string_view text, std::string_view part, std::size_t from) {
    if (from > text.size() || part.size() > text.size() - from) {
        return std::string_view::npos;
    }
    if (part.empty()) {
        return from;
    }
    const char lower = asciiLower(part[0]);
    const char upper = asciiUpper(part[0]);
    for (std::size_t i = from; i + part.size() <= text.size(); ++i) {
        // Most texts write a part as it is written, so that is tried first.
        if ((text[i] == lower || text[i] == upper) &&
            (text.compare(i, part.size(), part) == 0 ||
             equalsIgnoreCase(text.substr(i, part.size()), part))) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::size_t findFrom(std::string_view text, std::string_view part, int compare, std::size_t start) {
    if (start < 1) {
        start = 1;
    }
    if (part.empty() || start > text.size()) {
        return 0;
    }
    const std::size_t pos = compare == kCompareIgnoreCase ? findIgnoringCase(text, part, start - 1)
                                                          : text.find(part, start - 1);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

namespace {

std::size_t startOf(long start) {
    return start < 1 ? 1 : static_cast<std::size_t>(start);
}

}  // namespace

bool StrContains(std::string_view text, std::string_view part, int compare, long start) {
    return !text.empty() && findFrom(text, part, compare, startOf(start)) != 0;
}

bool StrOrder(int order, std::string_view text, std::string_view a, std::string_view b, int compare,
              long start) {
    const std::size_t pa = findFrom(text, a, compare, startOf(start));
    const std::size_t pb = findFrom(text, b, compare, startOf(start));
    if (pa == 0 || pb == 0) {
        return false;
    }
    return order == 1 ? pa > pb : pa < pb;
}

bool StrComesFirst(std::string_view text, std::string_view first, std::string_view second,
                   int compare, long start) {
    return StrOrder(0, text, first, second, compare, start);
}

std::string_view stripComment(std::string_view line) {
    return line.substr(0, line.find("--"));
}

std::string removeCharacter(std::string_view text, char drop) {
    std::string out;
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
    removeBlanks(text, out);
    return out;
}

void removeBlanks(std::string_view text, std::string& out) {
    out.resize(text.size());
    const auto end = std::remove_copy_if(text.begin(), text.end(), out.begin(), isBlank);
    out.resize(static_cast<std::size_t>(end - out.begin()));
}

}  // namespace tg
