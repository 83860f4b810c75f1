#include "scripts/code_tables.h"

// Placeholder until the code-table reader lands.
namespace tg {

std::optional<Notice> readCodeTable(FileSystem&, const std::string&, std::string_view, int,
                                    SettingsModel&) {
    return std::nullopt;
}

bool Match_CodeLine(const SettingsModel&, std::string_view, int, std::string_view, int) {
    return false;
}

}  // namespace tg
