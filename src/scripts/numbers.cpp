#include "scripts/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "model/setting_fields.h"
#include "scripts/text_ops.h"

namespace tg {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    return end - pos;
}

}  // namespace

NumberScan scanNumber(std::string_view text) {
    NumberScan scan;
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t intStart = pos;
    const std::size_t intDigits = digitsFrom(text, pos);
    pos += intDigits;
    std::size_t fracStart = pos;
    std::size_t fracDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        fracDigits = digitsFrom(text, pos + 1);
        if (intDigits > 0 || fracDigits > 0) {
            fracStart = pos + 1;
            pos += 1 + fracDigits;
        }
    }
    if (intDigits == 0 && fracDigits == 0) {
        return scan;  // no number at all
    }
    long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t e = pos + 1;
        bool expNegative = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            expNegative = text[e] == '-';
            ++e;
        }
        const std::size_t expDigits = digitsFrom(text, e);
        if (expDigits > 0) {
            for (std::size_t i = e; i < e + expDigits; ++i) {
                if (exponent < 100000) {
                    exponent = exponent * 10 + (text[i] - '0');
                }
            }
            if (expNegative) {
                exponent = -exponent;
            }
            pos = e + expDigits;
        }
    }
    scan.length = pos;

    // Normalised text for from_chars, which takes no '+' and wants digits
    // before the point.
    std::string normal;
    normal.reserve(pos + 8);
    if (negative) {
        normal.push_back('-');
    }
    if (intDigits > 0) {
        normal.append(text.substr(intStart, intDigits));
    } else {
        normal.push_back('0');
    }
    if (fracDigits > 0) {
        normal.push_back('.');
        normal.append(text.substr(fracStart, fracDigits));
    }
    if (exponent != 0) {
        normal.push_back('e');
        normal.append(std::to_string(exponent));
    }

    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow by the decimal exponent of
        // the first significant digit.
        std::string_view digits = text.substr(intStart, intDigits);
        long magnitude = exponent;
        std::size_t lead = 0;
        while (lead < digits.size() && digits[lead] == '0') {
            ++lead;
        }
        if (lead < digits.size()) {
            magnitude += static_cast<long>(digits.size() - lead);
        } else {
            std::string_view frac = text.substr(fracStart, fracDigits);
            std::size_t zeros = 0;
            while (zeros < frac.size() && frac[zeros] == '0') {
                ++zeros;
            }
            magnitude -= static_cast<long>(zeros);
        }
        if (magnitude > 0) {
            scan.overflow = true;
            value = std::numeric_limits<double>::infinity();
        } else {
            value = 0.0;
        }
        if (negative) {
            value = -value;
        }
    }
    scan.value = value;
    return scan;
}

double readNumber(std::string_view text) {
    return scanNumber(removeBlanks(text)).value;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) {
        return floor + 1.0;
    }
    if (diff < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<std::int16_t> roundToInt16(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> roundToInt32(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(r);
}

std::string formatInteger(long long value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return formatShortest(value);
    }
    if (decimals < 0) {
        decimals = 0;
    }
    // The shortest text that reads back as this double, in scientific form:
    // d.ddddde±x. Rounding works on those decimal digits, so 2.25 gives 2.3.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    bool negative = false;
    if (!sci.empty() && sci.front() == '-') {
        negative = true;
        sci.remove_prefix(1);
    }
    const auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    int exponent = 0;
    const std::string_view expText = sci.substr(ePos + 1);
    std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0),
                    expText.data() + expText.size(), exponent);

    // digits with the point after `point` of them.
    long point = exponent + 1;
    if (point <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - point), '0');
        point = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(point) + static_cast<std::size_t>(decimals);
    if (digits.size() <= keep) {
        digits.append(keep + 1 - digits.size(), '0');
    }
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    }
    std::string whole = digits.substr(0, static_cast<std::size_t>(point));
    const std::string fraction = digits.substr(static_cast<std::size_t>(point));
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    const bool isZero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !isZero) ? "-" : "";
    out += whole;
    if (decimals > 0) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string formatShortest(double value) {
    if (value == 0.0) {
        return "0";  // also for -0
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string formatShown(double value, int decimals, WrittenForm written) {
    std::string shown = formatFixed(value, decimals);
    if (formatWritten(readNumber(shown), written) != formatWritten(value, written)) {
        shown = formatWritten(value, written);
    }
    return shown;
}

std::string formatWritten(double value, WrittenForm form) {
    switch (form) {
        case WrittenForm::Integer:
            return formatInteger(static_cast<long long>(value));
        case WrittenForm::OneDecimal:
            return formatFixed(value, 1);
        case WrittenForm::TwoDecimals:
            return formatFixed(value, 2);
        case WrittenForm::Shortest:
            return formatShortest(value);
        case WrittenForm::TrueFalse:
            return value != 0.0 ? "true" : "false";
        case WrittenForm::TwoOrZero:
            return value != 0.0 ? "2" : "0";
        case WrittenForm::Arguments:
            break;
    }
    return {};
}

}  // namespace tg
