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
// the keys start with runs of ASCII letters (the setting keys do).
//
// A key that starts with seven letters can only start inside a run of at
// least seven letters, so only every fourth position inside such runs is
// looked at, by the four letters there. The few keys that start with fewer
// (but two or more) letters are looked for where their first two letters
// stand, marked in the same pass, 16 bytes at a time where the machine
// allows it, that finds the letters. A list whose short keys start with
// more than two different first (or second) letters is searched at every
// second position of the runs of five letters (all its keys must start
// with five), and any other list with the PatternSet alone.
class LetterKeySet {
public:
    // Keys beyond PatternSet::kMaxPatterns are ignored; an empty key never
    // occurs.
    explicit LetterKeySet(std::span<const std::string_view> keys);

    // What occurring() learnt: bit i of found is set when key i occurs.
    // Bit i of placed is set when the search also learnt where key i first
    // occurs: at[i] (always, unless the list is searched with the
    // PatternSet).
    struct Hits {
        std::uint64_t found = 0;
        std::uint64_t placed = 0;
        std::array<std::size_t, PatternSet::kMaxPatterns> at;  // only where placed
    };

    void occurring(std::string_view text, Hits& hits) const;
    std::uint64_t occurring(std::string_view text) const;

    // How the keys are searched: by the PatternSet, by every second
    // position of the runs of letters, or by every fourth (with the short
    // keys by their first letters). Tells the tests which way they hold.
    enum class Way { Patterns, EverySecond, EveryFourth };
    Way way() const { return way_; }

    // Bit i set when byte from + i of text (for the up to 64 bytes from
    // there) is an ASCII letter. letterBits takes 16 bytes at a time where
    // the machine allows it; letterBitsPlain looks at each byte alone. Both
    // are kept callable so that each can be held against the other.
    static std::uint64_t letterBits(std::string_view text, std::size_t from);
    static std::uint64_t letterBitsPlain(std::string_view text, std::size_t from);

    // The letters from "from" as letterBits, and which of those bytes are
    // one of the letters of firsts, or of seconds, in either case: up to
    // kMaxMarked letters, lowered, in each (more are not looked at). Both
    // ways again, to be held against each other.
    static constexpr std::size_t kMaxMarked = 2;
    struct Marks {
        std::uint64_t letters = 0;
        std::uint64_t first = 0;
        std::uint64_t second = 0;
    };
    static Marks marks(std::string_view text, std::size_t from, std::span<const char> firsts,
                       std::span<const char> seconds);
    static Marks marksPlain(std::string_view text, std::size_t from, std::span<const char> firsts,
                            std::span<const char> seconds);

private:
    static constexpr std::size_t kGram = 4;
    static constexpr std::size_t kMaxStep = 4;
    static constexpr int kSlotBits = 12;
    struct GramEntry {
        // at[d]: the keys that hold the gram at offset d; bit d of
        // offsets set when there are any.
        std::array<std::uint64_t, kMaxStep> at{};
        unsigned offsets = 0;
        // The key when the gram names just one, at just one offset (else
        // kNone), and that offset.
        static constexpr std::uint8_t kNone = 0xFF;
        std::uint8_t onlyKey = kNone;
        std::uint8_t onlyOffset = 0;
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
    template <std::size_t Step>
    void tryAt(std::string_view text, std::size_t block, std::uint64_t letters, std::size_t local,
               Hits& hits) const;
    template <std::size_t Step>
    void tryPositions(std::string_view text, std::size_t block, std::uint64_t letters,
                      std::uint64_t positions, Hits& hits) const;
    void tryShort(std::string_view text, std::size_t block, const Marks& m, std::uint64_t within,
                  Hits& hits) const;
    void occurringEverySecond(std::string_view text, Hits& hits) const;
    void occurringEveryFourth(std::string_view text, Hits& hits) const;
    // The first letters, then the second ones, each list filled up with
    // NULs (which no byte with bit 0x20 set equals); each letter 16 times,
    // to be loaded as a vector.
    struct PairLetters {
        alignas(16) std::array<char, 16 * 2 * kMaxMarked> bytes{};
        char letter(std::size_t j) const { return bytes[16 * j]; }
        void setLetter(std::size_t j, char c) {
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(16 * j), 16, c);
        }
    };
    template <bool Pairs>
    static Marks marksInline(std::string_view text, std::size_t from, const PairLetters& letters);
    static std::uint64_t lettersFrom(std::string_view text, std::size_t from);
    static bool sameLetters(std::string_view text, std::size_t at, const Key& key);
    static std::size_t slotOf(std::uint32_t gram);

    PatternSet set_;  // for keys that do not start with five letters
    std::vector<Key> keys_;
    std::size_t shortest_ = 0;
    Way way_ = Way::Patterns;
    // The keys that start with too few letters for the sampled positions
    // (with every fourth), and their first and second letters.
    std::uint64_t shortKeys_ = 0;
    PairLetters pairLetters_{};
    // By the hash of four letters lowered: their entry in gramEntries_ (0:
    // none). Grams whose hashes meet share an entry, so their keys are all
    // tried where either stands.
    std::array<std::uint16_t, std::size_t{1} << kSlotBits> gramSlots_{};
    std::vector<GramEntry> gramEntries_;
};

}  // namespace tg
