#pragma once

// Eight bytes of text handled as one 64-bit word, for the few loops that
// look at every byte of a script line.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tg::word {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// The eight bytes at p, the first byte lowest on any machine.
inline std::uint64_t load8(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    return word;
}

// Stores word at p, its lowest byte first on any machine.
inline void store8(char* p, std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    std::memcpy(p, &word, sizeof word);
}

// Each byte of the word b.
inline constexpr std::uint64_t broadcast(unsigned char b) {
    return kOnes * b;
}

// Nonzero exactly when some byte of word is zero. The bits set mark the
// lowest zero byte exactly; bytes above it may be marked wrongly.
inline constexpr std::uint64_t zeroBytes(std::uint64_t word) {
    return (word - kOnes) & ~word & kHighs;
}

// ASCII capitals lowered in each byte. The low seven bits of each byte are
// compared with "A" and "Z" by adding to them, which cannot carry into the
// next byte; bytes from 0x80 up are left alone.
inline constexpr std::uint64_t lower8(std::uint64_t word) {
    const std::uint64_t low7 = word & ~kHighs;
    const std::uint64_t atLeastA = low7 + broadcast(0x80 - 'A');
    const std::uint64_t aboveZ = low7 + broadcast(0x7F - 'Z');
    const std::uint64_t upper = (atLeastA ^ aboveZ) & ~word & kHighs;
    return word | (upper >> 2);
}

// Whether the n bytes at a and at b are the same: eight at a time, the last
// eight overlapping the ones before, or one at a time below eight. The short
// texts compared per line are spared a library call.
inline bool sameBytes(const char* a, const char* b, std::size_t n) {
    if (n >= 8) {
        for (std::size_t k = 0; k + 8 < n; k += 8) {
            if (load8(a + k) != load8(b + k)) {
                return false;
            }
        }
        return load8(a + n - 8) == load8(b + n - 8);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (a[k] != b[k]) {
            return false;
        }
    }
    return true;
}

}  // namespace tg::word
