#include "scripts/identifier_index.h"

#include <algorithm>
#include <bit>

namespace tg {

namespace {

// A cheap hash of a run: its length and its first, middle and last bytes,
// mixed by one multiplication whose high bits are used.
std::uint32_t hashOf(std::string_view run) {
    const auto front = static_cast<unsigned char>(run.front());
    const auto back = static_cast<unsigned char>(run.back());
    const auto middle = static_cast<unsigned char>(run[run.size() / 2]);
    const std::uint32_t h = (static_cast<std::uint32_t>(run.size()) << 24) |
                            (std::uint32_t{front} << 16) | (std::uint32_t{middle} << 8) | back;
    return h * 0x9E3779B1u;
}

}  // namespace

IdentifierIndex::IdentifierIndex(std::span<const std::string_view> identifiers)
    : set_(identifiers) {
    const std::size_t count = std::min(identifiers.size(), PatternSet::kMaxPatterns);
    std::size_t bits = 4;
    while ((std::size_t{1} << bits) < 2 * count) {
        ++bits;
    }
    entries_.resize(std::size_t{1} << bits);
    entryShift_ = 32 - static_cast<int>(bits);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view id = identifiers[i];
        if (id.empty()) {
            continue;
        }
        shortest_ = shortest_ == 0 ? id.size() : std::min(shortest_, id.size());
        for (char c : id) {
            inRun_[static_cast<unsigned char>(c)] = true;
        }
        std::size_t e = entryOf(id);
        if (entries_[e].identifier.empty()) {  // a repeated identifier keeps its first entry
            entries_[e] = Entry{id, set_.occurring(id)};
        }
    }
}

std::size_t IdentifierIndex::entryOf(std::string_view run) const {
    const std::size_t mask = entries_.size() - 1;
    std::size_t e = hashOf(run) >> entryShift_;
    while (!entries_[e].identifier.empty() && entries_[e].identifier != run) {
        e = (e + 1) & mask;
    }
    return e;
}

std::uint64_t IdentifierIndex::occurringInRun(std::string_view run) const {
    if (run.size() < shortest_) {
        return 0;
    }
    const Entry& entry = entries_[entryOf(run)];
    return entry.identifier.empty() ? set_.occurring(run) : entry.occurring;
}

int IdentifierIndex::firstSlotIn(std::string_view text) const {
    if (shortest_ == 0 || text.size() < shortest_) {
        return -1;
    }
    std::uint64_t found = 0;
    if (text.size() <= 64) {
        // Most lines: the bytes in runs as one bit each, so that runs too
        // short to hold an identifier are dropped without a branch per byte.
        std::uint64_t inRun = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            inRun |= std::uint64_t{inRun_[static_cast<unsigned char>(text[i])]} << i;
        }
        // Bit i of longEnough: bytes i to i + shortest_ - 1 are all in runs.
        std::uint64_t longEnough = inRun;
        for (std::size_t k = 1; k < shortest_ && longEnough != 0; ++k) {
            longEnough &= inRun >> k;
        }
        std::uint64_t starts = inRun & ~(inRun << 1) & longEnough;
        while (starts != 0) {
            const int start = std::countr_zero(starts);
            starts &= starts - 1;
            const int length = std::countr_one(inRun >> start);
            found |= occurringInRun(
                text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
        }
    } else {
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && !inRun_[static_cast<unsigned char>(text[i])]) {
                ++i;
            }
            const std::size_t start = i;
            while (i < text.size() && inRun_[static_cast<unsigned char>(text[i])]) {
                ++i;
            }
            if (i > start) {
                found |= occurringInRun(text.substr(start, i - start));
            }
        }
    }
    return found == 0 ? -1 : std::countr_zero(found);
}

}  // namespace tg
