#include "scripts/writer_text.h"

#include <cstdint>

#include "scripts/text_lines.h"
#include "scripts/word_ops.h"

namespace tg::writer {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerByte(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::size_t nextLineStart(std::string_view bytes, std::size_t end) {
    if (end >= bytes.size()) {
        return bytes.size();
    }
    return end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
}

std::string_view reduceCode(std::string_view code, std::vector<char>& buffer) {
    constexpr std::uint64_t kSpaces = word::broadcast(' ');
    constexpr std::uint64_t kTabs = word::broadcast('\t');
    if (buffer.size() < code.size()) {
        buffer.resize(code.size());
    }
    char* const to = buffer.data();
    const char* const from = code.data();
    std::size_t kept = 0;
    std::size_t i = 0;
    for (; i + 8 <= code.size(); i += 8) {
        const std::uint64_t w = word::load8(from + i);
        if (word::zeroBytes(w ^ kSpaces) == 0 && word::zeroBytes(w ^ kTabs) == 0) {
            // kept <= i, so the eight bytes fit.
            word::store8(to + kept, word::lower8(w));
            kept += 8;
            continue;
        }
        for (std::size_t k = i; k < i + 8; ++k) {
            to[kept] = lowerByte(from[k]);
            kept += isBlank(from[k]) ? 0 : 1;
        }
    }
    for (; i < code.size(); ++i) {
        to[kept] = lowerByte(from[i]);
        kept += isBlank(from[i]) ? 0 : 1;
    }
    return {to, kept};
}

std::size_t positionInCode(std::string_view code, std::size_t reducedAt) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (isBlank(code[i])) {
            continue;
        }
        if (seen == reducedAt) {
            return i;
        }
        ++seen;
    }
    return code.size();
}

void appendLinesUnchanged(std::string_view bytes, std::string& out) {
    // Runs of lines that already end in CR LF go out in one piece.
    std::size_t copied = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t end = tg::lineEndFrom(bytes, i);
        if (end == bytes.size()) {
            out.append(bytes.substr(copied));
            out += kLineEnd;
            return;
        }
        if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            i = end + 2;
            continue;
        }
        out.append(bytes.substr(copied, end - copied));
        out += kLineEnd;
        i = end + 1;
        copied = i;
    }
    out.append(bytes.substr(copied));
}

}  // namespace tg::writer
