#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <type_traits>

#include "fs/paths.h"
#include "model/identifiers.h"
#include "scripts/numbers.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tg::fuzz {

namespace stdfs = std::filesystem;

int ByteSource::below(int n) {
    if (n <= 1) {
        return 0;
    }
    const int raw = n <= 256 ? byte() : u16();
    return raw % n;
}

std::uint16_t ByteSource::u16() {
    const auto low = byte();
    return static_cast<std::uint16_t>(low | (byte() << 8));
}

std::uint32_t ByteSource::u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

std::uint64_t ByteSource::u64() {
    const std::uint64_t low = u32();
    return low | (static_cast<std::uint64_t>(u32()) << 32);
}

std::string_view ByteSource::bytes(std::size_t maxLength) {
    std::size_t length = byte();
    if (length > maxLength) {
        length %= maxLength + 1;
    }
    if (length > size_ - pos_ || empty()) {
        length = empty() ? 0 : size_ - pos_;
    }
    const std::string_view out(reinterpret_cast<const char*>(data_) + pos_, length);
    pos_ += length;
    return out;
}

std::string_view ByteSource::rest() {
    const std::string_view out(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
    pos_ = size_;
    return out;
}

namespace {

// Saves flush every file they write; on a memory file system that costs
// nothing, so the fuzzers run several times faster there.
stdfs::path scratchBase() {
#ifndef _WIN32
    std::error_code ec;
    if (stdfs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
#endif
    return stdfs::temp_directory_path();
}

struct Scratch {
    std::string path;
    Scratch() {
        std::random_device random;
        const stdfs::path base = scratchBase();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const stdfs::path candidate = base / ("tgedit-fuzz-" + std::to_string(random()));
            std::error_code ec;
            if (stdfs::create_directory(candidate, ec)) {
                path = candidate.string() + "/";
                return;
            }
        }
        fail("cannot make a scratch folder");
    }
    ~Scratch() {
        std::error_code ec;
        stdfs::remove_all(path, ec);
    }
};

}  // namespace

const std::string& scratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

void putFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        fail("set-up: cannot write " + path);
    }
    const bool ok =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !ok) {
        fail("set-up: cannot write " + path);
    }
}

std::string getFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        fail("check: cannot read " + path);
    }
    std::string out;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        out.append(buffer, got);
    }
    std::fclose(file);
    return out;
}

void fail(const std::string& what) {
    std::fprintf(stderr, "\n*** fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

std::string escaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n\n";
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string_view> lineList(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            ++i;
            continue;
        }
        lines.push_back(bytes.substr(start, i - start));
        const bool crLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        i += crLf ? 2 : 1;
        start = i;
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

std::string_view codePart(std::string_view line) {
    const std::size_t dashes = line.find("--");
    return dashes == std::string_view::npos ? line : line.substr(0, dashes);
}

std::string reducedLower(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t') {
            out.push_back(asciiLower(c));
        }
    }
    return out;
}

bool containsIgnoreCase(std::string_view text, std::string_view part) {
    if (part.empty()) {
        return true;
    }
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < part.size() && asciiLower(text[i + k]) == asciiLower(part[k])) {
            ++k;
        }
        if (k == part.size()) {
            return true;
        }
    }
    return false;
}

SettingsModel modelWithCodes() {
    SettingsModel model;
    for (int i = 0; i < kBlockCount; ++i) {
        model.Blocks[i].code = std::string(kBlockIdentifiers[i]);
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        model.Businesses[i].code = std::string(kBusinessIdentifiers[i]);
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        model.Commodities[i].code = std::string(kCommodityIdentifiers[i]);
    }
    model.Tweaks.code = std::string(kTweaksIdentifier);
    return model;
}

namespace {

std::string shown(double v) {
    return formatShortest(v);
}

std::string shown(const CommodityEntry& e) {
    return e.commodity + ":" + formatInteger(e.amount);
}

// Appends "field: expected X, got Y" when the two differ.
template <typename T>
void compareField(std::string& out, const char* field, const T& expected, const T& actual) {
    if (!(expected == actual)) {
        if constexpr (std::is_same_v<T, double>) {
            out += std::string(" ") + field + ": expected " + shown(expected) + ", got " +
                   shown(actual) + ";";
        } else if constexpr (std::is_same_v<T, bool>) {
            out += std::string(" ") + field + ": expected " + (expected ? "true" : "false") +
                   ", got " + (actual ? "true" : "false") + ";";
        } else if constexpr (std::is_same_v<T, std::string>) {
            out += std::string(" ") + field + ": expected \"" + expected + "\", got \"" + actual +
                   "\";";
        } else {
            out += std::string(" ") + field + ": expected " + formatInteger(expected) + ", got " +
                   formatInteger(actual) + ";";
        }
    }
}

}  // namespace

bool sameLoadedSet(const SettingsModel& a, const SettingsModel& b) {
    return a.Blocks == b.Blocks && a.Businesses == b.Businesses && a.Commodities == b.Commodities &&
           a.Tweaks == b.Tweaks;
}

std::string describeDifference(const SettingsModel& e, const SettingsModel& a) {
    std::string out;
    for (int i = 0; i < kBlockCount; ++i) {
        const BlockRecord& x = e.Blocks[i];
        const BlockRecord& y = a.Blocks[i];
        std::string d;
        compareField(d, "buildingrights", x.buildingrights, y.buildingrights);
        compareField(d, "ownable", x.ownable, y.ownable);
        compareField(d, "prestige", x.prestige, y.prestige);
        compareField(d, "value", static_cast<long long>(x.value), static_cast<long long>(y.value));
        if (!d.empty()) {
            out += "block " + x.code + ":" + d + "\n";
        }
    }
    for (int i = 0; i < kBusinessCount; ++i) {
        const BusinessRecord& x = e.Businesses[i];
        const BusinessRecord& y = a.Businesses[i];
        std::string d;
        for (int k = 0; k < kCommodityEntries; ++k) {
            if (!(x.commodities[k] == y.commodities[k])) {
                d += " entry " + formatInteger(k + 1) + ": expected " + shown(x.commodities[k]) +
                     ", got " + shown(y.commodities[k]) + ";";
            }
        }
        compareField(d, "closingtime", static_cast<long long>(x.closingtime),
                     static_cast<long long>(y.closingtime));
        compareField(d, "density", x.density, y.density);
        compareField(d, "electricalneed", x.electricalneed, y.electricalneed);
        compareField(d, "footprintband", static_cast<long long>(x.footprintband),
                     static_cast<long long>(y.footprintband));
        compareField(d, "gasneed", x.gasneed, y.gasneed);
        compareField(d, "minarea", static_cast<long long>(x.minarea),
                     static_cast<long long>(y.minarea));
        compareField(d, "minheight", static_cast<long long>(x.minheight),
                     static_cast<long long>(y.minheight));
        compareField(d, "maxarea", static_cast<long long>(x.maxarea),
                     static_cast<long long>(y.maxarea));
        compareField(d, "maxheight", static_cast<long long>(x.maxheight),
                     static_cast<long long>(y.maxheight));
        compareField(d, "maxside", static_cast<long long>(x.maxside),
                     static_cast<long long>(y.maxside));
        compareField(d, "openingtime", static_cast<long long>(x.openingtime),
                     static_cast<long long>(y.openingtime));
        compareField(d, "refurbcost", static_cast<long long>(x.refurbcost),
                     static_cast<long long>(y.refurbcost));
        compareField(d, "stockcapacity", static_cast<long long>(x.stockcapacity),
                     static_cast<long long>(y.stockcapacity));
        compareField(d, "telecomneed", x.telecomneed, y.telecomneed);
        compareField(d, "timeinstore", x.timeinstore, y.timeinstore);
        compareField(d, "waterneed", x.waterneed, y.waterneed);
        if (!d.empty()) {
            out += "business " + x.code + ":" + d + "\n";
        }
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        const CommodityRecord& x = e.Commodities[i];
        const CommodityRecord& y = a.Commodities[i];
        std::string d;
        compareField(d, "markup", x.markup, y.markup);
        compareField(d, "membership", x.membership, y.membership);
        compareField(d, "value", x.value, y.value);
        if (!d.empty()) {
            out += "commodity " + x.code + ":" + d + "\n";
        }
    }
    const TweaksRecord& x = e.Tweaks;
    const TweaksRecord& y = a.Tweaks;
    std::string d;
    compareField(d, "blockleaselength", static_cast<long long>(x.blockleaselength),
                 static_cast<long long>(y.blockleaselength));
    compareField(d, "citybusinessesownable", x.citybusinessesownable, y.citybusinessesownable);
    compareField(d, "dailyfreightEASY", static_cast<long long>(x.dailyfreightEASY),
                 static_cast<long long>(y.dailyfreightEASY));
    compareField(d, "dailyfreightHARD", static_cast<long long>(x.dailyfreightHARD),
                 static_cast<long long>(y.dailyfreightHARD));
    compareField(d, "dailyfreightMEDIUM", static_cast<long long>(x.dailyfreightMEDIUM),
                 static_cast<long long>(y.dailyfreightMEDIUM));
    compareField(d, "daysoff", x.daysoff, y.daysoff);
    compareField(d, "numyearsin24hours", static_cast<long long>(x.numyearsin24hours),
                 static_cast<long long>(y.numyearsin24hours));
    compareField(d, "railutilincomeEASY", x.railutilincomeEASY, y.railutilincomeEASY);
    compareField(d, "railutilincomeHARD", x.railutilincomeHARD, y.railutilincomeHARD);
    compareField(d, "railutilincomeMEDIUM", x.railutilincomeMEDIUM, y.railutilincomeMEDIUM);
    compareField(d, "code", x.code, y.code);
    if (!d.empty()) {
        out += "tweaks:" + d + "\n";
    }
    return out;
}

}  // namespace tg::fuzz
