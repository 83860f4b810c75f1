#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tg {

// Finds every occurrence of a fixed list of patterns in a text in one pass:
// the Aho-Corasick automaton. The reader looks in each line for 33 setting
// keys and for one of up to 45 identifiers, and the writer for the record
// and field parts of up to some thousand pending lines; testing each pattern
// in turn would cost the line's length once per pattern.
//
// The patterns are put in a trie; each node gets a failure link to the node
// of its longest proper suffix that is also in the trie, and from those a
// dense transition table: for every node and every byte class, the node
// reached. The text is then walked byte by byte, one table lookup per byte,
// and at each position every pattern ending there is reported (the node's
// own patterns, then those of the nodes down its chain of output links).
//
// Bytes that occur in no pattern share one class, so the table has a row of
// (distinct pattern bytes + 1) entries per node. A case-blind matcher folds
// ASCII letters into one class when the table is built, so the text is never
// lowered; other bytes are always compared exactly. An empty pattern never
// occurs. Patterns may repeat: each is reported under its own number.
//
// The bytes given as passed over (the writer's blanks and tabs) have a class
// of their own in which every node stays where it is: the walk reads the
// text as if they were not there, and a pattern occurs across them. A
// pattern that holds such a byte never occurs.
class Matcher {
public:
    enum class LetterCase { Exact, Ignore };

    explicit Matcher(std::span<const std::string_view> patterns,
                     LetterCase letterCase = LetterCase::Exact, std::string_view passedOver = {});

    // Calls found(pattern, end) for every occurrence in text, in the order
    // of their ends; end is the place just behind the occurrence's last byte.
    template <class Found>
    void forEachMatch(std::string_view text, Found&& found) const {
        if (narrow_.empty()) {
            walk(next_, text, found);
        } else {
            walk(narrow_, text, found);
        }
    }

    // Bit i set when pattern i occurs in text (patterns 0 to 63 only).
    std::uint64_t occurring(std::string_view text) const;

private:
    template <class Cell, class Found>
    void walk(const std::vector<Cell>& next, std::string_view text, Found& found) const {
        std::ptrdiff_t row = 0;  // the current node's row of the table
        for (std::size_t i = 0; i < text.size(); ++i) {
            row = next[static_cast<std::size_t>(row) + class_[static_cast<unsigned char>(text[i])]];
            if (row >= 0) {
                continue;
            }
            const Report& report = reports_[static_cast<std::size_t>(-row - 1)];
            row = report.row;
            for (std::int32_t out = report.firstOut; out > 0; out = outLink_[out]) {
                for (std::int32_t k = outStart_[out]; k < outStart_[out + 1]; ++k) {
                    found(static_cast<std::size_t>(outPatterns_[k]), i + 1);
                }
            }
        }
    }

    std::int32_t classes_ = 1;  // byte classes; class 0 holds the bytes of no pattern
    std::uint16_t class_[256] = {};
    // For every node and byte class, the row (node * classes_) of the node
    // reached; or, when that node ends a pattern or has one at the end of its
    // failure chain, -1 - the number of its entry in reports_, so that the
    // walk looks further only there.
    std::vector<std::int32_t> next_;
    // The same table in 16 bits, used instead of next_ when every row fits:
    // the reader's tables of keys and identifiers then take half the memory
    // and stay in the processor's fastest cache while a script is read.
    std::vector<std::int16_t> narrow_;
    // A node that has patterns to report: its row, and the first node to
    // report from (itself or the nearest down its failure chain).
    struct Report {
        std::int32_t row;
        std::int32_t firstOut;
    };
    std::vector<Report> reports_;
    // From each node that ends a pattern, the next one down its failure
    // chain (0 for none).
    std::vector<std::int32_t> outLink_;
    // The patterns ending at node n: outPatterns_[outStart_[n] .. outStart_[n + 1]).
    std::vector<std::int32_t> outStart_;
    std::vector<std::int32_t> outPatterns_;
};

}  // namespace tg
