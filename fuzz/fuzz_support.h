#pragma once

// Helpers shared by the fuzz targets: a reader of the fuzzer's bytes, one
// scratch folder per process, whole-file access for the targets' own set-up,
// and a check that stops the run.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "model/identifiers.h"
#include "model/settings_model.h"

namespace tg::fuzz {

// Takes values out of the fuzzer's input from the front. An exhausted input
// gives zeros, so every input, however short, decodes to something.
class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool flag() { return (byte() & 1) != 0; }
    // 0 to n - 1, for n up to 65536.
    int below(int n) { return n <= 1 ? 0 : (n <= 256 ? byte() : byte() | byte() << 8) % n; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Stops the run: the fuzzer takes the abort as a crash and keeps the input.
#define TG_FUZZ_CHECK(condition, message)                                                        \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "\n*** fuzz check failed: %s\n", std::string(message).c_str()); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

// A folder for this process's scratch files, ending in the separator: in
// memory where the machine has /dev/shm (saves flush every file), removed at
// exit.
inline const std::string& scratchFolder() {
    namespace stdfs = std::filesystem;
    static const struct Scratch {
        stdfs::path path =
            (stdfs::is_directory("/dev/shm") ? "/dev/shm" : stdfs::temp_directory_path()) /
            ("tgedit-fuzz-" + std::to_string(std::random_device()()));
        Scratch() { stdfs::create_directories(path); }
        ~Scratch() { stdfs::remove_all(path); }
    } scratch;
    static const std::string text = (scratch.path / "").string();
    return text;
}

inline void putFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string getFile(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// A loaded set whose codes are the slot identifiers, as the shipped code
// tables give them, and whose tweaks carry their name.
inline SettingsModel modelWithCodes() {
    SettingsModel m;
    auto name = [](auto& records, const auto& identifiers) {
        for (std::size_t i = 0; i < identifiers.size(); ++i) {
            records[i].code = identifiers[i];
        }
    };
    name(m.Blocks, kBlockIdentifiers);
    name(m.Businesses, kBusinessIdentifiers);
    name(m.Commodities, kCommodityIdentifiers);
    m.Tweaks.code = kTweaksIdentifier;
    return m;
}

}  // namespace tg::fuzz
