#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tg {

// Tells which of a fixed list of up to 64 patterns occur in a text, with
// exact bytes, in one pass over the text. The reader runs every script line
// through a few of these (the setting keys, the identifier tables), where
// searching for each pattern in turn would cost the line's length once per
// pattern.
//
// The text is sampled: only every step-th position is looked at, by the
// gram (the next few bytes) that starts there. With grams of q bytes and the
// shortest pattern m bytes long, step = m - q + 1: any occurrence of any
// pattern then covers a whole gram at a sampled position, at one of the
// pattern's first step offsets. So each pattern's grams at those offsets are
// recorded; a bitmap of their hashes turns almost every sampled position
// away at once, and the rest look the gram up in a small table that names
// the patterns (and offsets) that hold it, which are then compared whole.
//
// A set made to ignore letter case finds a pattern whatever the (ASCII)
// letter case of the text or the pattern, without a lowered copy of the
// text: the bytes are hashed with bit 0x20 set, which every byte shares with
// its lowered form, and the candidates are compared whole, letters lowered.
class PatternSet {
public:
    static constexpr std::size_t kMaxPatterns = 64;

    enum class LetterCase { Exact, Ignore };

    // Pattern i is bit i of the result of occurring(). An empty pattern never
    // occurs. More than kMaxPatterns patterns is a programming error: the
    // ones beyond are ignored.
    explicit PatternSet(std::span<const std::string_view> patterns,
                        LetterCase letterCase = LetterCase::Exact);

    // Bit i is set when pattern i occurs anywhere in text.
    std::uint64_t occurring(std::string_view text) const;

private:
    static constexpr std::size_t kMaxStep = 4;
    struct Slot {
        std::uint32_t gram = 0;
        bool used = false;
        // at[d]: the patterns that hold gram at offset d.
        std::array<std::uint64_t, kMaxStep> at{};
    };
    static constexpr std::size_t kFilterBits = 1U << 16;

    template <std::size_t Q>
    std::uint64_t scan(std::string_view text) const;
    bool matchesAt(const std::string& pattern, std::string_view text, std::size_t start) const;
    std::uint32_t foldedGram(std::uint32_t gram) const;
    std::size_t slotOf(std::uint32_t gram) const;
    static std::uint32_t filterBitOf(std::uint32_t gram);
    std::uint64_t lookUp(std::uint32_t gram, std::uint64_t found, std::string_view text,
                         std::size_t pos) const;

    std::vector<std::string> patterns_;  // letters lowered when ignoring case
    bool ignoreCase_ = false;
    std::uint32_t fold_ = 0;      // or-ed into every gram: 0x20 per byte when ignoring case
    std::size_t gramLength_ = 0;  // 0 when there is no pattern
    std::size_t step_ = 1;
    std::size_t shortest_ = 0;
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::size_t slotShift_ = 0;
    std::array<std::uint64_t, kFilterBits / 64> filter_{};
};

}  // namespace tg
