#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/code_line.h"

namespace tg {

// The writer's lookup from a script line to the pending line that rewrites
// it. A pending line matches when its reduced head (blanks removed, letters
// lowered) occurs anywhere in the line's reduced code; of several, the first
// in list order wins, and each is taken at most once.
//
// Scanning the whole list for every script line costs lines x entries. The
// index instead keeps the reduced heads of one script in a trie whose chains
// of single children are merged into one edge. A head can only start at a
// byte that some head starts with, and the heads of a script nearly all start
// with the same few bytes ("block[", "businessinfo[", ...), so the line is
// searched for those bytes and the trie is walked only from there: a line
// costs about its own length plus a short walk per such byte, whatever the
// length of the list. The start positions are tried in increasing order, so
// the first time a head is met is its first occurrence. Entries with the same
// head (a business's AddCommodity lines) queue in list order behind that head.
class HeadIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Indexes the entries of codeArray whose fileNumber is fileNumber and
    // whose reduced head is not empty. Positions are those of codeArray at
    // construction; the index keeps no reference to the list.
    HeadIndex(const CodeLineList& codeArray, int fileNumber);

    struct Match {
        std::size_t entry = npos;  // position in the list, or npos: no match
        std::size_t at = 0;        // where the head first occurs in the text
        std::size_t length = 0;    // length of the reduced head
    };

    // The first entry in list order, not yet taken, whose reduced head occurs
    // in reduced (the line's code with blanks removed and letters lowered).
    Match find(std::string_view reduced) const;

    // Takes a matched entry out of the running: the next entry with the same
    // head moves up.
    void take(const Match& match);

    // True when every indexed entry has been taken, so no line can match.
    bool empty() const { return waiting_ == 0; }

    // A head as the index compares it: blanks removed, ASCII letters lowered.
    static std::string reducedHead(std::string_view head);

private:
    struct Head {
        std::vector<std::size_t> entries;  // list positions, in list order
        std::size_t next = 0;              // the first entry not yet taken
        std::size_t length = 0;
    };

    // A trie node and the edge into it. The edge's text is
    // labels_[labelStart, labelStart + labelLength); it is never empty but
    // for the root. A head ends only at a node, never inside an edge.
    struct Node {
        std::uint32_t labelStart = 0;
        std::uint32_t labelLength = 0;
        std::int32_t head = -1;  // the head ending here, or -1
        std::uint32_t childStart = 0;
        std::uint32_t childCount = 0;
        std::int32_t denseRow = -1;  // row of dense_ for a node with many children
    };

    // A reduced head: labels_[start, start + length).
    struct HeadText {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };

    void addChildren(std::size_t node, const std::vector<HeadText>& heads, std::size_t lo,
                     std::size_t hi, std::size_t depth);
    std::int32_t childOf(const Node& node, unsigned char c) const;
    void walkFrom(std::string_view text, std::size_t start, Match& best) const;

    std::vector<Head> heads_;
    std::vector<std::int32_t> headOfEntry_;  // -1 for an entry not indexed
    std::size_t waiting_ = 0;                // entries not yet taken

    // Node 0 is the root. The children of a node are
    // childFirst_/childNode_[childStart .. childStart + childCount), with the
    // first byte of each child's edge in childFirst_. The edges' texts are
    // parts of the reduced heads, all kept in labels_.
    std::vector<Node> nodes_;
    std::string labels_;
    std::vector<unsigned char> childFirst_;
    std::vector<std::int32_t> childNode_;
    std::vector<std::int32_t> dense_;  // rows of 256 child numbers, -1 for none

    // The bytes a head starts with; when there is only one, it is
    // onlyStart_ and the line is searched for it with memchr.
    std::array<bool, 256> startsHead_{};
    int startCount_ = 0;
    unsigned char onlyStart_ = 0;
};

}  // namespace tg
