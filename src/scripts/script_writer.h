#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/code_line.h"
#include "model/editor_state.h"
#include "model/notice.h"

namespace tg {

class FileSystem;

// Fills state.CodeArray from the working set: every setting of every changed
// record, and of the tweaks when bCityHasChanged is set.
void Create_CodeArray(EditorState& state);

// Removes the entry at pos; a list left without lines holds the marker entry.
void Remove_CodeLine(CodeLineList& codeArray, std::size_t pos);

// The replacement for one line of script fileNumber, taking the matched entry
// out of the list; an empty result means the line is written unchanged.
std::string Rewrite_Line(CodeLineList& codeArray, std::string_view line, int fileNumber);

// The new bytes of one script (file number 0 to 3): each line rewritten by
// the first pending line of that script that matches it, or copied, each
// ending in CR LF; then the script's pending lines that found no line, under
// one marker block. Takes every line of that script out of codeArray.
std::string composeScript(std::string_view bytes, int fileNumber, CodeLineList& codeArray,
                          const std::string& version);

// Rewrites every script whose kind's change flag is set, each replaced
// atomically in the project folder. Returns the failures (file and reason);
// scripts written before a failure stay written.
Notices Write_Scripts(FileSystem& fs, EditorState& state, const std::string& version);

// Create_CodeArray, then Write_Scripts.
Notices Save_Project(FileSystem& fs, EditorState& state, const std::string& version);

}  // namespace tg
