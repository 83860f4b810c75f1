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

// A number as `show` writes it, when that is a JSON number; null otherwise
// (an infinity or not-a-number, which a script cannot give but a number form
// could).
std::string jsonNumber(std::string_view shown);

}  // namespace tg::cli
