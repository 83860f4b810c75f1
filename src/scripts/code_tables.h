#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/notice.h"
#include "model/settings_model.h"

namespace tg {

class FileSystem;

// The fields of a code table, in order: fields are separated by commas or
// line ends (CR, CR LF or LF alone); spaces before a field are skipped; a
// field in double quotes may hold commas and loses its quotes. Empty fields
// are kept, so callers see every separator.
std::vector<std::string> splitCodeTableFields(std::string_view bytes);

// Reads one of the six code tables (blk_code.txt, blk_usa.txt, biz_code.txt,
// biz_usa.txt, com_code.txt, com_usa.txt) from the application folder into
// the loaded set: entry n goes to slot n, up to rowLimit entries. A table that
// cannot be opened gives a notice titled "TG Edit" naming the file.
std::optional<Notice> readCodeTable(FileSystem& fs, const std::string& appPath,
                                    std::string_view fileName, int rowLimit, SettingsModel& model);

// Whether a line that the reader matched to a slot belongs to that record:
// kind 2 (tweaks) always; kinds 0, 1 and 3 when the slot's code (from the
// loaded set) comes before the key, letter case ignored; any other kind never.
bool Match_CodeLine(const SettingsModel& model, std::string_view line, int slot,
                    std::string_view key, int kind);

}  // namespace tg
