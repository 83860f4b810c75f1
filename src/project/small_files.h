#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tg {

// tgedit.cfg and tgedit.prj are read as values separated by commas or line
// ends: leading blanks of a value are skipped; a value that begins with a
// double quote runs to the closing quote; any other value runs to the next
// comma or line end.
std::vector<std::string> readValues(std::string_view bytes);

// A number written with one blank before it and one after it (" 1 ").
std::string paddedNumber(long long value);

// Reads a count value; a missing or non-numeric value counts as 0.
std::int64_t countValue(const std::vector<std::string>& values, std::size_t index);

}  // namespace tg
