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
// Each position of the text is tested by its first few bytes (as many as the
// shortest pattern has, at most four): a bitmap of their hashes turns almost
// every position away at once; the rest look the bytes up in a small table of
// the patterns' first bytes, and only the patterns that begin so are
// compared whole.
class PatternSet {
public:
    static constexpr std::size_t kMaxPatterns = 64;

    // Pattern i is bit i of the result of occurring(). An empty pattern never
    // occurs. More than kMaxPatterns patterns is a programming error: the
    // ones beyond are ignored.
    explicit PatternSet(std::span<const std::string_view> patterns);

    // Bit i is set when pattern i occurs anywhere in text.
    std::uint64_t occurring(std::string_view text) const;

private:
    struct Slot {
        std::uint32_t gram = 0;
        std::uint64_t patterns = 0;  // the patterns that begin with gram; 0: empty slot
    };
    static constexpr std::size_t kSlots = 256;
    static constexpr std::size_t kFilterBits = 1U << 16;

    template <std::size_t Q>
    std::uint64_t scan(std::string_view text) const;
    std::uint64_t verify(std::uint64_t candidates, std::string_view rest) const;
    static std::size_t slotOf(std::uint32_t gram);
    static std::uint32_t filterBitOf(std::uint32_t gram);
    std::uint64_t lookUp(std::uint32_t gram, std::uint64_t found, std::string_view rest) const;

    std::vector<std::string> patterns_;
    std::size_t gramLength_ = 0;  // 0 when there is no pattern
    std::array<Slot, kSlots> slots_{};
    std::array<std::uint64_t, kFilterBits / 64> filter_{};
};

}  // namespace tg
