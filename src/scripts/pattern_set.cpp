#include "scripts/pattern_set.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "scripts/word_ops.h"

namespace tg {

namespace {

// The first `length` bytes (at most four) as one number, the first byte
// lowest, the same on any machine.
std::uint32_t gramOf(const char* p, std::size_t length) {
    std::uint32_t gram = 0;
    for (std::size_t k = 0; k < length; ++k) {
        gram |= std::uint32_t{static_cast<unsigned char>(p[k])} << (8 * k);
    }
    return gram;
}

template <std::size_t Length>
std::uint32_t gramAt(const char* p) {
    return gramOf(p, Length);
}

// gramOf(p, 4) as one load.
template <>
std::uint32_t gramAt<4>(const char* p) {
    std::uint32_t gram = 0;
    std::memcpy(&gram, p, sizeof gram);
    if constexpr (std::endian::native == std::endian::big) {
        gram = __builtin_bswap32(gram);
    }
    return gram;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The bits of a gram of `length` bytes.
constexpr std::uint32_t gramMask(std::size_t length) {
    return length >= 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * length)) - 1;
}

// Grams are at most four bytes (one load) and one byte shorter than the
// shortest pattern, so that the step is at least two for patterns of three
// bytes or more: a longer gram is rarer in a line and turns more positions
// away, a shorter one allows a wider step. For the setting keys (shortest
// "value") that is four-byte grams at every second position; for identifier
// tables with a three-letter identifier, two-byte grams at every second one.
constexpr std::size_t kLongestGram = 4;

}  // namespace

std::size_t PatternSet::slotOf(std::uint32_t gram) const {
    return static_cast<std::size_t>((gram * 0x9E3779B1u) >> slotShift_);
}

std::uint32_t PatternSet::filterBitOf(std::uint32_t gram) {
    return (gram * 0x85EBCA6Bu) >> 16;
}

std::uint32_t PatternSet::foldedGram(std::uint32_t gram) const {
    return (gram | fold_) & gramMask(gramLength_);
}

PatternSet::PatternSet(std::span<const std::string_view> patterns, LetterCase letterCase)
    : ignoreCase_(letterCase == LetterCase::Ignore), fold_(ignoreCase_ ? 0x20202020u : 0) {
    const std::size_t count = std::min(patterns.size(), kMaxPatterns);
    for (std::size_t i = 0; i < count; ++i) {
        patterns_.emplace_back(patterns[i]);
        if (ignoreCase_) {
            std::transform(patterns_.back().begin(), patterns_.back().end(),
                           patterns_.back().begin(), lowerAscii);
        }
        if (!patterns[i].empty()) {
            shortest_ =
                shortest_ == 0 ? patterns[i].size() : std::min(shortest_, patterns[i].size());
        }
    }
    gramLength_ = shortest_ <= 2 ? shortest_ : std::min(shortest_ - 1, kLongestGram);
    step_ = gramLength_ == 0 ? 1 : std::min(shortest_ - gramLength_ + 1, kMaxStep);

    // Every gram of every pattern at the offsets a sampled position can fall
    // on; the table is kept at most half full.
    std::size_t slotBits = 4;
    while ((std::size_t{1} << slotBits) < 2 * step_ * patterns_.size()) {
        ++slotBits;
    }
    slots_.resize(std::size_t{1} << slotBits);
    slotShift_ = 32 - slotBits;
    for (std::size_t i = 0; i < patterns_.size(); ++i) {
        const std::string& pattern = patterns_[i];
        if (pattern.empty()) {
            continue;
        }
        for (std::size_t d = 0; d < step_; ++d) {
            const std::uint32_t gram = foldedGram(gramOf(pattern.data() + d, gramLength_));
            const std::uint32_t bit = filterBitOf(gram);
            filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
            std::size_t s = slotOf(gram);
            while (slots_[s].used && slots_[s].gram != gram) {
                s = (s + 1) & (slots_.size() - 1);
            }
            slots_[s].used = true;
            slots_[s].gram = gram;
            slots_[s].at[d] |= std::uint64_t{1} << i;
        }
    }
}

bool PatternSet::matchesAt(const std::string& pattern, std::string_view text,
                           std::size_t start) const {
    if (pattern.size() > text.size() - start) {
        return false;
    }
    // The patterns are short: a plain loop beats a call to memcmp. Letters
    // are lowered when ignoring case (the gram matched only with bit 0x20
    // set, "[" and "{" alike), so every byte is compared either way.
    const char* at = text.data() + start;
    std::size_t k = 0;
    if (ignoreCase_) {
        while (k + 8 <= pattern.size() &&
               word::lower8(word::load8(at + k)) == word::load8(pattern.data() + k)) {
            k += 8;
        }
        while (k < pattern.size() && pattern[k] == lowerAscii(at[k])) {
            ++k;
        }
    } else {
        while (k < pattern.size() && pattern[k] == at[k]) {
            ++k;
        }
    }
    return k == pattern.size();
}

std::uint64_t PatternSet::lookUp(std::uint32_t gram, std::uint64_t found, std::string_view text,
                                 std::size_t pos) const {
    for (std::size_t s = slotOf(gram); slots_[s].used; s = (s + 1) & (slots_.size() - 1)) {
        if (slots_[s].gram != gram) {
            continue;
        }
        std::uint64_t more = 0;
        for (std::size_t d = 0; d < step_ && d <= pos; ++d) {
            std::uint64_t open = slots_[s].at[d] & ~(found | more);
            while (open != 0) {
                const int i = std::countr_zero(open);
                open &= open - 1;
                if (matchesAt(patterns_[static_cast<std::size_t>(i)], text, pos - d)) {
                    more |= std::uint64_t{1} << i;
                }
            }
        }
        return more;
    }
    return 0;
}

template <std::size_t Q>
std::uint64_t PatternSet::scan(std::string_view text) const {
    std::uint64_t found = 0;
    if (text.size() < shortest_) {
        return found;
    }
    const char* data = text.data();
    constexpr std::uint32_t kMask = gramMask(Q);
    const std::uint32_t fold = fold_ & kMask;
    // Four bytes are read at every sampled position that has them and cut to
    // Q; the last few positions read only Q.
    std::size_t pos = 0;
    for (; pos + 4 <= text.size(); pos += step_) {
        const std::uint32_t gram = (gramAt<4>(data + pos) & kMask) | fold;
        const std::uint32_t bit = filterBitOf(gram);
        if ((filter_[bit / 64] >> (bit % 64)) & 1U) {
            found |= lookUp(gram, found, text, pos);
        }
    }
    for (; pos + Q <= text.size(); pos += step_) {
        const std::uint32_t gram = gramAt<Q>(data + pos) | fold;
        const std::uint32_t bit = filterBitOf(gram);
        if ((filter_[bit / 64] >> (bit % 64)) & 1U) {
            found |= lookUp(gram, found, text, pos);
        }
    }
    return found;
}

std::uint64_t PatternSet::occurring(std::string_view text) const {
    switch (gramLength_) {
        case 1:
            return scan<1>(text);
        case 2:
            return scan<2>(text);
        case 3:
            return scan<3>(text);
        case 4:
            return scan<4>(text);
        default:
            return 0;
    }
}

}  // namespace tg
