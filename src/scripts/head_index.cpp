#include "scripts/head_index.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "fs/paths.h"

namespace tg {

namespace {

// Nodes with more children than this get a full row of moves.
constexpr std::size_t kSparseChildren = 6;

}  // namespace

std::string HeadIndex::reducedHead(std::string_view head) {
    std::string out;
    out.reserve(head.size());
    for (char c : head) {
        if (c != ' ' && c != '\t') {
            out.push_back(asciiLower(c));
        }
    }
    return out;
}

HeadIndex::HeadIndex(const CodeLineList& codeArray, int fileNumber)
    : headOfEntry_(codeArray.size(), -1) {
    // The trie of the distinct heads, children kept as small lists while it
    // grows.
    std::vector<std::vector<std::pair<unsigned char, std::int32_t>>> children(1);
    headAt_.push_back(-1);
    std::unordered_map<std::string, std::int32_t> headIds;
    for (std::size_t i = 0; i < codeArray.size(); ++i) {
        if (codeArray[i].fileNumber != fileNumber) {
            continue;
        }
        std::string key = reducedHead(codeArray[i].head);
        if (key.empty()) {
            continue;
        }
        auto [it, added] = headIds.try_emplace(key, static_cast<std::int32_t>(heads_.size()));
        if (added) {
            heads_.push_back(Head{{}, 0, key.size()});
            std::int32_t node = 0;
            for (char ch : key) {
                const auto c = static_cast<unsigned char>(ch);
                std::int32_t next = -1;
                for (const auto& [label, child] : children[static_cast<std::size_t>(node)]) {
                    if (label == c) {
                        next = child;
                        break;
                    }
                }
                if (next < 0) {
                    next = static_cast<std::int32_t>(children.size());
                    children[static_cast<std::size_t>(node)].emplace_back(c, next);
                    children.emplace_back();
                    headAt_.push_back(-1);
                }
                node = next;
            }
            headAt_[static_cast<std::size_t>(node)] = it->second;
        }
        heads_[static_cast<std::size_t>(it->second)].entries.push_back(i);
        headOfEntry_[i] = it->second;
    }

    // Flat child lists.
    const std::size_t nodes = children.size();
    childStart_.assign(nodes + 1, 0);
    for (std::size_t n = 0; n < nodes; ++n) {
        childStart_[n + 1] = childStart_[n] + static_cast<std::uint32_t>(children[n].size());
        for (const auto& [label, child] : children[n]) {
            childChar_.push_back(label);
            childNode_.push_back(child);
        }
    }
    denseRow_.assign(nodes, -1);
    for (std::size_t n = 0; n < nodes; ++n) {
        if (n != 0 && children[n].size() <= kSparseChildren) {
            continue;
        }
        denseRow_[n] = static_cast<std::int32_t>(dense_.size() / 256);
        dense_.resize(dense_.size() + 256, -1);
        for (const auto& [label, child] : children[n]) {
            dense_[dense_.size() - 256 + label] = child;
        }
    }
    // From the root every byte goes somewhere: back to the root when no head
    // begins with it.
    for (std::size_t c = 0; c < 256; ++c) {
        dense_[c] = std::max(dense_[c], 0);
    }

    // Fail links breadth first: a node's fail link is the longest proper
    // suffix of its text that is also in the trie.
    fail_.assign(nodes, 0);
    nextHead_.assign(nodes, -1);
    std::vector<std::int32_t> queue;
    queue.reserve(nodes);
    for (const auto& [label, child] : children[0]) {
        queue.push_back(child);
    }
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const std::int32_t node = queue[q];
        for (const auto& [label, child] : children[static_cast<std::size_t>(node)]) {
            const std::int32_t f = step(fail_[static_cast<std::size_t>(node)], label);
            const auto c = static_cast<std::size_t>(child);
            fail_[c] = f;
            nextHead_[c] = headAt_[static_cast<std::size_t>(f)] >= 0
                               ? f
                               : nextHead_[static_cast<std::size_t>(f)];
            queue.push_back(child);
        }
    }
    seen_.assign(heads_.size(), 0);
}

// The child of node along c, or -1.
inline std::int32_t HeadIndex::childOf(std::int32_t node, unsigned char c) const {
    const auto n = static_cast<std::size_t>(node);
    if (denseRow_[n] >= 0) {
        return dense_[static_cast<std::size_t>(denseRow_[n]) * 256 + c];
    }
    const std::uint32_t end = childStart_[n + 1];
    for (std::uint32_t k = childStart_[n]; k < end; ++k) {
        if (childChar_[k] == c) {
            return childNode_[k];
        }
    }
    return -1;
}

// The automaton's move: the longest suffix of (text of node) + c that is in
// the trie.
inline std::int32_t HeadIndex::step(std::int32_t node, unsigned char c) const {
    while (node != 0) {
        const std::int32_t child = childOf(node, c);
        if (child >= 0) {
            return child;
        }
        node = fail_[static_cast<std::size_t>(node)];
    }
    return dense_[c];  // the root's row
}

HeadIndex::Match HeadIndex::find(std::string_view reduced) {
    Match best;
    if (heads_.empty()) {
        return best;
    }
    if (++stamp_ == 0) {
        seen_.assign(seen_.size(), 0);
        stamp_ = 1;
    }
    std::int32_t node = 0;
    for (std::size_t i = 0; i < reduced.size(); ++i) {
        node = step(node, static_cast<unsigned char>(reduced[i]));
        // Every head that ends here, longest first. A head met before was
        // met with every head down its chain, so the walk stops there: each
        // head is looked at once per line, at its first occurrence.
        std::int32_t at = headAt_[static_cast<std::size_t>(node)] >= 0
                              ? node
                              : nextHead_[static_cast<std::size_t>(node)];
        while (at >= 0) {
            const auto h = static_cast<std::size_t>(headAt_[static_cast<std::size_t>(at)]);
            if (seen_[h] == stamp_) {
                break;
            }
            seen_[h] = stamp_;
            const Head& head = heads_[h];
            if (head.next < head.entries.size() && head.entries[head.next] < best.entry) {
                best.entry = head.entries[head.next];
                best.at = i + 1 - head.length;
                best.length = head.length;
            }
            at = nextHead_[static_cast<std::size_t>(at)];
        }
    }
    return best;
}

void HeadIndex::take(const Match& match) {
    if (match.entry >= headOfEntry_.size() || headOfEntry_[match.entry] < 0) {
        return;
    }
    Head& head = heads_[static_cast<std::size_t>(headOfEntry_[match.entry])];
    if (head.next < head.entries.size() && head.entries[head.next] == match.entry) {
        ++head.next;
    }
}

}  // namespace tg
