#include "scripts/matcher.h"

#include <limits>

namespace tg {

Matcher::Matcher(std::span<const std::string_view> patterns, LetterCase letterCase,
                 std::string_view passedOver) {
    const bool fold = letterCase == LetterCase::Ignore;
    auto folded = [fold](unsigned char c) {
        return fold && c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
    };
    // One class for each byte the patterns hold (a letter and its capital
    // together when case-blind); every other byte stays in class 0.
    for (std::string_view pattern : patterns) {
        for (char c : pattern) {
            const unsigned char byte = folded(static_cast<unsigned char>(c));
            if (class_[byte] == 0) {
                class_[byte] = static_cast<std::uint16_t>(classes_++);
            }
        }
    }
    if (fold) {
        for (int c = 'A'; c <= 'Z'; ++c) {
            class_[c] = class_[c + ('a' - 'A')];
        }
    }
    const std::int32_t passed = passedOver.empty() ? -1 : classes_++;
    for (char c : passedOver) {
        class_[static_cast<unsigned char>(c)] = static_cast<std::uint16_t>(passed);
    }

    // The trie: node 0 is the root; -1 marks a transition not yet known.
    const auto classes = static_cast<std::size_t>(classes_);
    std::vector<std::vector<std::int32_t>> own(1);
    next_.assign(classes, -1);
    auto cell = [&](std::int32_t node, std::size_t cls) -> std::int32_t& {
        return next_[static_cast<std::size_t>(node) * classes + cls];
    };
    for (std::size_t p = 0; p < patterns.size(); ++p) {
        if (patterns[p].empty()) {
            continue;
        }
        std::int32_t node = 0;
        for (char c : patterns[p]) {
            const std::size_t cls = class_[static_cast<unsigned char>(c)];
            if (cell(node, cls) < 0) {
                cell(node, cls) = static_cast<std::int32_t>(own.size());
                own.emplace_back();
                next_.resize(next_.size() + classes, -1);
            }
            node = cell(node, cls);
        }
        own[static_cast<std::size_t>(node)].push_back(static_cast<std::int32_t>(p));
    }

    // Breadth first, so a node's failure node (shallower) is complete before
    // the node: a missing transition takes the failure node's, a child's
    // failure node is where the failure node goes on the same byte.
    const std::size_t nodes = own.size();
    std::vector<std::int32_t> fail(nodes, 0);
    outLink_.assign(nodes, 0);
    std::vector<std::int32_t> queue;
    queue.reserve(nodes);
    for (std::size_t cls = 0; cls < classes; ++cls) {
        if (cell(0, cls) < 0) {
            cell(0, cls) = 0;
        } else {
            queue.push_back(cell(0, cls));
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::int32_t node = queue[head];
        const std::int32_t failure = fail[static_cast<std::size_t>(node)];
        for (std::size_t cls = 0; cls < classes; ++cls) {
            const std::int32_t child = cell(node, cls);
            if (child < 0) {
                cell(node, cls) = cell(failure, cls);
                continue;
            }
            const std::int32_t target = cell(failure, cls);
            fail[static_cast<std::size_t>(child)] = target;
            outLink_[static_cast<std::size_t>(child)] =
                own[static_cast<std::size_t>(target)].empty()
                    ? outLink_[static_cast<std::size_t>(target)]
                    : target;
            queue.push_back(child);
        }
    }

    outStart_.push_back(0);
    std::vector<std::int32_t> reportOf(nodes, -1);
    for (std::size_t node = 0; node < nodes; ++node) {
        outPatterns_.insert(outPatterns_.end(), own[node].begin(), own[node].end());
        outStart_.push_back(static_cast<std::int32_t>(outPatterns_.size()));
        const std::int32_t firstOut =
            own[node].empty() ? outLink_[node] : static_cast<std::int32_t>(node);
        if (firstOut > 0) {
            reportOf[node] = static_cast<std::int32_t>(reports_.size());
            reports_.push_back(Report{static_cast<std::int32_t>(node) * classes_, firstOut});
        }
    }
    // From node numbers to rows, or to their reports where the walk must report.
    for (std::int32_t& to : next_) {
        const std::int32_t report = reportOf[static_cast<std::size_t>(to)];
        to = report >= 0 ? -1 - report : to * classes_;
    }
    // A passed-over byte leaves the walk on its row, with nothing to report.
    if (passed >= 0) {
        for (std::size_t row = 0; row < next_.size(); row += classes) {
            next_[row + static_cast<std::size_t>(passed)] = static_cast<std::int32_t>(row);
        }
    }
    if (nodes * classes <= std::numeric_limits<std::int16_t>::max()) {
        narrow_.assign(next_.begin(), next_.end());
        next_.clear();
    }
}

std::uint64_t Matcher::occurring(std::string_view text) const {
    std::uint64_t found = 0;
    forEachMatch(text, [&found](std::size_t pattern, std::size_t) {
        if (pattern < 64) {
            found |= std::uint64_t{1} << pattern;
        }
    });
    return found;
}

}  // namespace tg
