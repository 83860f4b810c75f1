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
    // Keys that start with this many letters are found by sampling every
    // second, or every fourth, position.
    constexpr std::size_t kLeadForSecond = kGram + 2 - 1;
    constexpr std::size_t kLeadForFourth = kGram + 4 - 1;
    bool everySecond = true;
    bool everyFourth = true;
    std::size_t firstCount = 0;
    std::size_t secondCount = 0;
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
            everySecond = everySecond && key.lead >= kLeadForSecond;
            if (key.lead < kLeadForFourth) {
                // Looked for by its first two letters.
                auto add = [&](std::size_t base, std::size_t& used, char letter) {
                    for (std::size_t j = 0; j < used; ++j) {
                        if (pairLetters_.letter(base + j) == letter) {
                            return true;
                        }
                    }
                    if (used == kMaxMarked) {
                        return false;
                    }
                    pairLetters_.setLetter(base + used++, letter);
                    return true;
                };
                everyFourth = everyFourth && key.lead >= 2 && add(0, firstCount, key.lowered[0]) &&
                              add(kMaxMarked, secondCount, key.lowered[1]);
                shortKeys_ |= std::uint64_t{1} << i;
            }
        }
        keys_.push_back(std::move(key));
    }
    std::size_t step = 0;
    if (shortest_ == 0) {
        way_ = Way::Patterns;
    } else if (everyFourth) {
        way_ = Way::EveryFourth;
        step = 4;
    } else if (everySecond) {
        way_ = Way::EverySecond;
        step = 2;
    }
    if (way_ != Way::EveryFourth) {
        shortKeys_ = 0;
        pairLetters_ = PairLetters{};
    }
    // Each key by its grams at the offsets a sampled position can fall on;
    // with every fourth position, the short keys are not among them.
    gramEntries_.emplace_back();  // entry 0: no key
    for (std::size_t i = 0; i < keys_.size() && step != 0; ++i) {
        if (keys_[i].lowered.empty() || keys_[i].lead < kGram + step - 1) {
            continue;
        }
        for (std::size_t d = 0; d < step; ++d) {
            std::uint16_t& e = gramSlots_[slotOf(gramAt(keys_[i].lowered.data() + d))];
            if (e == 0) {
                e = static_cast<std::uint16_t>(gramEntries_.size());
                gramEntries_.emplace_back();
            }
            gramEntries_[e].at[d] |= std::uint64_t{1} << i;
            gramEntries_[e].offsets |= 1U << d;
        }
    }
    for (GramEntry& entry : gramEntries_) {
        if (std::has_single_bit(entry.offsets)) {
            const auto d = static_cast<std::size_t>(std::countr_zero(entry.offsets));
            if (std::has_single_bit(entry.at[d])) {
                entry.onlyKey = static_cast<std::uint8_t>(std::countr_zero(entry.at[d]));
                entry.onlyOffset = static_cast<std::uint8_t>(d);
            }
        }
    }
}

std::size_t LetterKeySet::slotOf(std::uint32_t gram) {
    return static_cast<std::size_t>((gram * 0x9E3779B1u) >> (32 - kSlotBits));
}

[[gnu::always_inline]] inline bool LetterKeySet::sameLetters(std::string_view text, std::size_t at,
                                                             const Key& key) {
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

LetterKeySet::Marks LetterKeySet::marksPlain(std::string_view text, std::size_t from,
                                             std::span<const char> firsts,
                                             std::span<const char> seconds) {
    Marks m;
    const std::size_t n = from >= text.size() ? 0 : std::min<std::size_t>(text.size() - from, 64);
    firsts = firsts.first(std::min(firsts.size(), kMaxMarked));
    seconds = seconds.first(std::min(seconds.size(), kMaxMarked));
    auto among = [](char c, std::span<const char> letters) {
        return isAsciiLetter(c) &&
               std::find(letters.begin(), letters.end(), lowerAscii(c)) != letters.end();
    };
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[from + i];
        m.letters |= std::uint64_t{isAsciiLetter(c)} << i;
        m.first |= std::uint64_t{among(c, firsts)} << i;
        m.second |= std::uint64_t{among(c, seconds)} << i;
    }
    return m;
}

template <bool Pairs>
[[gnu::always_inline]] inline LetterKeySet::Marks LetterKeySet::marksInline(
    std::string_view text, std::size_t from, const PairLetters& letters) {
#if defined(__SSE2__)
    const std::size_t n = from >= text.size() ? 0 : std::min<std::size_t>(text.size() - from, 64);
    if (text.size() >= 16 && n > 0) {
        // A letter with bit 0x20 set is one of "a" to "z": its distance from
        // "a", unsigned, is at most 25; and it is one of the letters wanted
        // (lowered) when it equals one of them.
        static_assert(kMaxMarked == 2);
        auto vectorOf = [&](std::size_t j) {
            return _mm_load_si128(reinterpret_cast<const __m128i*>(letters.bytes.data() + 16 * j));
        };
        const __m128i first0 = vectorOf(0);
        const __m128i first1 = vectorOf(1);
        const __m128i second0 = vectorOf(2);
        const __m128i second1 = vectorOf(3);
        const __m128i set = _mm_set1_epi8(0x20);
        const __m128i a = _mm_set1_epi8('a');
        const __m128i width = _mm_set1_epi8(25);
        Marks m;
        auto markAt = [&](std::size_t at, std::size_t skip, std::size_t to) {
            const __m128i v = _mm_or_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at)), set);
            const __m128i offset = _mm_sub_epi8(v, a);
            const __m128i in = _mm_cmpeq_epi8(_mm_min_epu8(offset, width), offset);
            auto bits = [&](__m128i mask) {
                return (std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(mask))} >> skip)
                       << to;
            };
            m.letters |= bits(in);
            if constexpr (Pairs) {
                m.first |= bits(_mm_or_si128(_mm_cmpeq_epi8(v, first0), _mm_cmpeq_epi8(v, first1)));
                m.second |=
                    bits(_mm_or_si128(_mm_cmpeq_epi8(v, second0), _mm_cmpeq_epi8(v, second1)));
            }
        };
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) {
            markAt(from + i, 0, i);
        }
        if (i < n) {
            // The last bytes with the 16 that end at the text's end (which
            // may start before from): the first 16 - (n - i) of them are
            // already known or not wanted.
            markAt(text.size() - 16, 16 - (n - i), i);
        }
        return m;
    }
#endif
    if constexpr (Pairs) {
        std::array<char, 2 * kMaxMarked> plain{};
        std::array<std::size_t, 2> used{};
        for (std::size_t j = 0; j < 2 * kMaxMarked; ++j) {
            if (letters.letter(j) != '\0') {
                plain[(j / kMaxMarked) * kMaxMarked + used[j / kMaxMarked]++] = letters.letter(j);
            }
        }
        return marksPlain(text, from, std::span<const char>(plain.data(), used[0]),
                          std::span<const char>(plain.data() + kMaxMarked, used[1]));
    } else {
        return marksPlain(text, from, {}, {});
    }
}

LetterKeySet::Marks LetterKeySet::marks(std::string_view text, std::size_t from,
                                        std::span<const char> firsts,
                                        std::span<const char> seconds) {
    PairLetters letters;
    for (std::size_t j = 0; j < std::min(firsts.size(), kMaxMarked); ++j) {
        letters.setLetter(j, firsts[j]);
    }
    for (std::size_t j = 0; j < std::min(seconds.size(), kMaxMarked); ++j) {
        letters.setLetter(kMaxMarked + j, seconds[j]);
    }
    return marksInline<true>(text, from, letters);
}

inline std::uint64_t LetterKeySet::lettersFrom(std::string_view text, std::size_t from) {
    return marksInline<false>(text, from, {}).letters;
}

std::uint64_t LetterKeySet::letterBits(std::string_view text, std::size_t from) {
    return lettersFrom(text, from);
}

template <std::size_t Step>
[[gnu::always_inline]] inline void LetterKeySet::tryAt(std::string_view text, std::size_t block,
                                                       std::uint64_t letters, std::size_t local,
                                                       Hits& hits) const {
    const std::size_t s = block + local;
    const std::uint16_t e = gramSlots_[slotOf(gramAt(text.data() + s))];
    if (e == 0) {
        return;
    }
    const GramEntry& entry = gramEntries_[e];
    // With every second position, a key can only stand at "at" where the
    // letters from there reach its end (a key of letters only) or end just
    // where its letters end: most keys named by the gram are ruled out by
    // the run of letters alone. The end of the run from s is known from the
    // letters of the block unless the run reaches its last byte; bits past
    // the text's end are clear, so a run that reaches it there ends with
    // the text. (With every fourth the grams name few keys that do not
    // stand there, and comparing them costs less than the run.)
    auto ruledOut = [&](const Key& key, std::size_t at) {
        if constexpr (Step == 2) {
            const std::uint64_t rest = ~letters >> local;
            if (rest == 0 && text.size() - block > 64) {
                return false;
            }
            const std::size_t runEnd =
                rest != 0 ? s + static_cast<std::size_t>(std::countr_zero(rest)) : block + 64;
            const std::size_t n = key.lowered.size();
            return key.whole ? runEnd - at < n : runEnd - at != key.lead;
        } else {
            (void)key;
            (void)at;
            return false;
        }
    };
    auto tryOffset = [&](std::size_t d) {
        std::uint64_t candidates = entry.at[d] & ~hits.found;
        const std::size_t at = s - d;
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            candidates &= candidates - 1;
            const Key& key = keys_[static_cast<std::size_t>(i)];
            if (key.lowered.size() > text.size() - at || ruledOut(key, at)) {
                continue;
            }
            if (sameLetters(text, at, key)) {
                hits.found |= std::uint64_t{1} << i;
                hits.placed |= std::uint64_t{1} << i;
                hits.at[static_cast<std::size_t>(i)] = at;
            }
        }
    };
    if constexpr (Step == 4) {
        // Mostly a gram names one key at one offset.
        if (entry.onlyKey != GramEntry::kNone) {
            const std::size_t i = entry.onlyKey;
            const std::size_t at = s - entry.onlyOffset;
            const Key& key = keys_[i];
            if (s >= entry.onlyOffset && ((hits.found >> i) & 1U) == 0 &&
                key.lowered.size() <= text.size() - at && sameLetters(text, at, key)) {
                hits.found |= std::uint64_t{1} << i;
                hits.placed |= std::uint64_t{1} << i;
                hits.at[i] = at;
            }
            return;
        }
    }
    // The largest offset first: an occurrence further back is the first.
    for (unsigned offsets = entry.offsets; offsets != 0;) {
        const auto d = static_cast<std::size_t>(std::bit_width(offsets) - 1);
        offsets &= ~(1U << d);
        if (s >= d) {
            tryOffset(d);
        }
    }
}

template <std::size_t Step>
[[gnu::always_inline]] inline void LetterKeySet::tryPositions(std::string_view text,
                                                              std::size_t block,
                                                              std::uint64_t letters,
                                                              std::uint64_t positions,
                                                              Hits& hits) const {
    while (positions != 0) {
        const auto s = static_cast<std::size_t>(std::countr_zero(positions));
        positions &= positions - 1;
        tryAt<Step>(text, block, letters, s, hits);
    }
}

[[gnu::always_inline]] inline void LetterKeySet::tryShort(std::string_view text, std::size_t block,
                                                          const Marks& m, std::uint64_t within,
                                                          Hits& hits) const {
    // Where the first two letters of a short key may stand, in order: the
    // first place where a key follows is its first occurrence.
    std::uint64_t places = m.first & (m.second >> 1) & within;
    while (places != 0 && (shortKeys_ & ~hits.found) != 0) {
        const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(places));
        places &= places - 1;
        std::uint64_t keys = shortKeys_ & ~hits.found;
        while (keys != 0) {
            const auto i = static_cast<std::size_t>(std::countr_zero(keys));
            keys &= keys - 1;
            const Key& key = keys_[i];
            if (key.lowered.size() <= text.size() - at && sameLetters(text, at, key)) {
                hits.found |= std::uint64_t{1} << i;
                hits.placed |= std::uint64_t{1} << i;
                hits.at[i] = at;
            }
        }
    }
}

// Positions are taken 56 at a time in texts longer than 64 bytes, so that
// the letters that follow each (up to seven) lie in the same 64.
constexpr std::size_t kStride = 56;
constexpr std::uint64_t kInStride = (std::uint64_t{1} << kStride) - 1;

void LetterKeySet::occurringEverySecond(std::string_view text, Hits& hits) const {
    // Only even positions s are looked at, and only those where four letters
    // start that belong to a run of five or more (the letters at s to s + 3,
    // and at s + 4 or s - 1): any key, starting with five letters, covers
    // such a position at its offset 0 or 1. The four letters there name, by
    // the gram table, the keys that hold them at either offset (almost
    // always none), and those are compared whole. Positions are taken in
    // order, so a key is first found, and placed, where it first occurs.
    constexpr std::uint64_t kEven = 0x5555555555555555ULL;
    if (text.size() <= 64) {
        // One block: no position needs the letters of a next one.
        const std::uint64_t l = lettersFrom(text, 0);
        const std::uint64_t four = l & (l >> 1) & (l >> 2) & (l >> 3);
        tryPositions<2>(text, 0, l, four & ((l >> 4) | (l << 1)) & kEven, hits);
        return;
    }
    bool letterBefore = false;
    for (std::size_t block = 0; block < text.size(); block += kStride) {
        const std::uint64_t l = letterBits(text, block);
        const std::uint64_t four = l & (l >> 1) & (l >> 2) & (l >> 3);
        const std::uint64_t before = (l << 1) | std::uint64_t{letterBefore};
        tryPositions<2>(text, block, l, four & ((l >> 4) | before) & kEven & kInStride, hits);
        letterBefore = ((l >> (kStride - 1)) & 1U) != 0;
    }
}

void LetterKeySet::occurringEveryFourth(std::string_view text, Hits& hits) const {
    // Only positions s that are multiples of four are looked at, and only
    // those in the first four of a run of seven letters or more: any key
    // that starts with seven letters covers such a position at an offset
    // of 0 to 3 (and no other), so the four letters there name, by the gram
    // table, the keys to compare whole. A key is first found, and placed,
    // where it first occurs: positions are taken in order, and at each the
    // larger offsets (the earlier places) first.
    constexpr std::uint64_t kFourth = 0x1111111111111111ULL;
    auto runsOfSeven = [](std::uint64_t l) {
        const std::uint64_t two = l & (l >> 1);
        const std::uint64_t four = two & (two >> 2);
        return four & (two >> 4) & (l >> 6);
    };
    auto covered = [](std::uint64_t run) {
        const std::uint64_t two = run | (run << 1);
        return two | (two << 2);
    };
    if (text.size() <= 64) {
        const Marks m = marksInline<true>(text, 0, pairLetters_);
        tryPositions<4>(text, 0, m.letters, covered(runsOfSeven(m.letters)) & kFourth, hits);
        tryShort(text, 0, m, ~std::uint64_t{0}, hits);
        return;
    }
    // The runs of seven that start in the last three positions of a block
    // cover the first positions of the next.
    std::uint64_t runsBefore = 0;
    for (std::size_t block = 0; block < text.size(); block += kStride) {
        const Marks m = marksInline<true>(text, block, pairLetters_);
        const std::uint64_t runs = runsOfSeven(m.letters);
        const std::uint64_t positions = (covered(runs) | (covered(runsBefore) >> 3)) & kFourth;
        tryPositions<4>(text, block, m.letters, positions & kInStride, hits);
        tryShort(text, block, m, kInStride, hits);
        runsBefore = (runs >> (kStride - 3)) & 7U;
    }
}

void LetterKeySet::occurring(std::string_view text, Hits& hits) const {
    hits.found = 0;
    hits.placed = 0;
    switch (way_) {
        case Way::EveryFourth:
            occurringEveryFourth(text, hits);
            return;
        case Way::EverySecond:
            occurringEverySecond(text, hits);
            return;
        case Way::Patterns:
            break;
    }
    hits.found = set_.occurring(text);
}

std::uint64_t LetterKeySet::occurring(std::string_view text) const {
    Hits hits;
    occurring(text, hits);
    return hits.found;
}

}  // namespace tg
