#include "scripts/writer_text.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tg::writer {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// The eight bytes at p, the first byte lowest on any machine.
std::uint64_t load8(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    return word;
}

void store8(char* p, std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    std::memcpy(p, &word, sizeof word);
}

constexpr std::uint64_t broadcast(unsigned char b) {
    return kOnes * b;
}

// Nonzero exactly when some byte of word is zero. The lowest marked byte is
// exact; bytes above it may be marked wrongly.
constexpr std::uint64_t zeroBytes(std::uint64_t word) {
    return (word - kOnes) & ~word & kHighs;
}

// ASCII capitals lowered in each byte: the low seven bits of each byte are
// compared with "A" and "Z" by adding to them, which cannot carry into the
// next byte; bytes from 0x80 up are left alone.
constexpr std::uint64_t lower8(std::uint64_t word) {
    const std::uint64_t low7 = word & ~kHighs;
    const std::uint64_t atLeastA = low7 + broadcast(0x80 - 'A');
    const std::uint64_t aboveZ = low7 + broadcast(0x7F - 'Z');
    const std::uint64_t upper = (atLeastA ^ aboveZ) & ~word & kHighs;
    return word | (upper >> 2);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerByte(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::size_t lineEndFrom(std::string_view bytes, std::size_t from) {
    constexpr std::uint64_t kCrs = broadcast('\r');
    constexpr std::uint64_t kLfs = broadcast('\n');
    std::size_t i = from;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint64_t w = load8(bytes.data() + i);
        // The lowest marked byte of each half is exact, so is that of both.
        const std::uint64_t ends = zeroBytes(w ^ kCrs) | zeroBytes(w ^ kLfs);
        if (ends != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(ends)) / 8;
        }
    }
    for (; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            return i;
        }
    }
    return bytes.size();
}

std::size_t nextLineStart(std::string_view bytes, std::size_t end) {
    if (end >= bytes.size()) {
        return bytes.size();
    }
    return end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
}

std::string_view reduceCode(std::string_view code, std::vector<char>& buffer) {
    constexpr std::uint64_t kSpaces = broadcast(' ');
    constexpr std::uint64_t kTabs = broadcast('\t');
    if (buffer.size() < code.size()) {
        buffer.resize(code.size());
    }
    char* const to = buffer.data();
    const char* const from = code.data();
    std::size_t kept = 0;
    std::size_t i = 0;
    for (; i + 8 <= code.size(); i += 8) {
        const std::uint64_t w = load8(from + i);
        if (zeroBytes(w ^ kSpaces) == 0 && zeroBytes(w ^ kTabs) == 0) {
            // kept <= i, so the eight bytes fit.
            store8(to + kept, lower8(w));
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
        const std::size_t end = lineEndFrom(bytes, i);
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
