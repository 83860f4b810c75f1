#include "project/small_files.h"

#include <cmath>
#include <limits>

#include "scripts/numbers.h"

namespace tg {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Moves pos past one line end (CR LF counts as one) when it stands there.
void skipLineEnd(std::string_view bytes, std::size_t& pos) {
    if (pos < bytes.size() && bytes[pos] == '\r') {
        ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') {
            ++pos;
        }
    } else if (pos < bytes.size() && bytes[pos] == '\n') {
        ++pos;
    }
}

// Moves pos past the separator that ends a value: a comma or a line end.
void skipSeparator(std::string_view bytes, std::size_t& pos) {
    if (pos < bytes.size() && bytes[pos] == ',') {
        ++pos;
    } else {
        skipLineEnd(bytes, pos);
    }
}

std::size_t valueEnd(std::string_view bytes, std::size_t pos) {
    while (pos < bytes.size() && bytes[pos] != ',' && !isLineEnd(bytes[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

std::vector<std::string> readValues(std::string_view bytes) {
    std::vector<std::string> values;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        while (pos < bytes.size() && bytes[pos] == ' ') {
            ++pos;
        }
        std::string value;
        if (pos < bytes.size() && bytes[pos] == '"') {
            ++pos;
            // A quoted value may hold commas and line ends; it runs to the
            // closing quote, or to the end of the file when there is none.
            while (pos < bytes.size()) {
                if (bytes[pos] == '"') {
                    if (pos + 1 < bytes.size() && bytes[pos + 1] == '"') {
                        value.push_back('"');
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                value.push_back(bytes[pos++]);
            }
            pos = valueEnd(bytes, pos);
        } else {
            const std::size_t end = valueEnd(bytes, pos);
            value.assign(bytes.substr(pos, end - pos));
            pos = end;
        }
        values.push_back(std::move(value));
        skipSeparator(bytes, pos);
    }
    return values;
}

std::string paddedNumber(long long value) {
    const std::string digits = formatInteger(value);
    return value < 0 ? digits + " " : " " + digits + " ";
}

std::int64_t countValue(const std::vector<std::string>& values, std::size_t index) {
    if (index >= values.size()) {
        return 0;
    }
    std::string_view text = values[index];
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    std::size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') {
        ++end;
    }
    const std::string_view token = text.substr(0, end);
    const NumberScan scan = scanNumber(token);
    if (scan.length == 0 || scan.length != token.size()) {
        return 0;
    }
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    const double rounded = roundHalfEven(scan.value);
    // 2^63 is the first double above the 64-bit range.
    if (scan.overflow || rounded >= 9223372036854775808.0) {
        return rounded < 0 ? kMin : kMax;
    }
    if (rounded < -9223372036854775808.0) {
        return kMin;
    }
    return static_cast<std::int64_t>(rounded);
}

std::int64_t raisedCount(std::int64_t count, std::int64_t bottom, std::int64_t top) {
    if (count >= top) {
        return top;
    }
    if (count < bottom) {
        count = bottom;
    }
    return count + 1;
}

std::string textValue(std::string_view text) {
    bool quote = !text.empty() && text.front() == ' ';
    for (char c : text) {
        if (c == ',' || c == '"' || isLineEnd(c)) {
            quote = true;
        }
    }
    if (!quote) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out.push_back(c);
        if (c == '"') {
            out.push_back('"');
        }
    }
    out.push_back('"');
    return out;
}

ConfigFile parseConfig(std::string_view bytes) {
    const std::vector<std::string> values = readValues(bytes);
    ConfigFile config;
    if (!values.empty()) {
        config.gamePath = values[0];
    }
    const std::int64_t count = countValue(values, 1);
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    config.startCount = static_cast<std::int32_t>(count > kMax   ? kMax
                                                  : count < kMin ? kMin
                                                                 : count);
    return config;
}

std::string configText(const ConfigFile& config) {
    return textValue(config.gamePath) + std::string(kLineEnd) + paddedNumber(config.startCount) +
           std::string(kLineEnd);
}

MarkerFile parseMarker(std::string_view bytes) {
    const std::vector<std::string> values = readValues(bytes);
    MarkerFile marker;
    if (!values.empty()) {
        marker.text = values[0];
    }
    const std::int64_t count = countValue(values, 1);
    constexpr std::int64_t kMax = std::numeric_limits<std::int16_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int16_t>::min();
    marker.openCount = static_cast<std::int16_t>(count > kMax ? kMax : count < kMin ? kMin : count);
    return marker;
}

std::string markerText(std::string_view version, std::int16_t openCount) {
    return "TG Edit: " + std::string(version) + std::string(kLineEnd) + paddedNumber(openCount) +
           std::string(kLineEnd);
}

}  // namespace tg
