#include "cli/json_text.h"

#include <cstdint>

namespace tg::cli {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendUnicodeEscape(std::string& out, unsigned value) {
    out += "\\u00";
    out.push_back(kHexDigits[(value >> 4) & 0xF]);
    out.push_back(kHexDigits[value & 0xF]);
}

// The length of the well-formed UTF-8 sequence that starts at bytes[pos]
// (no overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned lead = byte(pos);
    std::size_t length = 0;
    unsigned low = 0x80;  // the allowed range of the second byte
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return 0;
    }
    if (pos + length > bytes.size()) {
        return 0;
    }
    if (byte(pos + 1) < low || byte(pos + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view bytes) {
    out.push_back('"');
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const char c = bytes[pos];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            const std::size_t length = utf8SequenceLength(bytes, pos);
            if (length == 0) {
                appendUnicodeEscape(out, u);
                ++pos;
            } else {
                out.append(bytes.substr(pos, length));
                pos += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    appendUnicodeEscape(out, u);
                } else {
                    out.push_back(c);
                }
        }
        ++pos;
    }
    out.push_back('"');
}

}  // namespace tg::cli
