#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scripts/pattern_set.h"

namespace tg {

// Tells which of a fixed list of keys occur in a text, letter case ignored:
// what a case-blind PatternSet of the same keys tells, with less work when
// every key starts with five ASCII letters (the setting keys do).
//
// Such a key can only start inside a run of at least five letters, so only
// positions inside such runs are looked at, every second one, by the four
// letters there; the letters are found 16 bytes at a time where the machine
// allows it. Any other list of keys is searched with the PatternSet alone.
class LetterKeySet {
public:
    // Keys beyond PatternSet::kMaxPatterns are ignored; an empty key never
    // occurs.
    explicit LetterKeySet(std::span<const std::string_view> keys);

    // What occurring() learnt: bit i of found is set when key i occurs.
    // Bit i of placed is set when the search also learnt where key i first
    // occurs: at[i] (always, unless a key does not start with five letters).
    struct Hits {
        std::uint64_t found = 0;
        std::uint64_t placed = 0;
        std::array<std::size_t, PatternSet::kMaxPatterns> at;  // only where placed
    };

    void occurring(std::string_view text, Hits& hits) const;
    std::uint64_t occurring(std::string_view text) const;

    // Bit i set when byte from + i of text (for the up to 64 bytes from
    // there) is an ASCII letter. letterBits takes 16 bytes at a time where
    // the machine allows it; letterBitsPlain looks at each byte alone. Both
    // are kept callable so that each can be held against the other.
    static std::uint64_t letterBits(std::string_view text, std::size_t from);
    static std::uint64_t letterBitsPlain(std::string_view text, std::size_t from);

private:
    static constexpr std::size_t kGram = 4;
    static constexpr std::size_t kStep = 2;
    // Keys that start with this many letters can be found by sampling.
    static constexpr std::size_t kLeadingLetters = kGram + kStep - 1;
    static constexpr int kSlotBits = 12;
    struct GramEntry {
        // at[d]: the keys that hold the gram at offset d.
        std::array<std::uint64_t, kStep> at{};
    };

    struct Key {
        std::string lowered;  // letters lowered
        // The first eight bytes of lowered (fewer: the rest clear), and
        // which of them there are.
        std::uint64_t head = 0;
        std::uint64_t headMask = 0;
        std::size_t lead = 0;  // how many letters it starts with
        bool whole = false;    // letters only
    };

    // Tries the keys the gram at block + local names; letters: the letter
    // bits of text from block.
    void tryAt(std::string_view text, std::size_t block, std::uint64_t letters, std::size_t local,
               Hits& hits) const;
    static std::uint64_t lettersFrom(std::string_view text, std::size_t from);
    static bool sameLetters(std::string_view text, std::size_t at, const Key& key);
    static std::size_t slotOf(std::uint32_t gram);

    PatternSet set_;  // for keys that do not start with five letters
    std::vector<Key> keys_;
    std::size_t shortest_ = 0;
    bool sampled_ = false;  // false: a key does not start with five letters
    // By the hash of four letters lowered: their entry in gramEntries_ (0:
    // none). Grams whose hashes meet share an entry, so their keys are all
    // tried where either stands.
    std::array<std::uint8_t, std::size_t{1} << kSlotBits> gramSlots_{};
    std::vector<GramEntry> gramEntries_;
};

}  // namespace tg
