#pragma once

// Helpers shared by the fuzz targets: a reader of the fuzzer's bytes, one
// scratch project folder per process, and small independent re-statements of
// the line rules (split, strip comment, remove blanks) so the targets do not
// check the program with its own helpers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/settings_model.h"

namespace tg::fuzz {

// Takes values out of the fuzzer's input from the front. An exhausted input
// gives zeros, so every input, however short, decodes to something.
class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }
    bool flag() { return (byte() & 1) != 0; }
    // 0 to n - 1 (n at most 65536).
    int below(int n);
    std::uint16_t u16();
    std::uint32_t u32();
    std::uint64_t u64();
    // A length byte, then up to that many bytes (fewer at the end).
    std::string_view bytes(std::size_t maxLength);
    // Whatever is left.
    std::string_view rest();

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A folder for this process's scratch files, made on first use and removed
// at exit. Ends in the path separator.
const std::string& scratchFolder();

// Plain file access for the targets' own set-up and checks; aborts on a
// failure of the machine (that is no finding about the program).
void putFile(const std::string& path, std::string_view bytes);
std::string getFile(const std::string& path);

// Stops the run with a message: the fuzzer takes the abort as a crash and
// keeps the input; the plain runner exits non-zero.
[[noreturn]] void fail(const std::string& what);

// Fails with the message when the condition does not hold; the message is
// only put together then, which keeps the runs fast.
#define TG_FUZZ_CHECK(condition, message) \
    do {                                  \
        if (!(condition)) {               \
            ::tg::fuzz::fail(message);    \
        }                                 \
    } while (false)

// The bytes with line ends and other control bytes spelled out (\r, \n,
// \xNN) and a real line break after each line end, for failure messages.
std::string escaped(std::string_view bytes);

// Independent re-statements of the line rules.
std::vector<std::string_view> lineList(std::string_view bytes);  // CR, CR LF or LF end a line
std::string_view codePart(std::string_view line);                // text before the first "--"
std::string reducedLower(std::string_view text);  // blanks and tabs removed, ASCII lowered
bool containsIgnoreCase(std::string_view text, std::string_view part);

// A loaded set whose codes are the slot identifiers (as the shipped code
// tables give them) and whose tweaks carry their name.
SettingsModel modelWithCodes();

// Whether the loaded sets (Blocks, Businesses, Commodities, Tweaks) are equal,
// and where they differ, field by field, for readable failures.
bool sameLoadedSet(const SettingsModel& a, const SettingsModel& b);
std::string describeDifference(const SettingsModel& expected, const SettingsModel& actual);

}  // namespace tg::fuzz
