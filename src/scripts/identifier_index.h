#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "scripts/pattern_set.h"

namespace tg {

// The slot lookup of one identifier table: the first slot, in slot order,
// whose identifier occurs anywhere in a text (exact letter case), or -1.
//
// An identifier can only occur inside a run of the bytes that identifiers
// are made of (for the tables of the game: capitals, digits and "_"), so the
// text is taken run by run. A run that is an identifier whole (the usual
// case: "Block[AIRPORT]...") is looked up in a hash table that gives every
// identifier occurring in it. Any other run long enough to hold one (a
// number, a commodity on a business line) is first walked gram by gram: an
// identifier inside it starts with the first bytes of one and is shorter
// than the run (or it would be the run) and fits in what is left of it from
// there. Knowing the shortest identifier for each start turns most such runs
// away (on business lines, the commodities "FURNITURE" and "TOYS" start as
// businesses do but are shorter); the rest are searched with a PatternSet.
class IdentifierIndex {
public:
    explicit IdentifierIndex(std::span<const std::string_view> identifiers);

    int firstSlotIn(std::string_view text) const;

    // firstSlotIn, and in at a position where that slot's identifier occurs
    // in text, or npos when the search did not learn one (the identifier
    // found only inside a longer run).
    int firstSlotIn(std::string_view text, std::size_t& at) const;

    // Bit i set when byte i of text (for the first 64 bytes) is one of the
    // bytes identifiers are made of. runBits takes 16 bytes at a time where
    // the machine allows it; runBitsPlain looks at each byte alone. Both are
    // kept callable so that each can be held against the other.
    std::uint64_t runBits(std::string_view text) const;
    std::uint64_t runBitsPlain(std::string_view text) const;

private:
    struct Entry {
        std::string_view identifier;  // empty: free
        std::uint64_t occurring = 0;  // the identifiers occurring in it, itself included
        int slot = 0;                 // its own (first) slot
    };

    std::uint64_t occurringInRun(std::string_view run, int& wholeSlot) const;
    template <std::size_t Ranges>
    std::uint64_t runBitsOfRanges(std::string_view text) const;
    std::size_t entryOf(std::string_view run) const;
    std::uint32_t gramBitOf(std::uint32_t gram) const;
    bool mayHoldAnother(std::string_view run) const;
    std::uint64_t occurringInOther(std::string_view run) const;
    int firstSlotInLong(std::string_view text, std::size_t& at) const;

    PatternSet set_;
    std::array<bool, 256> inRun_{};
    // The bytes of inRun_ as up to kMaxRanges ranges, every byte of each
    // vector alike: what moves the range's first byte to -128 (0x80 less
    // it) and what every byte of the range then lies below (its width less
    // 127); rangeCount_ is 0 when they need more ranges, or a range holds
    // all 256 bytes.
    static constexpr std::size_t kMaxRanges = 4;
    struct alignas(16) Bytes16 {
        std::array<std::uint8_t, 16> bytes{};
    };
    std::array<Bytes16, kMaxRanges> rangeShift_{};
    std::array<Bytes16, kMaxRanges> rangeBelow_{};
    std::size_t rangeCount_ = 0;
    std::size_t shortest_ = 0;
    // The identifiers by their first gramLength_ bytes (at most 3, never
    // more than the shortest), hashed: the length of the shortest identifier
    // that starts with a gram of each hash, 255 for none and for any longer
    // (which only lets more runs through to the PatternSet).
    static constexpr int kGramBits = 12;
    std::size_t gramLength_ = 0;
    std::array<std::uint8_t, std::size_t{1} << kGramBits> shortestFrom_{};
    std::vector<Entry> entries_;  // a power of two in size, at most half full
    int entryShift_ = 0;          // the hash's high bits that pick an entry
};

}  // namespace tg
