#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tg {

enum class WrittenForm : std::uint8_t;

// Numbers are read and written independently of the user's locale: a point
// is the only decimal separator.

// The longest leading part of text that forms a number: an optional sign,
// digits, an optional point with digits, an optional exponent. length is 0
// when text does not begin with a number. A magnitude too large for a double
// sets overflow and gives an infinite value; one too small gives zero.
struct NumberScan {
    std::size_t length = 0;
    double value = 0.0;
    bool overflow = false;
};
NumberScan scanNumber(std::string_view text);

// The editors' number reading: spaces and tabs are ignored wherever they
// stand, the longest leading number is read and the rest ignored; a text
// without one reads as 0. An overflowing number reads as an infinity, which
// the editors refuse.
double readNumber(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour
// (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

// Half-to-even rounding into a 16- or 32-bit field; nothing when the result
// is outside the field's range or the value is not finite.
std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

// Number forms of the written scripts and the editors' boxes.
// Integer: plain decimal, a minus sign for negatives.
std::string formatInteger(long long value);
// Fixed forms ("0.0" with 1 decimal, "0.00" with 2): at least one digit before
// the point, exactly `decimals` after it, rounded half away from zero on the
// decimal value as written (2.25 gives 2.3, 1.005 gives 1.01).
std::string formatFixed(double value, int decimals);
// A setting's value in its written form: a number (a flag as 0 or 1) as the
// table of setting fields says, empty for the argument forms.
std::string formatWritten(double value, WrittenForm form);
// Shortest decimal form: up to 15 significant digits, no trailing zeros, no
// point for a whole number, a 0 before the point below 1 (0.5, 3, 1e+20).
std::string formatShortest(double value);

// The form in which an editor box shows a number that the scripts write in
// `written`, where the box's own pattern has `decimals` decimals: that
// pattern, unless the number read back from it would be written otherwise
// than the number itself; then the written form. So a Set on a box nobody
// typed into stores what the writer would have written for the number as it
// was. A prestige (written "0.00", shown "0.0") of 5.3 shows 5.3 and one of
// 5.27 shows 5.27; a density (written in the shortest form, shown "0.00") of
// 1.5 shows 1.50 and one of 1.234 shows 1.234.
std::string formatShown(double value, int decimals, WrittenForm written);

}  // namespace tg
