// tgedit-cli show --json: read back with a strict JSON reader of its own and
// compared with the plain listing, setting by setting.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cli_app.h"

namespace tg {
namespace {

using test::linesOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// --- a strict JSON reader (RFC 8259), keeping the order of object keys -------

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool flag = false;
    std::string text;  // Number: as written; String: decoded UTF-8
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json& at(const std::string& key) const {
        for (const auto& [name, value] : members) {
            if (name == key) {
                return value;
            }
        }
        throw std::out_of_range("no key " + key);
    }
};

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : s_(text) {}

    Json document() {
        Json value = parseValue();
        skipBlanks();
        if (pos_ != s_.size()) {
            fail("text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(what + " at offset " + std::to_string(pos_));
    }

    void skipBlanks() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) {
            ++pos_;
        }
    }

    void expect(char c) {
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != c) {
            fail(std::string("expected ") + c);
        }
        ++pos_;
    }

    bool literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }

    Json parseValue() {
        skipBlanks();
        if (pos_ >= s_.size()) {
            fail("no value");
        }
        Json value;
        const char c = s_[pos_];
        if (c == '{') {
            value.type = Json::Type::Object;
            ++pos_;
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == '}') {
                ++pos_;
                return value;
            }
            for (;;) {
                skipBlanks();
                std::string key = parseString();
                for (const auto& member : value.members) {
                    if (member.first == key) {
                        fail("repeated key " + key);
                    }
                }
                expect(':');
                value.members.emplace_back(std::move(key), parseValue());
                skipBlanks();
                if (pos_ < s_.size() && s_[pos_] == ',') {
                    ++pos_;
                    continue;
                }
                expect('}');
                return value;
            }
        }
        if (c == '[') {
            value.type = Json::Type::Array;
            ++pos_;
            skipBlanks();
            if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                return value;
            }
            for (;;) {
                value.items.push_back(parseValue());
                skipBlanks();
                if (pos_ < s_.size() && s_[pos_] == ',') {
                    ++pos_;
                    continue;
                }
                expect(']');
                return value;
            }
        }
        if (c == '"') {
            value.type = Json::Type::String;
            value.text = parseString();
            return value;
        }
        if (literal("true") || literal("false")) {
            value.type = Json::Type::Bool;
            value.flag = s_[pos_ - 1] == 'e' && s_[pos_ - 2] == 'u';
            return value;
        }
        if (literal("null")) {
            return value;
        }
        value.type = Json::Type::Number;
        value.text = parseNumber();
        return value;
    }

    std::string parseNumber() {
        const std::size_t start = pos_;
        const auto digits = [this] {
            const std::size_t from = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
                ++pos_;
            }
            return pos_ - from;
        };
        if (pos_ < s_.size() && s_[pos_] == '-') {
            ++pos_;
        }
        const std::size_t intStart = pos_;
        const std::size_t n = digits();
        if (n == 0 || (n > 1 && s_[intStart] == '0')) {
            fail("bad number");
        }
        if (pos_ < s_.size() && s_[pos_] == '.') {
            ++pos_;
            if (digits() == 0) {
                fail("bad fraction");
            }
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) {
                ++pos_;
            }
            if (digits() == 0) {
                fail("bad exponent");
            }
        }
        return std::string(s_.substr(start, pos_ - start));
    }

    static void appendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }

    // Raw bytes must be well-formed UTF-8; escapes decode (BMP only, which
    // is all the writer uses).
    std::string parseString() {
        expect('"');
        std::string out;
        while (pos_ < s_.size()) {
            const auto u = static_cast<unsigned char>(s_[pos_]);
            if (u == '"') {
                ++pos_;
                return out;
            }
            if (u < 0x20) {
                fail("raw control byte in a string");
            }
            if (u == '\\') {
                ++pos_;
                if (pos_ >= s_.size()) {
                    fail("escape at the end");
                }
                const char e = s_[pos_++];
                switch (e) {
                    case '"':
                        out.push_back('"');
                        break;
                    case '\\':
                        out.push_back('\\');
                        break;
                    case '/':
                        out.push_back('/');
                        break;
                    case 'b':
                        out.push_back('\b');
                        break;
                    case 'f':
                        out.push_back('\f');
                        break;
                    case 'n':
                        out.push_back('\n');
                        break;
                    case 'r':
                        out.push_back('\r');
                        break;
                    case 't':
                        out.push_back('\t');
                        break;
                    case 'u': {
                        if (pos_ + 4 > s_.size()) {
                            fail("short \\u escape");
                        }
                        unsigned cp = 0;
                        for (std::size_t k = 0; k < 4; ++k) {
                            const char h = s_[pos_ + k];
                            const int digit = h >= '0' && h <= '9'   ? h - '0'
                                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                                     : -1;
                            if (digit < 0) {
                                fail("bad \\u escape");
                            }
                            cp = cp * 16 + static_cast<unsigned>(digit);
                        }
                        pos_ += 4;
                        if (cp >= 0xD800 && cp <= 0xDFFF) {
                            fail("surrogate escape");
                        }
                        appendUtf8(out, cp);
                        break;
                    }
                    default:
                        fail("unknown escape");
                }
                continue;
            }
            std::size_t length = u < 0x80                 ? 1
                                 : u >= 0xC2 && u <= 0xDF ? 2
                                 : u >= 0xE0 && u <= 0xEF ? 3
                                 : u >= 0xF0 && u <= 0xF4 ? 4
                                                          : 0;
            if (length == 0 || pos_ + length > s_.size()) {
                fail("not UTF-8");
            }
            for (std::size_t i = 1; i < length; ++i) {
                if ((static_cast<unsigned char>(s_[pos_ + i]) & 0xC0) != 0x80) {
                    fail("not UTF-8");
                }
            }
            out.append(s_.substr(pos_, length));
            pos_ += length;
        }
        fail("unterminated string");
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

TEST(JsonReaderCheck, RefusesWhatIsNotJson) {
    for (const char* bad : {"{\"a\": 1,}", "{\"a\": 01}", "[1 2]", "{\"a\": 1, \"a\": 2}",
                            "\"\x01\"", "\"\xff\"", "{\"a\": inf}", "{} {}", "\"\\x\""}) {
        EXPECT_THROW(JsonReader(bad).document(), std::runtime_error) << bad;
    }
    const Json good = JsonReader("{\"a\": [true, -1.5e+3, null, \"\\u00e9\\n\"]}").document();
    EXPECT_EQ(good.at("a").items[3].text, "\xc3\xa9\n");
    EXPECT_EQ(good.at("a").items[1].text, "-1.5e+3");
}

// --- show --json against show ----------------------------------------------------

// The JSON value of one listed setting, written as show writes it.
std::string asShown(const Json& value) {
    switch (value.type) {
        case Json::Type::Bool:
            return value.flag ? "true" : "false";
        case Json::Type::Number:
            return value.text;
        case Json::Type::String:
            return value.text.empty() ? "\"\"" : value.text;
        default:
            return "(unexpected)";
    }
}

// The document flattened into show's lines: KIND CODE FIELD VALUE.
std::vector<std::string> flattened(const Json& doc) {
    std::vector<std::string> lines;
    for (const auto& [kind, records] : doc.members) {
        for (const auto& [code, fields] : records.members) {
            for (const auto& [field, value] : fields.members) {
                if (field == "commodities") {
                    for (std::size_t k = 0; k < value.items.size(); ++k) {
                        const Json& entry = value.items[k];
                        EXPECT_EQ(entry.members.size(), 2u);
                        lines.push_back(kind + " " + code + " commodity" + std::to_string(k + 1) +
                                        " " + entry.at("commodity").text + ":" +
                                        entry.at("amount").text);
                    }
                    continue;
                }
                lines.push_back(kind + " " + code + " " + field + " " + asShown(value));
            }
        }
    }
    return lines;
}

class CliJson : public ::testing::Test {
protected:
    void SetUp() override { test::copyDemoScripts(project.path()); }

    Json json(int expectedExit = 0) {
        const auto shown = cli.run({"show", "--json", project.path()});
        EXPECT_EQ(shown.exitCode, expectedExit) << shown.err;
        text = shown.out;
        return JsonReader(shown.out).document();
    }

    test::CliApp cli;
    TempDir project;
    std::string text;
};

TEST_F(CliJson, HoldsEverySettingOfShowInTheSameOrderAndForms) {
    const Json doc = json();
    const auto listed = linesOf(cli.run({"show", project.path()}).out);
    EXPECT_EQ(flattened(doc), listed);

    ASSERT_EQ(doc.members.size(), 4u);
    EXPECT_EQ(doc.members[0].first, "block");
    EXPECT_EQ(doc.members[3].first, "tweaks");
    EXPECT_EQ(doc.at("block").members.size(), 42u);
    EXPECT_EQ(doc.at("business").members.size(), 45u);
    EXPECT_EQ(doc.at("commodity").members.size(), 32u);
    const Json& bakery = doc.at("business").at("BAKERY");
    EXPECT_EQ(bakery.members[1].first, "commodities");
    ASSERT_EQ(bakery.at("commodities").items.size(), 6u);
    EXPECT_EQ(bakery.at("commodities").items[0].at("commodity").text, "BREAD");
    EXPECT_EQ(bakery.at("commodities").items[0].at("amount").text, "80");
    EXPECT_EQ(bakery.at("commodities").items[2].at("commodity").text, "");
    EXPECT_EQ(doc.at("commodity").at("MEAT").at("membership").type, Json::Type::String);
    EXPECT_EQ(doc.at("commodity").at("MEAT").at("markup").text, "1.3");
    EXPECT_EQ(doc.at("tweaks").at("Tweaks").at("daysoff").type, Json::Type::Bool);

    // The layout is part of the format: two blanks per level.
    EXPECT_EQ(text.rfind("{\n  \"block\": {\n    \"CARROWAY_AVENUE\": {\n"
                         "      \"buildingrights\": false,\n",
                         0),
              0u)
        << text.substr(0, 200);
}

TEST_F(CliJson, OddBytesInATextStayValidJson) {
    // A commodity entry takes whatever stands between "(" and ",".
    std::string business = readBytes(project / "businesssettings.lua");
    const std::string line = "BusinessInfo[BAKERY]:AddCommodity(SWEETS, 20);";
    const auto pos = business.find(line);
    ASSERT_NE(pos, std::string::npos);
    business.replace(pos, line.size(),
                     "BusinessInfo[BAKERY]:AddCommodity(\"S\\W\x01\xc3\xa9\xff\x80\x7f\", 20);");
    writeBytes(project / "businesssettings.lua", business);

    const Json doc = json();
    const Json& entry = doc.at("business").at("BAKERY").at("commodities").items[1];
    // Quotes and backslashes come back as they were, the valid é too; the
    // bytes that are not UTF-8 come back as the characters of their numbers.
    EXPECT_EQ(entry.at("commodity").text, "\"S\\W\x01\xc3\xa9\xc3\xbf\xc2\x80\x7f\"");
    EXPECT_NE(text.find("\\u0001"), std::string::npos);
    EXPECT_NE(text.find("\\u00ff\\u0080"), std::string::npos);
}

TEST_F(CliJson, RepeatedOrEmptyCodesGetKeysOfTheirOwn) {
    std::string codes = readBytes(cli.app / "com_code.txt");
    const auto pos = codes.find("FISH\r\n");
    ASSERT_NE(pos, std::string::npos);
    codes.replace(pos, 4, "MEAT");  // slot 1 repeats slot 0
    // A table that ends early leaves its last slots without a code.
    const auto cut = codes.rfind("\r\n", codes.size() - 3);
    codes.resize(cut + 2);
    writeBytes(cli.app / "com_code.txt", codes);

    const Json doc = json();
    const Json& commodities = doc.at("commodity");
    ASSERT_EQ(commodities.members.size(), 32u);
    EXPECT_EQ(commodities.members[0].first, "MEAT");
    EXPECT_EQ(commodities.members[1].first, "#1");
    EXPECT_EQ(commodities.members[31].first, "#31");
}

TEST_F(CliJson, AScriptThatStopsEarlyStillGivesADocument) {
    std::string hub = readBytes(project / "hub.lua");
    const auto pos = hub.find("Tweaks.daysoff");
    ASSERT_NE(pos, std::string::npos);
    hub.insert(pos, "Tweaks.blockleaselength = nine;\r\n");
    writeBytes(project / "hub.lua", hub);
    const Json doc = json(1);
    EXPECT_EQ(doc.at("tweaks").at("Tweaks").members.size(), 10u);
}

}  // namespace
}  // namespace tg
