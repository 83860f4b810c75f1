#pragma once

// The byte work of the writer on one script: walking its lines, reducing a
// line's code for the head index, and copying lines through unchanged. Each
// looks at eight bytes at a time where it can; the tests hold each against
// the plain byte-by-byte way.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tg::writer {

// Where the line that ends at end (a position tg::lineEndFrom gave) is followed
// by the next one: behind CR LF, CR or LF, or the size at the end.
std::size_t nextLineStart(std::string_view bytes, std::size_t end);

// The line's code with blanks (spaces and tabs) removed and ASCII letters
// lowered, in buffer, which grows only for a longer code than before.
std::string_view reduceCode(std::string_view code, std::vector<char>& buffer);

// The position in code of its character that stands at reducedAt in its
// reduced text (the reducedAt-th character that is not a blank, from 0).
std::size_t positionInCode(std::string_view code, std::size_t reducedAt);

// Appends every line of bytes as it is, each followed by CR LF, as a line
// left unchanged is written: a line end that is already CR LF is copied, a
// CR or LF alone becomes CR LF, and a last line without one gets one. Empty
// bytes add nothing.
void appendLinesUnchanged(std::string_view bytes, std::string& out);

}  // namespace tg::writer
