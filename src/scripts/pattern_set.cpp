#include "scripts/pattern_set.h"

#include <algorithm>
#include <bit>

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

}  // namespace

std::size_t PatternSet::slotOf(std::uint32_t gram) {
    return static_cast<std::size_t>((gram * 0x9E3779B1u) >> 24);
}

std::uint32_t PatternSet::filterBitOf(std::uint32_t gram) {
    return (gram * 0x85EBCA6Bu) >> 16;
}

PatternSet::PatternSet(std::span<const std::string_view> patterns) {
    const std::size_t count = std::min(patterns.size(), kMaxPatterns);
    for (std::size_t i = 0; i < count; ++i) {
        patterns_.emplace_back(patterns[i]);
        if (!patterns[i].empty()) {
            gramLength_ =
                gramLength_ == 0 ? patterns[i].size() : std::min(gramLength_, patterns[i].size());
        }
    }
    gramLength_ = std::min<std::size_t>(gramLength_, 4);
    for (std::size_t i = 0; i < patterns_.size(); ++i) {
        if (patterns_[i].empty()) {
            continue;
        }
        const std::uint32_t gram = gramOf(patterns_[i].data(), gramLength_);
        const std::uint32_t bit = filterBitOf(gram);
        filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
        std::size_t s = slotOf(gram);
        // At most 64 grams in 256 slots: there is always a free one.
        while (slots_[s].patterns != 0 && slots_[s].gram != gram) {
            s = (s + 1) % kSlots;
        }
        slots_[s].gram = gram;
        slots_[s].patterns |= std::uint64_t{1} << i;
    }
}

std::uint64_t PatternSet::verify(std::uint64_t candidates, std::string_view rest) const {
    std::uint64_t found = 0;
    while (candidates != 0) {
        const int i = std::countr_zero(candidates);
        candidates &= candidates - 1;
        const std::string& pattern = patterns_[static_cast<std::size_t>(i)];
        if (pattern.size() > rest.size()) {
            continue;
        }
        // The patterns are short: a plain loop beats a call to memcmp.
        std::size_t k = gramLength_;
        while (k < pattern.size() && pattern[k] == rest[k]) {
            ++k;
        }
        if (k == pattern.size()) {
            found |= std::uint64_t{1} << i;
        }
    }
    return found;
}

std::uint64_t PatternSet::lookUp(std::uint32_t gram, std::uint64_t found,
                                 std::string_view rest) const {
    for (std::size_t s = slotOf(gram); slots_[s].patterns != 0; s = (s + 1) % kSlots) {
        if (slots_[s].gram == gram) {
            // The first gramLength_ bytes of these patterns are equal to rest's.
            const std::uint64_t open = slots_[s].patterns & ~found;
            return open == 0 ? 0 : verify(open, rest);
        }
    }
    return 0;
}

template <std::size_t Q>
std::uint64_t PatternSet::scan(std::string_view text) const {
    std::uint64_t found = 0;
    if (text.size() < Q) {
        return found;
    }
    const char* data = text.data();
    const std::size_t last = text.size() - Q;
    // Four bytes are read at every position that has them and cut to Q; the
    // last few positions read only Q.
    constexpr std::uint32_t kMask = Q == 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * Q)) - 1;
    const std::size_t wide = text.size() >= 4 ? text.size() - 4 : 0;
    std::size_t i = 0;
    if (text.size() >= 4) {
        for (; i <= wide; ++i) {
            const std::uint32_t gram = gramAt<4>(data + i) & kMask;
            const std::uint32_t bit = filterBitOf(gram);
            if ((filter_[bit / 64] >> (bit % 64)) & 1U) {
                found |= lookUp(gram, found, text.substr(i));
            }
        }
    }
    for (; i <= last; ++i) {
        const std::uint32_t gram = gramAt<Q>(data + i);
        const std::uint32_t bit = filterBitOf(gram);
        if ((filter_[bit / 64] >> (bit % 64)) & 1U) {
            found |= lookUp(gram, found, text.substr(i));
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
