#pragma once

#include <string>
#include <string_view>

namespace tg::cli {

// Appends bytes as a JSON string, quotes included. Double quotes, backslashes
// and control bytes are escaped; well-formed UTF-8 passes through as it is;
// any other byte of 0x80 and above is written as the character of the same
// number (\u0080 to \u00ff), so the output is valid JSON whatever a script
// holds.
void appendJsonString(std::string& out, std::string_view bytes);

}  // namespace tg::cli
