#pragma once

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
// index instead runs all reduced heads of one script at once over the line
// (an Aho-Corasick automaton), so a line costs its own length plus the heads
// it contains, whatever the length of the list. Entries with the same head
// (a business's AddCommodity lines) queue in list order behind that head.
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
    Match find(std::string_view reduced);

    // Takes a matched entry out of the running: the next entry with the same
    // head moves up.
    void take(const Match& match);

    // A head as the index compares it: blanks removed, ASCII letters lowered.
    static std::string reducedHead(std::string_view head);

private:
    struct Head {
        std::vector<std::size_t> entries;  // list positions, in list order
        std::size_t next = 0;              // the first entry not yet taken
        std::size_t length = 0;
    };

    std::int32_t childOf(std::int32_t node, unsigned char c) const;
    std::int32_t step(std::int32_t node, unsigned char c) const;

    std::vector<Head> heads_;
    std::vector<std::int32_t> headOfEntry_;  // -1 for an entry not indexed

    // The automaton: node 0 is the root. Children of node n are
    // childChar_/childNode_[childStart_[n] .. childStart_[n + 1]).
    std::vector<std::uint32_t> childStart_;
    std::vector<unsigned char> childChar_;
    std::vector<std::int32_t> childNode_;
    // Nodes with many children (the root, the node where the record codes
    // part, the one where the keys part) move through a full row of 256
    // instead: row denseRow_[n] of dense_, or -1 for a node without one.
    std::vector<std::int32_t> denseRow_;
    std::vector<std::int32_t> dense_;
    std::vector<std::int32_t> fail_;
    std::vector<std::int32_t> headAt_;    // the head ending at a node, or -1
    std::vector<std::int32_t> nextHead_;  // the nearest node down the fail chain with a head, or -1

    // Heads already met in the current line: seen_[h] == stamp_.
    std::vector<std::uint32_t> seen_;
    std::uint32_t stamp_ = 0;
};

}  // namespace tg
