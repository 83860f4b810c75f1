#include "scripts/head_index.h"

#include <algorithm>
#include <cstring>
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
    // The reduced heads of the script, side by side in labels_, with their
    // entries.
    struct Key {
        HeadText text;
        std::size_t entry = 0;
    };
    std::size_t room = 0;
    for (const CodeLine& line : codeArray) {
        room += line.fileNumber == fileNumber ? line.head.size() : 0;
    }
    labels_.resize(room);
    std::vector<Key> keys;
    std::uint32_t used = 0;
    for (std::size_t i = 0; i < codeArray.size(); ++i) {
        if (codeArray[i].fileNumber != fileNumber) {
            continue;
        }
        const std::uint32_t start = used;
        for (char c : codeArray[i].head) {
            labels_[used] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
            used += c != ' ' && c != '\t' ? 1 : 0;
        }
        if (used > start) {
            keys.push_back(Key{HeadText{start, used - start}, i});
        }
    }
    labels_.resize(used);
    const std::string_view all(labels_);
    auto textOf = [all](const HeadText& h) { return all.substr(h.start, h.length); };

    // Sorted by head, and entries of one head in list order: each run of one
    // head becomes a head of the index, numbered in that order.
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const int order = textOf(a.text).compare(textOf(b.text));
        return order != 0 ? order < 0 : a.entry < b.entry;
    });
    std::vector<HeadText> distinct;
    for (const Key& key : keys) {
        if (distinct.empty() || textOf(distinct.back()) != textOf(key.text)) {
            distinct.push_back(key.text);
            heads_.push_back(Head{{}, 0, key.text.length});
            const auto first = static_cast<unsigned char>(labels_[key.text.start]);
            if (!startsHead_[first]) {
                startsHead_[first] = true;
                ++startCount_;
                onlyStart_ = first;
            }
        }
        heads_.back().entries.push_back(key.entry);
        headOfEntry_[key.entry] = static_cast<std::int32_t>(heads_.size() - 1);
        ++waiting_;
    }

    nodes_.emplace_back();
    addChildren(0, distinct, 0, distinct.size(), 0);
}

// Gives node its children. heads[lo, hi) are the sorted heads that begin with
// the node's text, which is depth bytes long; one that is no longer is the
// node's own head and comes first. The others go to one child for each byte
// that follows, along an edge as long as the heads of that child have in
// common, so no head ends inside an edge.
void HeadIndex::addChildren(std::size_t node, const std::vector<HeadText>& heads, std::size_t lo,
                            std::size_t hi, std::size_t depth) {
    auto byteOf = [this](const HeadText& h, std::size_t at) {
        return static_cast<unsigned char>(labels_[h.start + at]);
    };
    std::size_t i = lo;
    if (i < hi && heads[i].length == depth) {
        nodes_[node].head = static_cast<std::int32_t>(i);
        ++i;
    }
    struct Group {
        std::size_t lo;
        std::size_t hi;
        std::size_t common;  // the length of the text the group's heads share
    };
    std::vector<Group> groups;
    while (i < hi) {
        const unsigned char c = byteOf(heads[i], depth);
        std::size_t j = i + 1;
        while (j < hi && byteOf(heads[j], depth) == c) {
            ++j;
        }
        // Sorted, so what the first and the last share, all share.
        const HeadText& first = heads[i];
        const HeadText& last = heads[j - 1];
        std::size_t common = depth + 1;
        while (common < first.length && common < last.length &&
               byteOf(first, common) == byteOf(last, common)) {
            ++common;
        }
        groups.push_back(Group{i, j, common});
        i = j;
    }

    const auto childStart = static_cast<std::uint32_t>(childNode_.size());
    nodes_[node].childStart = childStart;
    nodes_[node].childCount = static_cast<std::uint32_t>(groups.size());
    for (const Group& g : groups) {
        Node child;
        child.labelStart = heads[g.lo].start + static_cast<std::uint32_t>(depth);
        child.labelLength = static_cast<std::uint32_t>(g.common - depth);
        childFirst_.push_back(byteOf(heads[g.lo], depth));
        childNode_.push_back(static_cast<std::int32_t>(nodes_.size()));
        nodes_.push_back(child);
    }
    if (groups.size() > kSparseChildren) {
        nodes_[node].denseRow = static_cast<std::int32_t>(dense_.size() / 256);
        dense_.resize(dense_.size() + 256, -1);
        for (std::uint32_t k = childStart; k < childStart + groups.size(); ++k) {
            dense_[dense_.size() - 256 + childFirst_[k]] = childNode_[k];
        }
    }
    for (std::size_t g = 0; g < groups.size(); ++g) {
        addChildren(static_cast<std::size_t>(childNode_[childStart + g]), heads, groups[g].lo,
                    groups[g].hi, groups[g].common);
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
