#include "scripts/text_ops.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "scripts/word_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#include <tmmintrin.h>
#endif

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

// Whether part occurs at i in text (part fitting), ASCII letter case
// ignored. A letter matches itself with bit 0x20 set either way, any other
// character only itself.
bool matchesIgnoringCaseAt(std::string_view text, std::string_view part, std::size_t i) {
    const char first = part.front();
    const char set = isAsciiLetter(first) ? static_cast<char>(0x20) : static_cast<char>(0);
    if (static_cast<char>(text[i] | set) != static_cast<char>(first | set)) {
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
}

// Where part first occurs in text at or after from, ASCII letter case
// ignored, or npos. Candidates are found by the first character alone,
// eight positions at a time: a byte of the word is zero where the text's
// byte (with bit 0x20 set for a letter) equals the first character; the
// word test can report a byte after a true zero wrongly, never miss one,
// and each reported byte is tested alone.
std::size_t findIgnoringCaseByWords(std::string_view text, std::string_view part,
                                    std::size_t from) {
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
    std::size_t i = from;
    for (; i + 8 <= last + 1; i += 8) {
        const std::uint64_t x = (load8(text.data() + i) | setWord) ^ foldWord;
        std::uint64_t zeros = word::zeroBytes(x);
        while (zeros != 0) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
            if (matchesIgnoringCaseAt(text, part, at)) {
                return at;
            }
            zeros &= zeros - 1;
        }
    }
    for (; i <= last; ++i) {
        if (matchesIgnoringCaseAt(text, part, i)) {
            return i;
        }
    }
    return std::string_view::npos;
}

// findIgnoringCaseByWords, with the first two characters of part tested at
// 16 positions at a time where the machine allows it (each exactly, as a
// letter with bit 0x20 set or another byte as itself), which leaves few
// candidates to test whole. Texts with fewer than 16 places for part go the
// word way.
std::size_t findIgnoringCase(std::string_view text, std::string_view part, std::size_t from) {
#if defined(__SSE2__)
    if (part.size() >= 2 && part.size() <= text.size()) {
        auto setOf = [](char c) { return isAsciiLetter(c) ? '\x20' : '\0'; };
        const __m128i set0 = _mm_set1_epi8(setOf(part[0]));
        const __m128i want0 = _mm_set1_epi8(static_cast<char>(part[0] | setOf(part[0])));
        const __m128i set1 = _mm_set1_epi8(setOf(part[1]));
        const __m128i want1 = _mm_set1_epi8(static_cast<char>(part[1] | setOf(part[1])));
        // The candidates among the 16 positions from block on, every one
        // of which can start part, so the load at block + 1 stays inside the
        // text too.
        auto candidatesAt = [&](std::size_t block) {
            const char* at = text.data() + block;
            const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
            return static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(v0, set0), want0),
                                                _mm_cmpeq_epi8(_mm_or_si128(v1, set1), want1))));
        };
        auto firstMatch = [&](std::size_t block, unsigned candidates) {
            while (candidates != 0) {
                const std::size_t i =
                    block + static_cast<std::size_t>(std::countr_zero(candidates));
                if (matchesIgnoringCaseAt(text, part, i)) {
                    return i;
                }
                candidates &= candidates - 1;
            }
            return std::string_view::npos;
        };
        const std::size_t last = text.size() - part.size();
        if (last + 1 >= 16) {
            for (; from + 16 <= last + 1; from += 16) {
                if (const std::size_t i = firstMatch(from, candidatesAt(from));
                    i != std::string_view::npos) {
                    return i;
                }
            }
            if (from > last) {
                return std::string_view::npos;
            }
            // The positions left: the 16 that end at the last, without those
            // already tested.
            const std::size_t block = last - 15;
            return firstMatch(block, candidatesAt(block) & (~0U << (from - block)));
        }
    }
#endif
    return findIgnoringCaseByWords(text, part, from);
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

std::size_t findFromByWords(std::string_view text, std::string_view part, std::size_t start) {
    if (start < 1) {
        start = 1;
    }
    if (part.empty() || start > text.size()) {
        return 0;
    }
    const auto pos = findIgnoringCaseByWords(text, part, start - 1);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

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

namespace {

// The bytes of line from i on, one at a time, for codeWithoutBlanks: kept
// bytes already written to to, blankAt the first blank seen (npos: none).
std::string_view restWithoutBlanks(std::string_view line, std::size_t i, std::size_t kept,
                                   std::size_t blankAt, char* to, std::size_t& firstBlank) {
    const char* const from = line.data();
    const std::size_t n = line.size();
    for (; i < n; ++i) {
        const char c = from[i];
        if (c == '-' && i + 1 < n && from[i + 1] == '-') {
            break;
        }
        const bool blank = c == ' ' || c == '\t';
        if (blank && blankAt == std::string_view::npos) {
            blankAt = i;
        }
        to[kept] = c;
        kept += blank ? 0 : 1;
    }
    firstBlank = blankAt == std::string_view::npos ? i : blankAt;
    return {to, kept};
}

}  // namespace

std::string_view codeWithoutBlanksPlain(std::string_view line, std::vector<char>& buffer,
                                        std::size_t& firstBlank) {
    if (buffer.size() < line.size()) {
        buffer.resize(line.size());
    }
    return restWithoutBlanks(line, 0, 0, std::string_view::npos, buffer.data(), firstBlank);
}

#if defined(__SSE2__)
namespace {

// The bytes of v from skip on whose bits (counted from skip) are set in
// keep, appended to to at kept, each run of them with one 16-byte write of
// the bytes from its start (the bytes past v as 0); the writes may reach up
// to 16 bytes past the new end. Returns the new end. The runs are taken
// from the two halves of v in registers: reading them back from memory at
// an offset would stall on the store just made.
std::size_t appendKept(char* to, std::size_t kept, __m128i v, unsigned skip, unsigned keep) {
    alignas(16) std::uint64_t halves[2];
    _mm_store_si128(reinterpret_cast<__m128i*>(halves), v);
    const std::uint64_t low = halves[0];
    const std::uint64_t high = halves[1];
    keep <<= skip;
    while (keep != 0) {
        const auto start = static_cast<unsigned>(std::countr_zero(keep));
        const auto length = static_cast<unsigned>(std::countr_zero(~(keep >> start)));
        std::uint64_t first = 0;
        std::uint64_t second = 0;
        if (start == 0) {
            first = low;
            second = high;
        } else if (start < 8) {
            first = (low >> (8 * start)) | (high << (64 - 8 * start));
            second = high >> (8 * start);
        } else {
            first = high >> (8 * (start - 8));
        }
        std::memcpy(to + kept, &first, sizeof first);
        std::memcpy(to + kept + 8, &second, sizeof second);
        kept += length;
        keep &= ~(((1U << length) - 1) << start);
    }
    return kept;
}

}  // namespace
#endif

// Not inlined into codeWithoutBlanks, whose short lines then need no
// registers saved for the long ones.
__attribute__((noinline)) std::string_view codeWithoutBlanksWide(std::string_view line,
                                                                 std::vector<char>& buffer,
                                                                 std::size_t& firstBlank) {
    // Room for the 16-byte copies that run past the code's end.
    if (buffer.size() < line.size() + 16) {
        buffer.resize(line.size() + 16);
    }
    char* const to = buffer.data();
    std::size_t kept = 0;
    std::size_t blankAt = std::string_view::npos;
    std::size_t i = 0;
#if defined(__SSE2__)
    // 16 bytes at a time while the byte after them is in the line too, so
    // that a "--" starting at any of the 16 is seen, then the last 16 of the
    // line, of which those already taken are skipped. 16 with no blank and
    // no comment are copied whole (kept <= i, so they fit); any others run
    // by run as far as the comment.
    const char* const from = line.data();
    const std::size_t n = line.size();
    const __m128i dash = _mm_set1_epi8('-');
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i tab = _mm_set1_epi8('\t');
    auto blanksOf = [&](__m128i v) {
        return static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, space), _mm_cmpeq_epi8(v, tab))));
    };
    // The bytes from i on, up to width of them and as the masks (counted
    // from i) tell; true when a comment starts among them.
    auto take = [&](__m128i v, unsigned skip, unsigned width, unsigned dashes, unsigned blanks) {
        if (dashes != 0) {
            width = static_cast<unsigned>(std::countr_zero(dashes));
        }
        const unsigned inCode = (1U << width) - 1;
        const unsigned codeBlanks = blanks & inCode;
        if (codeBlanks != 0 && blankAt == std::string_view::npos) {
            blankAt = i + static_cast<std::size_t>(std::countr_zero(codeBlanks));
        }
        kept = appendKept(to, kept, v, skip, ~codeBlanks & inCode);
        i += width;
        return dashes != 0;
    };
    for (; i + 17 <= n;) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 1));
        const auto dashes = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(v, dash), _mm_cmpeq_epi8(next, dash))));
        const unsigned blanks = blanksOf(v);
        if ((dashes | blanks) == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + kept), v);
            kept += 16;
            i += 16;
            continue;
        }
        if (take(v, 0, 16, dashes, blanks)) {
            firstBlank = blankAt == std::string_view::npos ? i : blankAt;
            return {to, kept};
        }
    }
    if (n >= 16 && i < n) {
        // A "--" at the last byte would need a byte after the line, so
        // the pairs are found within the 16.
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + n - 16));
        const auto skip = static_cast<unsigned>(16 - (n - i));
        const auto dashBits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, dash)));
        take(v, skip, static_cast<unsigned>(n - i), (dashBits & (dashBits >> 1)) >> skip,
             blanksOf(v) >> skip);
        firstBlank = blankAt == std::string_view::npos ? i : blankAt;
        return {to, kept};
    }
#endif
    return restWithoutBlanks(line, i, kept, blankAt, to, firstBlank);
}

#if defined(__SSE2__)
namespace {

// For each 8-bit mask of bytes to keep: the positions of its kept bytes in
// order, then "none" (0x80, which a shuffle turns into a zero byte), and
// their number. kKeepHigh takes the same from the high eight of 16 bytes.
struct KeepTables {
    std::array<std::array<std::uint8_t, 8>, 256> low{};
    std::array<std::array<std::uint8_t, 8>, 256> high{};
    std::array<std::uint8_t, 256> count{};
};

constexpr KeepTables makeKeepTables() {
    KeepTables tables;
    for (unsigned mask = 0; mask < 256; ++mask) {
        unsigned k = 0;
        for (unsigned bit = 0; bit < 8; ++bit) {
            if (((mask >> bit) & 1U) != 0) {
                tables.low[mask][k] = static_cast<std::uint8_t>(bit);
                tables.high[mask][k] = static_cast<std::uint8_t>(bit + 8);
                ++k;
            }
        }
        tables.count[mask] = static_cast<std::uint8_t>(k);
        for (; k < 8; ++k) {
            tables.low[mask][k] = 0x80;
            tables.high[mask][k] = 0x80;
        }
    }
    return tables;
}

constexpr KeepTables kKeep = makeKeepTables();

// The bytes of v whose bits are set in keep16, in order, written to to at
// kept as two eight-byte pieces (the writes reach up to 16 bytes past it).
// Returns the new end.
__attribute__((target("ssse3"), always_inline)) inline std::size_t packKept(char* to,
                                                                            std::size_t kept,
                                                                            __m128i v,
                                                                            unsigned keep16) {
    const unsigned low = keep16 & 0xFFU;
    const unsigned high = keep16 >> 8;
    const __m128i order = _mm_unpacklo_epi64(
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kKeep.low[low].data())),
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kKeep.high[high].data())));
    const __m128i packed = _mm_shuffle_epi8(v, order);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to + kept), packed);
    kept += kKeep.count[low];
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to + kept), _mm_unpackhi_epi64(packed, packed));
    return kept + kKeep.count[high];
}

// codeWithoutBlanks for a line of 16 to 64 bytes with the byte shuffle of
// SSSE3 and the bit count of POPCNT, in one pass over its 16-byte pieces:
// each is packed without its blanks by two table shuffles (or written whole
// when it has none) while its dashes and blanks are gathered as 64-bit
// masks. Where a comment turns out to start, the code ends; the bytes packed
// after it lie past the code's end in the buffer and are not counted.
__attribute__((target("ssse3,popcnt"))) std::string_view shortCodeWithoutBlanksByShuffles(
    std::string_view line, char* to, std::size_t& firstBlank) {
    const char* const from = line.data();
    const std::size_t n = line.size();
    if (from[0] == '-' && from[1] == '-') {
        // A comment line: nothing to pack.
        firstBlank = 0;
        return {to, 0};
    }
    const __m128i dash = _mm_set1_epi8('-');
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i tab = _mm_set1_epi8('\t');
    std::uint64_t dashes = 0;
    std::uint64_t blanks = 0;
    std::size_t kept = 0;
    auto masksOf = [&](__m128i v, unsigned& dashBits, unsigned& blankBits) {
        dashBits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, dash)));
        blankBits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, space), _mm_cmpeq_epi8(v, tab))));
    };
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        unsigned dashBits = 0;
        unsigned blankBits = 0;
        masksOf(v, dashBits, blankBits);
        dashes |= std::uint64_t{dashBits} << i;
        blanks |= std::uint64_t{blankBits} << i;
        if (blankBits == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + kept), v);
            kept += 16;
        } else {
            kept = packKept(to, kept, v, ~blankBits & 0xFFFFU);
        }
    }
    if (i < n) {
        // The last 16 of the line, without those already taken: every load
        // lies inside the line.
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + n - 16));
        const auto skip = static_cast<unsigned>(16 - (n - i));
        unsigned dashBits = 0;
        unsigned blankBits = 0;
        masksOf(v, dashBits, blankBits);
        dashes |= std::uint64_t{dashBits >> skip} << i;
        blanks |= std::uint64_t{blankBits >> skip} << i;
        kept = packKept(to, kept, v, ~blankBits & (0xFFFFU << skip) & 0xFFFFU);
    }
    const std::uint64_t comments = dashes & (dashes >> 1);
    if (comments == 0) {
        firstBlank = blanks != 0 ? static_cast<std::size_t>(std::countr_zero(blanks)) : n;
        return {to, kept};
    }
    // A comment starts at least two bytes before the end, so code < 63.
    const auto code = static_cast<std::size_t>(std::countr_zero(comments));
    const std::uint64_t codeBlanks = blanks & ((std::uint64_t{1} << code) - 1);
    firstBlank = codeBlanks != 0 ? static_cast<std::size_t>(std::countr_zero(codeBlanks)) : code;
    return {to, code - static_cast<std::size_t>(__builtin_popcountll(codeBlanks))};
}

// The buffer grown, then the short line packed: kept out of line, as a
// buffer kept from line to line seldom grows, so that the usual way makes
// no call that needs registers saved.
__attribute__((noinline)) std::string_view growThenPack(std::string_view line,
                                                        std::vector<char>& buffer,
                                                        std::size_t& firstBlank) {
    buffer.resize(line.size() + 16);
    return shortCodeWithoutBlanksByShuffles(line, buffer.data(), firstBlank);
}

// Asked once, before main; the processor's features are read first, as
// they may not be yet while static objects are made.
const bool kHasShuffles = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3") != 0 && __builtin_cpu_supports("popcnt") != 0;
}();

}  // namespace
#endif

std::string_view codeWithoutBlanks(std::string_view line, std::vector<char>& buffer,
                                   std::size_t& firstBlank) {
#if defined(__SSE2__)
    if (line.size() >= 16 && line.size() <= 64 && kHasShuffles) {
        if (buffer.size() < line.size() + 16) {
            return growThenPack(line, buffer, firstBlank);
        }
        return shortCodeWithoutBlanksByShuffles(line, buffer.data(), firstBlank);
    }
#endif
    return codeWithoutBlanksWide(line, buffer, firstBlank);
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
