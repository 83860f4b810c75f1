#include "scripts/letter_keys.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "scripts/word_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tg {

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The four bytes at p with bit 0x20 set (letters lowered), the first lowest.
std::uint32_t gramAt(const char* p) {
    std::uint32_t gram = 0;
    std::memcpy(&gram, p, sizeof gram);
    if constexpr (std::endian::native == std::endian::big) {
        gram = __builtin_bswap32(gram);
    }
    return gram | 0x20202020u;
}

}  // namespace

LetterKeySet::LetterKeySet(std::span<const std::string_view> keys)
    : set_(keys, PatternSet::LetterCase::Ignore) {
    const std::size_t count = std::min(keys.size(), PatternSet::kMaxPatterns);
    sampled_ = true;
    for (std::size_t i = 0; i < count; ++i) {
        Key key;
        key.lowered = std::string(keys[i]);
        std::transform(key.lowered.begin(), key.lowered.end(), key.lowered.begin(), lowerAscii);
        const std::size_t n = key.lowered.size();
        for (std::size_t k = 0; k < std::min<std::size_t>(n, 8); ++k) {
            key.head |= std::uint64_t{static_cast<unsigned char>(key.lowered[k])} << (8 * k);
            key.headMask |= std::uint64_t{0xFF} << (8 * k);
        }
        key.lead = static_cast<std::size_t>(
            std::find_if_not(key.lowered.begin(), key.lowered.end(), isAsciiLetter) -
            key.lowered.begin());
        key.whole = key.lead == n;
        if (n != 0) {
            shortest_ = shortest_ == 0 ? n : std::min(shortest_, n);
            sampled_ = sampled_ && key.lead >= kLeadingLetters;
        }
        keys_.push_back(std::move(key));
    }
    sampled_ = sampled_ && shortest_ != 0;
    // Each key by its grams at the offsets a sampled position can fall on.
    gramEntries_.emplace_back();  // entry 0: no key
    for (std::size_t i = 0; i < keys_.size() && sampled_; ++i) {
        if (keys_[i].lowered.empty()) {
            continue;
        }
        for (std::size_t d = 0; d < kStep; ++d) {
            std::uint8_t& e = gramSlots_[slotOf(gramAt(keys_[i].lowered.data() + d))];
            if (e == 0) {
                e = static_cast<std::uint8_t>(gramEntries_.size());
                gramEntries_.emplace_back();
            }
            gramEntries_[e].at[d] |= std::uint64_t{1} << i;
        }
    }
}

std::size_t LetterKeySet::slotOf(std::uint32_t gram) {
    return static_cast<std::size_t>((gram * 0x9E3779B1u) >> (32 - kSlotBits));
}

bool LetterKeySet::sameLetters(std::string_view text, std::size_t at, const Key& key) {
    // The key's letters are lowered; so are those of the text, eight at a
    // time where eight bytes are there to load: the first eight (or fewer,
    // masked) by the key's head word, the rest overlapping the ones before.
    const std::size_t n = key.lowered.size();
    const char* p = text.data() + at;
    if (text.size() - at >= 8) {
        if (((word::lower8(word::load8(p)) ^ key.head) & key.headMask) != 0) {
            return false;
        }
        for (std::size_t k = 8; k < n; k += 8) {
            const std::size_t from = std::min(k, n - 8);
            if (word::lower8(word::load8(p + from)) != word::load8(key.lowered.data() + from)) {
                return false;
            }
        }
        return true;
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (lowerAscii(p[k]) != key.lowered[k]) {
            return false;
        }
    }
    return true;
}

std::uint64_t LetterKeySet::letterBitsPlain(std::string_view text, std::size_t from) {
    const std::size_t n = from >= text.size() ? 0 : std::min<std::size_t>(text.size() - from, 64);
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < n; ++i) {
        bits |= std::uint64_t{isAsciiLetter(text[from + i])} << i;
    }
    return bits;
}

inline std::uint64_t LetterKeySet::lettersFrom(std::string_view text, std::size_t from) {
#if defined(__SSE2__)
    const std::size_t n = from >= text.size() ? 0 : std::min<std::size_t>(text.size() - from, 64);
    if (text.size() >= 16 && n > 0) {
        // A letter with bit 0x20 set is one of "a" to "z": its distance from
        // "a", unsigned, is at most 25.
        const __m128i set = _mm_set1_epi8(0x20);
        const __m128i a = _mm_set1_epi8('a');
        const __m128i width = _mm_set1_epi8(25);
        auto bitsAt = [&](std::size_t at) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
            const __m128i offset = _mm_sub_epi8(_mm_or_si128(v, set), a);
            const __m128i in = _mm_cmpeq_epi8(_mm_min_epu8(offset, width), offset);
            return std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(in))};
        };
        std::uint64_t bits = 0;
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) {
            bits |= bitsAt(from + i) << i;
        }
        if (i < n) {
            // The last bytes with the 16 that end at the text's end (which
            // may start before from): the first 16 - (n - i) of them are
            // already known or not wanted.
            const std::size_t skip = 16 - (n - i);
            bits |= (bitsAt(text.size() - 16) >> skip) << i;
        }
        return bits;
    }
#endif
    return letterBitsPlain(text, from);
}

std::uint64_t LetterKeySet::letterBits(std::string_view text, std::size_t from) {
    return lettersFrom(text, from);
}

inline void LetterKeySet::tryAt(std::string_view text, std::size_t block, std::uint64_t letters,
                                std::size_t local, Hits& hits) const {
    const std::size_t s = block + local;
    const std::uint8_t e = gramSlots_[slotOf(gramAt(text.data() + s))];
    if (e == 0) {
        return;
    }
    const GramEntry& entry = gramEntries_[e];
    // The end of the run of letters from s is known from the letters of
    // the block unless the run reaches its last byte; bits past the text's
    // end are clear, so a run that reaches it there ends with the text.
    const std::uint64_t rest = ~letters >> local;
    const bool runKnown = rest != 0 || text.size() - block <= 64;
    const std::size_t runEnd =
        rest != 0 ? s + static_cast<std::size_t>(std::countr_zero(rest)) : block + 64;
    // A key can only stand at "at" where the letters from there reach its
    // end (a key of letters only) or end just where its letters end: most
    // keys named by the gram are ruled out by the run of letters alone.
    auto tryOffset = [&](std::size_t d) {
        std::uint64_t candidates = entry.at[d] & ~hits.found;
        const std::size_t at = s - d;
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            candidates &= candidates - 1;
            const Key& key = keys_[static_cast<std::size_t>(i)];
            const std::size_t n = key.lowered.size();
            if (n > text.size() - at) {
                continue;
            }
            if (runKnown && (key.whole ? runEnd - at < n : runEnd - at != key.lead)) {
                continue;
            }
            if (sameLetters(text, at, key)) {
                hits.found |= std::uint64_t{1} << i;
                hits.placed |= std::uint64_t{1} << i;
                hits.at[static_cast<std::size_t>(i)] = at;
            }
        }
    };
    // The offset 1 first: an occurrence one byte earlier is the first.
    static_assert(kStep == 2);
    if (s > 0) {
        tryOffset(1);
    }
    tryOffset(0);
}

void LetterKeySet::occurring(std::string_view text, Hits& hits) const {
    hits.found = 0;
    hits.placed = 0;
    if (!sampled_) {
        hits.found = set_.occurring(text);
        return;
    }
    // Only even positions s are looked at, and only those where four letters
    // start that belong to a run of five or more (the letters at s to s + 3,
    // and at s + 4 or s - 1): any key, starting with five letters, covers
    // such a position at its offset 0 or 1. The four letters there name, by
    // the gram table, the keys that hold them at either offset (almost
    // always none), and those are compared whole. Positions are taken in
    // order, so a key is first found, and placed, where it first occurs.
    //
    // The letters are found 64 bytes at a time.
    constexpr std::uint64_t kEven = 0x5555555555555555ULL;
    auto tryAll = [&](std::size_t block, std::uint64_t l, std::uint64_t sampled) {
        while (sampled != 0) {
            const auto s = static_cast<std::size_t>(std::countr_zero(sampled));
            sampled &= sampled - 1;
            tryAt(text, block, l, s, hits);
        }
    };
    if (text.size() <= 64) {
        // One block: no position needs the letters of a next one.
        const std::uint64_t l = lettersFrom(text, 0);
        const std::uint64_t four = l & (l >> 1) & (l >> 2) & (l >> 3);
        tryAll(0, l, four & ((l >> 4) | (l << 1)) & kEven);
        return;
    }
    // Positions are taken 56 at a time, so that the five letters from each
    // lie in the same 64.
    constexpr std::size_t kStride = 56;
    bool letterBefore = false;
    for (std::size_t block = 0; block < text.size(); block += kStride) {
        const std::uint64_t l = letterBits(text, block);
        const std::uint64_t four = l & (l >> 1) & (l >> 2) & (l >> 3);
        const std::uint64_t before = (l << 1) | std::uint64_t{letterBefore};
        tryAll(block, l, four & ((l >> 4) | before) & kEven & ((std::uint64_t{1} << kStride) - 1));
        letterBefore = ((l >> (kStride - 1)) & 1U) != 0;
    }
}

std::uint64_t LetterKeySet::occurring(std::string_view text) const {
    Hits hits;
    occurring(text, hits);
    return hits.found;
}

}  // namespace tg
