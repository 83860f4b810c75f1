#include "scripts/script_writer.h"

// Placeholder until the script writer lands.
namespace tg {

void Create_CodeArray(EditorState& state) { state.CodeArray = emptyCodeArray(); }

void Remove_CodeLine(CodeLineList& codeArray, std::size_t pos) {
    if (pos < codeArray.size()) {
        codeArray.erase(codeArray.begin() + static_cast<std::ptrdiff_t>(pos));
    }
    if (codeArray.empty()) {
        codeArray = emptyCodeArray();
    }
}

std::string Rewrite_Line(CodeLineList&, std::string_view, int) { return {}; }

Notices Write_Scripts(FileSystem&, EditorState&, const std::string&) { return {}; }

Notices Save_Project(FileSystem& fs, EditorState& state, const std::string& version) {
    Create_CodeArray(state);
    return Write_Scripts(fs, state, version);
}

}  // namespace tg
