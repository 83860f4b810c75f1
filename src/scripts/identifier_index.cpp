#include "scripts/identifier_index.h"

#include <algorithm>
#include <bit>

#include "scripts/word_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tg {

namespace {

// A cheap hash of a run: its length and its first, middle and last bytes,
// mixed by one multiplication whose high bits are used.
std::uint32_t hashOf(std::string_view run) {
    const auto front = static_cast<unsigned char>(run.front());
    const auto back = static_cast<unsigned char>(run.back());
    const auto middle = static_cast<unsigned char>(run[run.size() / 2]);
    const std::uint32_t h = (static_cast<std::uint32_t>(run.size()) << 24) |
                            (std::uint32_t{front} << 16) | (std::uint32_t{middle} << 8) | back;
    return h * 0x9E3779B1u;
}

}  // namespace

__attribute__((always_inline)) inline std::size_t IdentifierIndex::entryOf(
    std::string_view run) const {
    const std::size_t mask = entries_.size() - 1;
    std::size_t e = hashOf(run) >> entryShift_;
    while (!entries_[e].identifier.empty() &&
           (entries_[e].identifier.size() != run.size() ||
            !word::sameBytes(entries_[e].identifier.data(), run.data(), run.size()))) {
        e = (e + 1) & mask;
    }
    return e;
}

__attribute__((always_inline)) inline std::uint32_t IdentifierIndex::gramBitOf(
    std::uint32_t gram) const {
    // The high bits of a 64-bit product: every byte of the gram moves them.
    return static_cast<std::uint32_t>((gram * std::uint64_t{0x9E3779B97F4A7C15}) >>
                                      (64 - kGramBits));
}

// Whether a run that is no identifier whole may still hold one: whether an
// identifier starts with the gram at some place in it and is short enough to
// fit from there, yet shorter than the run (at place 0 it would be the run).
// Only the places that leave room for the shortest identifier are looked at;
// the gram is rolled on one byte at a time.
bool IdentifierIndex::mayHoldAnother(std::string_view run) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(run.data());
    const std::size_t n = run.size();
    const std::uint32_t keep = (std::uint32_t{1} << (8 * gramLength_)) - 1;
    std::uint32_t gram = 0;
    for (std::size_t i = 0; i < gramLength_; ++i) {
        gram = (gram << 8) | bytes[i];
    }
    if (shortestFrom_[gramBitOf(gram)] < n) {
        return true;
    }
    for (std::size_t p = 1; p + shortest_ <= n; ++p) {
        gram = ((gram << 8) | bytes[p + gramLength_ - 1]) & keep;
        if (shortestFrom_[gramBitOf(gram)] + p <= n) {
            return true;
        }
    }
    return false;
}

IdentifierIndex::IdentifierIndex(std::span<const std::string_view> identifiers)
    : set_(identifiers) {
    const std::size_t count = std::min(identifiers.size(), PatternSet::kMaxPatterns);
    std::size_t bits = 4;
    while ((std::size_t{1} << bits) < 2 * count) {
        ++bits;
    }
    entries_.resize(std::size_t{1} << bits);
    entryShift_ = 32 - static_cast<int>(bits);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view id = identifiers[i];
        if (id.empty()) {
            continue;
        }
        shortest_ = shortest_ == 0 ? id.size() : std::min(shortest_, id.size());
        for (char c : id) {
            inRun_[static_cast<unsigned char>(c)] = true;
        }
        std::size_t e = entryOf(id);
        if (entries_[e].identifier.empty()) {  // a repeated identifier keeps its first entry
            entries_[e] = Entry{id, set_.occurring(id), static_cast<int>(i)};
        }
    }
    gramLength_ = std::min<std::size_t>(shortest_, 3);
    shortestFrom_.fill(255);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view id = identifiers[i];
        if (id.empty()) {
            continue;
        }
        std::uint32_t gram = 0;
        for (std::size_t k = 0; k < gramLength_; ++k) {
            gram = (gram << 8) | static_cast<unsigned char>(id[k]);
        }
        std::uint8_t& shortest = shortestFrom_[gramBitOf(gram)];
        shortest = static_cast<std::uint8_t>(std::min<std::size_t>(shortest, id.size()));
    }
    // The bytes of runs as ranges, for runBits.
    std::size_t ranges = 0;
    for (std::size_t b = 0; b < inRun_.size();) {
        if (!inRun_[b]) {
            ++b;
            continue;
        }
        std::size_t end = b;
        while (end + 1 < inRun_.size() && inRun_[end + 1]) {
            ++end;
        }
        if (ranges == kMaxRanges || end - b == 255) {
            ranges = 0;  // too many, or every byte: each byte is looked at alone
            break;
        }
        rangeShift_[ranges].bytes.fill(static_cast<std::uint8_t>(0x80 - b));
        rangeBelow_[ranges].bytes.fill(static_cast<std::uint8_t>(end - b - 127));
        ++ranges;
        b = end + 1;
    }
    rangeCount_ = ranges;
}

std::uint64_t IdentifierIndex::runBitsPlain(std::string_view text) const {
    const std::size_t n = std::min<std::size_t>(text.size(), 64);
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < n; ++i) {
        bits |= std::uint64_t{inRun_[static_cast<unsigned char>(text[i])]} << i;
    }
    return bits;
}

#if defined(__SSE2__)
// runBits for texts of 16 bytes and more with the given number of ranges.
// A byte b is in the range [first, first + width] when b - first, wrapping,
// is at most width as an unsigned byte; with 128 taken off both sides (b +
// 0x80 - first against width - 128) that is one signed compare, x < width -
// 127. The ranges are held in registers for the whole text.
template <std::size_t Ranges>
__attribute__((always_inline)) inline std::uint64_t IdentifierIndex::runBitsOfRanges(
    std::string_view text) const {
    static_assert(Ranges >= 1 && Ranges <= kMaxRanges);
    const std::size_t n = std::min<std::size_t>(text.size(), 64);
    auto load = [](const Bytes16& b) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(b.bytes.data()));
    };
    // Unused ranges repeat the first, which changes nothing.
    const __m128i shift0 = load(rangeShift_[0]);
    const __m128i below0 = load(rangeBelow_[0]);
    const __m128i shift1 = load(rangeShift_[Ranges > 1 ? 1 : 0]);
    const __m128i below1 = load(rangeBelow_[Ranges > 1 ? 1 : 0]);
    const __m128i shift2 = load(rangeShift_[Ranges > 2 ? 2 : 0]);
    const __m128i below2 = load(rangeBelow_[Ranges > 2 ? 2 : 0]);
    const __m128i shift3 = load(rangeShift_[Ranges > 3 ? 3 : 0]);
    const __m128i below3 = load(rangeBelow_[Ranges > 3 ? 3 : 0]);
    auto bitsAt = [=](const char* at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        __m128i inside = _mm_cmplt_epi8(_mm_add_epi8(v, shift0), below0);
        if constexpr (Ranges > 1) {
            inside = _mm_or_si128(inside, _mm_cmplt_epi8(_mm_add_epi8(v, shift1), below1));
        }
        if constexpr (Ranges > 2) {
            inside = _mm_or_si128(inside, _mm_cmplt_epi8(_mm_add_epi8(v, shift2), below2));
        }
        if constexpr (Ranges > 3) {
            inside = _mm_or_si128(inside, _mm_cmplt_epi8(_mm_add_epi8(v, shift3), below3));
        }
        return std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(inside))};
    };
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        bits |= bitsAt(text.data() + i) << i;
    }
    // The last bytes with the 16 that end there, some classified twice.
    if (i < n) {
        bits |= bitsAt(text.data() + n - 16) << (n - 16);
    }
    return bits;
}
#endif

std::uint64_t IdentifierIndex::runBits(std::string_view text) const {
#if defined(__SSE2__)
    if (text.size() >= 16) {
        switch (rangeCount_) {
            case 1:
                return runBitsOfRanges<1>(text);
            case 2:
                return runBitsOfRanges<2>(text);
            case 3:
                return runBitsOfRanges<3>(text);
            case 4:
                return runBitsOfRanges<4>(text);
            default:
                break;
        }
    }
#endif
    return runBitsPlain(text);
}

// The identifiers occurring in a run that is no identifier whole; kept out
// of line, away from the usual way through firstSlotIn.
__attribute__((noinline)) std::uint64_t IdentifierIndex::occurringInOther(
    std::string_view run) const {
    return mayHoldAnother(run) ? set_.occurring(run) : 0;
}

// The identifiers occurring in a run; wholeSlot is the slot of the run
// itself when it is an identifier whole, otherwise left alone.
__attribute__((always_inline)) inline std::uint64_t IdentifierIndex::occurringInRun(
    std::string_view run, int& wholeSlot) const {
    if (run.size() < shortest_) {
        return 0;
    }
    const Entry& entry = entries_[entryOf(run)];
    if (entry.identifier.empty()) {
        return occurringInOther(run);
    }
    wholeSlot = entry.slot;
    return entry.occurring;
}

int IdentifierIndex::firstSlotIn(std::string_view text) const {
    std::size_t at = 0;
    return firstSlotIn(text, at);
}

namespace {

// The first slot of found, and in at where its identifier was seen when it
// is the lowest slot seen as a whole run (at wholeAt).
__attribute__((always_inline)) inline int firstOf(std::uint64_t found, int wholeSlot,
                                                  std::size_t wholeAt, std::size_t& at) {
    if (found == 0) {
        return -1;
    }
    const int slot = std::countr_zero(found);
    if (slot == wholeSlot) {
        at = wholeAt;
    }
    return slot;
}

}  // namespace

// firstSlotIn for texts longer than 64 bytes (few lines are), byte by byte;
// kept out of line so that the usual way needs fewer registers.
__attribute__((noinline)) int IdentifierIndex::firstSlotInLong(std::string_view text,
                                                               std::size_t& at) const {
    std::uint64_t found = 0;
    int wholeSlot = static_cast<int>(PatternSet::kMaxPatterns);
    std::size_t wholeAt = std::string_view::npos;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !inRun_[static_cast<unsigned char>(text[i])]) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && inRun_[static_cast<unsigned char>(text[i])]) {
            ++i;
        }
        if (i > start) {
            int slot = wholeSlot;
            found |= occurringInRun(text.substr(start, i - start), slot);
            if (slot < wholeSlot) {
                wholeSlot = slot;
                wholeAt = start;
            }
        }
    }
    return firstOf(found, wholeSlot, wholeAt, at);
}

int IdentifierIndex::firstSlotIn(std::string_view text, std::size_t& at) const {
    at = std::string_view::npos;
    if (shortest_ == 0 || text.size() < shortest_) {
        return -1;
    }
    if (text.size() > 64) {
        return firstSlotInLong(text, at);
    }
    // Most lines: the bytes in runs as one bit each, so that runs too short
    // to hold an identifier are dropped without a branch per byte. The
    // game's tables make three ranges, taken here without a call.
    const std::uint64_t inRun =
#if defined(__SSE2__)
        rangeCount_ == 3 && text.size() >= 16 ? runBitsOfRanges<3>(text) :
#endif
                                              runBits(text);
    // Bit i of longEnough: bytes i to i + shortest_ - 1 are all in runs.
    // The first three bytes without a loop (the game's tables start at
    // three).
    std::uint64_t longEnough = inRun;
    std::size_t k = 1;
    if (shortest_ >= 3) {
        longEnough &= (inRun >> 1) & (inRun >> 2);
        k = 3;
    }
    for (; k < shortest_; ++k) {
        longEnough &= inRun >> k;
    }
    std::uint64_t starts = inRun & ~(inRun << 1) & longEnough;
    std::uint64_t found = 0;
    // The lowest slot seen as a whole run, and where that run starts.
    int wholeSlot = static_cast<int>(PatternSet::kMaxPatterns);
    std::size_t wholeAt = std::string_view::npos;
    while (starts != 0) {
        const auto start = static_cast<std::size_t>(std::countr_zero(starts));
        starts &= starts - 1;
        const auto length = static_cast<std::size_t>(std::countr_one(inRun >> start));
        int slot = wholeSlot;
        found |= occurringInRun(std::string_view(text.data() + start, length), slot);
        if (slot < wholeSlot) {
            wholeSlot = slot;
            wholeAt = start;
        }
    }
    return firstOf(found, wholeSlot, wholeAt, at);
}

}  // namespace tg
