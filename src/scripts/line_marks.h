#pragma once

// The ";" that ends a setting's value and the "=" that starts it, found in a
// line's code sixteen or eight bytes at a time; the search for a Membership's group.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "scripts/word_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tg {

// Where the first ";" at or after from stands, and the first "=" between
// from and that ";" (npos for either that is not there; with no ";" the
// "=" is the first one to the end of the text).
struct ValueMarks {
    std::size_t semi = std::string_view::npos;
    std::size_t equals = std::string_view::npos;
};

// The marks byte by byte.
inline ValueMarks valueMarksPlain(std::string_view text, std::size_t from) {
    ValueMarks marks;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == ';') {
            marks.semi = i;
            break;
        }
        if (text[i] == '=' && marks.equals == std::string_view::npos) {
            marks.equals = i;
        }
    }
    return marks;
}

namespace word {

// The high bit of each byte of word that is zero, and no other bit. Unlike
// zeroBytes it marks every byte exactly: the low seven bits are added to
// 0x7F, which cannot carry out of the byte.
inline constexpr std::uint64_t exactZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t kLows = ~kHighs;
    return ~(((word & kLows) + kLows) | word | kLows);
}

}  // namespace word

// The marks of one stretch of bytes starting at base, given the bytes that
// are ";" and those that are "=" as bits (each byte's bits in the order of
// the bytes): an "=" counts only below the first ";". True when the ";" was
// among them.
template <typename Bits>
inline bool takeValueMarks(ValueMarks& marks, std::size_t base, Bits semis, Bits equals,
                           unsigned bitsPerByte) {
    const Bits beforeSemi =
        semis == 0 ? static_cast<Bits>(~Bits{0}) : static_cast<Bits>((semis & (~semis + 1)) - 1);
    equals &= beforeSemi;
    if (equals != 0 && marks.equals == std::string_view::npos) {
        marks.equals = base + static_cast<std::size_t>(std::countr_zero(equals)) / bitsPerByte;
    }
    if (semis != 0) {
        marks.semi = base + static_cast<std::size_t>(std::countr_zero(semis)) / bitsPerByte;
        return true;
    }
    return false;
}

// The marks eight bytes at a time; the last bytes are taken with the eight
// that end the text (when it has eight), the ones already looked at masked
// off.
inline ValueMarks valueMarksByWords(std::string_view text, std::size_t from) {
    constexpr std::uint64_t kSemis = word::broadcast(';');
    constexpr std::uint64_t kEquals = word::broadcast('=');
    const std::size_t size = text.size();
    if (size < 8) {
        return valueMarksPlain(text, from);
    }
    ValueMarks marks;
    std::size_t i = from;
    for (; i + 8 <= size; i += 8) {
        const std::uint64_t w = word::load8(text.data() + i);
        if (takeValueMarks(marks, i, word::exactZeroBytes(w ^ kSemis),
                           word::exactZeroBytes(w ^ kEquals), 8)) {
            return marks;
        }
    }
    if (i < size) {
        const std::size_t base = size - 8;
        const std::uint64_t keep = ~std::uint64_t{0} << (8 * (i - base));
        const std::uint64_t w = word::load8(text.data() + base);
        takeValueMarks(marks, base, word::exactZeroBytes(w ^ kSemis) & keep,
                       word::exactZeroBytes(w ^ kEquals) & keep, 8);
    }
    return marks;
}

#if defined(__SSE2__)
// The marks sixteen bytes at a time by byte compares, the last bytes taken
// as the words do; texts under sixteen bytes go the way of the words.
[[gnu::always_inline]] inline ValueMarks valueMarksBySse2(std::string_view text, std::size_t from) {
    const std::size_t size = text.size();
    if (size < 16) {
        return valueMarksByWords(text, from);
    }
    const __m128i semi = _mm_set1_epi8(';');
    const __m128i equals = _mm_set1_epi8('=');
    auto bitsOf = [](__m128i bytes, __m128i mark) {
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, mark)));
    };
    ValueMarks marks;
    if (size - from <= 16) {
        // The usual value: all of it within the sixteen bytes that end the
        // text, taken in one step.
        const std::size_t base = size - 16;
        const std::uint32_t keep = ~std::uint32_t{0} << (from - base);
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + base));
        takeValueMarks(marks, base, bitsOf(bytes, semi) & keep, bitsOf(bytes, equals) & keep, 1);
        return marks;
    }
    std::size_t i = from;
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        if (takeValueMarks(marks, i, bitsOf(bytes, semi), bitsOf(bytes, equals), 1)) {
            return marks;
        }
    }
    if (i < size) {
        const std::size_t base = size - 16;
        const std::uint32_t keep = 0xFFFFU << (i - base);
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + base));
        takeValueMarks(marks, base, bitsOf(bytes, semi) & keep, bitsOf(bytes, equals) & keep, 1);
    }
    return marks;
}
#endif

// The marks the fastest way the processor allows.
[[gnu::always_inline]] inline ValueMarks valueMarks(std::string_view text, std::size_t from) {
#if defined(__SSE2__)
    return valueMarksBySse2(text, from);
#else
    return valueMarksByWords(text, from);
#endif
}

// Whether text holds capitals (ASCII capital letters only, at least one) in
// any letter case: what StrContains with letter case ignored tells for such
// a part. A byte equals a capital in either case exactly when it equals it
// with bit 0x20 cleared.
inline bool holdsCapitalsInAnyCase(std::string_view text, std::string_view capitals) {
    if (capitals.empty() || capitals.size() > text.size()) {
        return false;
    }
    constexpr std::uint64_t kLowerBits = word::broadcast(0x20);
    const std::size_t last = text.size() - capitals.size();
    for (std::size_t i = 0; i <= last; ++i) {
        if ((text[i] & ~0x20) != capitals[0]) {
            continue;
        }
        std::size_t k = 1;
        while (k + 8 <= capitals.size() && (word::load8(text.data() + i + k) & ~kLowerBits) ==
                                               word::load8(capitals.data() + k)) {
            k += 8;
        }
        while (k < capitals.size() && (text[i + k] & ~0x20) == capitals[k]) {
            ++k;
        }
        if (k == capitals.size()) {
            return true;
        }
    }
    return false;
}

}  // namespace tg
