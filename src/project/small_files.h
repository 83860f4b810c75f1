#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tg {

// tgedit.cfg and tgedit.prj are read as values separated by commas or line
// ends (CR, CR LF or LF alone): leading blanks of a value are skipped; a value
// that begins with a double quote runs to the closing quote (two double quotes
// inside it stand for one, and whatever follows the closing quote up to the
// next comma or line end is dropped); any other value runs to the next comma
// or line end.
std::vector<std::string> readValues(std::string_view bytes);

// A number written with one blank before it and one after it (" 1 "); a
// negative number has its minus sign in place of the first blank ("-1 ").
std::string paddedNumber(long long value);

// Reads a count value: leading blanks skipped, the number ends at a blank and
// is rounded half to even when it has a fraction. A missing or non-numeric
// value counts as 0; a value too large in either direction gives the largest
// (or smallest) 64-bit number, for the caller to bring into its own range.
std::int64_t countValue(const std::vector<std::string>& values, std::size_t index);

// count + 1, staying at top once it is there (and below it brought into range
// first, so a damaged count never wraps round).
std::int64_t raisedCount(std::int64_t count, std::int64_t bottom, std::int64_t top);

// A text value as written into a small file: as it stands, or in double
// quotes (inner double quotes doubled) when it would not read back whole
// as it stands: it holds a comma, a double quote or a line end, or begins
// with a blank.
std::string textValue(std::string_view text);

// tgedit.cfg: the game folder and the start count.
struct ConfigFile {
    std::string gamePath;
    std::int32_t startCount = 0;
};

// The values of tgedit.cfg; a damaged file gives an empty game folder and/or
// a count of 0.
ConfigFile parseConfig(std::string_view bytes);

// The whole of tgedit.cfg: the game folder line, then the padded count, each
// ended by CR LF.
std::string configText(const ConfigFile& config);

// tgedit.prj: the marker text and the open count.
struct MarkerFile {
    std::string text;
    std::int16_t openCount = 0;
};

MarkerFile parseMarker(std::string_view bytes);

// The marker as every open rewrites it: "TG Edit: " + version, then the
// padded open count, each ended by CR LF.
std::string markerText(std::string_view version, std::int16_t openCount);

}  // namespace tg
