#include "scripts/text_lines.h"

#include <bit>
#include <cstdint>

#include "scripts/word_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

std::size_t lineEndFrom(std::string_view bytes, std::size_t from) {
#if defined(__SSE2__)
    const __m128i crs = _mm_set1_epi8('\r');
    const __m128i lfs = _mm_set1_epi8('\n');
    for (; from + 16 <= bytes.size(); from += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + from));
        const int ends =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, crs), _mm_cmpeq_epi8(v, lfs)));
        if (ends != 0) {
            return from + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(ends)));
        }
    }
#endif
    return lineEndFromPlain(bytes, from);
}

std::size_t lineEndFromPlain(std::string_view bytes, std::size_t from) {
    constexpr std::uint64_t kCrs = word::broadcast('\r');
    constexpr std::uint64_t kLfs = word::broadcast('\n');
    std::size_t i = from;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint64_t w = word::load8(bytes.data() + i);
        // The lowest marked byte of each half is exact, so is that of both.
        const std::uint64_t ends = word::zeroBytes(w ^ kCrs) | word::zeroBytes(w ^ kLfs);
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

std::size_t LineCursor::endFrom(std::size_t from) {
#if defined(__SSE2__)
    // from never goes back, so the kept 64 hold it or lie behind it.
    if (block_ != std::string_view::npos && from < block_ + 64) {
        const std::uint64_t ahead = ends_ & (~std::uint64_t{0} << (from - block_));
        if (ahead != 0) {
            return block_ + static_cast<std::size_t>(std::countr_zero(ahead));
        }
        from = block_ + 64;
    }
    const __m128i crs = _mm_set1_epi8('\r');
    const __m128i lfs = _mm_set1_epi8('\n');
    auto endsAt = [&](std::size_t at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes_.data() + at));
        return std::uint64_t{static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, crs), _mm_cmpeq_epi8(v, lfs))))};
    };
    for (; from + 64 <= bytes_.size(); from += 64) {
        const std::uint64_t ends = endsAt(from) | (endsAt(from + 16) << 16) |
                                   (endsAt(from + 32) << 32) | (endsAt(from + 48) << 48);
        if (ends != 0) {
            block_ = from;
            ends_ = ends;
            return from + static_cast<std::size_t>(std::countr_zero(ends));
        }
    }
#endif
    // The last bytes, fewer than 64, are searched without keeping their ends.
    return lineEndFrom(bytes_, from);
}

}  // namespace tg
