#include "scripts/head_index.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <utility>

#include "fs/paths.h"

namespace tg {

namespace {

// Nodes with more children than this get a full row of 256 child numbers.
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
    // First a plain trie of the distinct heads, one byte to an edge, children
    // kept as small lists while it grows.
    std::vector<std::vector<std::pair<unsigned char, std::int32_t>>> children(1);
    std::vector<std::int32_t> headAt(1, -1);
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
                    headAt.push_back(-1);
                }
                node = next;
            }
            headAt[static_cast<std::size_t>(node)] = it->second;
            const auto first = static_cast<unsigned char>(key.front());
            if (!startsHead_[first]) {
                startsHead_[first] = true;
                ++startCount_;
                onlyStart_ = first;
            }
        }
        heads_[static_cast<std::size_t>(it->second)].entries.push_back(i);
        headOfEntry_[i] = it->second;
        ++waiting_;
    }

    // Then the merged trie, breadth first, so that the children of each node
    // lie side by side. A chain of nodes with one child and no head becomes
    // one edge.
    nodes_.emplace_back();
    std::vector<std::pair<std::int32_t, std::int32_t>> queue{{0, 0}};  // (merged, plain)
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const auto [id, plain] = queue[q];
        auto kids = children[static_cast<std::size_t>(plain)];
        std::sort(kids.begin(), kids.end());
        const auto self = static_cast<std::size_t>(id);
        nodes_[self].childStart = static_cast<std::uint32_t>(childNode_.size());
        nodes_[self].childCount = static_cast<std::uint32_t>(kids.size());
        for (const auto& [c, start] : kids) {
            Node child;
            child.labelStart = static_cast<std::uint32_t>(labels_.size());
            labels_.push_back(static_cast<char>(c));
            std::int32_t end = start;
            while (headAt[static_cast<std::size_t>(end)] < 0 &&
                   children[static_cast<std::size_t>(end)].size() == 1) {
                const auto& only = children[static_cast<std::size_t>(end)].front();
                labels_.push_back(static_cast<char>(only.first));
                end = only.second;
            }
            child.labelLength = static_cast<std::uint32_t>(labels_.size()) - child.labelStart;
            child.head = headAt[static_cast<std::size_t>(end)];
            const auto childId = static_cast<std::int32_t>(nodes_.size());
            nodes_.push_back(child);
            childFirst_.push_back(c);
            childNode_.push_back(childId);
            queue.emplace_back(childId, end);
        }
        if (kids.size() > kSparseChildren) {
            nodes_[self].denseRow = static_cast<std::int32_t>(dense_.size() / 256);
            dense_.resize(dense_.size() + 256, -1);
            const std::uint32_t from = nodes_[self].childStart;
            for (std::uint32_t k = from; k < from + nodes_[self].childCount; ++k) {
                dense_[dense_.size() - 256 + childFirst_[k]] = childNode_[k];
            }
        }
    }
}

// The child of node whose edge starts with c, or -1.
inline std::int32_t HeadIndex::childOf(const Node& node, unsigned char c) const {
    if (node.denseRow >= 0) {
        return dense_[static_cast<std::size_t>(node.denseRow) * 256 + c];
    }
    const std::uint32_t end = node.childStart + node.childCount;
    for (std::uint32_t k = node.childStart; k < end; ++k) {
        if (childFirst_[k] == c) {
            return childNode_[k];
        }
    }
    return -1;
}

// Every head that starts at text[start], shortest first, offered to best.
inline void HeadIndex::walkFrom(std::string_view text, std::size_t start, Match& best) const {
    const Node* node = nodes_.data();
    std::size_t pos = start;
    while (pos < text.size()) {
        const std::int32_t child = childOf(*node, static_cast<unsigned char>(text[pos]));
        if (child < 0) {
            return;
        }
        node = &nodes_[static_cast<std::size_t>(child)];
        if (node->labelLength > text.size() - pos ||
            std::memcmp(text.data() + pos, labels_.data() + node->labelStart, node->labelLength) !=
                0) {
            return;
        }
        pos += node->labelLength;
        if (node->head >= 0) {
            // A head met at a later start has the same entry as at its first
            // occurrence, never a smaller one, so it leaves best alone.
            const Head& head = heads_[static_cast<std::size_t>(node->head)];
            if (head.next < head.entries.size() && head.entries[head.next] < best.entry) {
                best.entry = head.entries[head.next];
                best.at = start;
                best.length = head.length;
            }
        }
    }
}

HeadIndex::Match HeadIndex::find(std::string_view reduced) const {
    Match best;
    if (waiting_ == 0) {
        return best;
    }
    const char* const text = reduced.data();
    const std::size_t size = reduced.size();
    if (startCount_ == 1) {
        std::size_t i = 0;
        while (i < size) {
            const void* hit = std::memchr(text + i, onlyStart_, size - i);
            if (hit == nullptr) {
                break;
            }
            i = static_cast<std::size_t>(static_cast<const char*>(hit) - text);
            walkFrom(reduced, i, best);
            ++i;
        }
        return best;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (startsHead_[static_cast<unsigned char>(text[i])]) {
            walkFrom(reduced, i, best);
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
        --waiting_;
    }
}

}  // namespace tg
