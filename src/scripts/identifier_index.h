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
// identifier occurring in it; any other run long enough to hold one is
// searched with a PatternSet.
class IdentifierIndex {
public:
    explicit IdentifierIndex(std::span<const std::string_view> identifiers);

    int firstSlotIn(std::string_view text) const;

private:
    struct Entry {
        std::string_view identifier;  // empty: free
        std::uint64_t occurring = 0;  // the identifiers occurring in it, itself included
    };

    std::uint64_t occurringInRun(std::string_view run) const;
    std::size_t entryOf(std::string_view run) const;

    PatternSet set_;
    std::array<bool, 256> inRun_{};
    std::size_t shortest_ = 0;
    std::vector<Entry> entries_;  // a power of two in size, at most half full
    int entryShift_ = 0;          // the hash's high bits that pick an entry
};

}  // namespace tg
