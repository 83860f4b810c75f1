// Fuzz target: the script reader on arbitrary bytes.
//
// The first byte of the input picks the kind (0 blocks, 1 businesses, 2
// tweaks, 3 commodities, taken modulo 4); the rest is the project script (the
// four script names of the scratch project are links to one file). Beyond "no crash, no sanitizer
// report", every run checks:
//   - a failure comes back as one notice titled "TGEdit" that names the
//     script, with no control characters in it (it goes into a message box);
//   - the reader fills commodity entries from the front: no named entry
//     follows a free one, and membership is one of the three groups or empty;
//   - the codes of the loaded set are left alone;
//   - the same lines with every line end turned into CR LF (what a save with
//     nothing to change writes) read to the same model and the same notice.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "fs/file_system.h"
#include "fuzz_support.h"
#include "model/identifiers.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"

namespace {

using namespace tg;
using namespace tg::fuzz;

struct Project {
    std::string folder;
    std::string original;
    std::string normalised;

    Project() {
        namespace stdfs = std::filesystem;
        folder = scratchFolder() + "reader/";
        stdfs::create_directories(folder + "as-read");
        stdfs::create_directories(folder + "as-saved");
        original = folder + "original.bin";
        normalised = folder + "normalised.bin";
        putFile(original, "");
        putFile(normalised, "");
        for (std::string_view name : kScriptFiles) {
            stdfs::create_symlink(original, folder + "as-read/" + std::string(name));
            stdfs::create_symlink(normalised, folder + "as-saved/" + std::string(name));
        }
    }
};

const Project& project() {
    static const Project p;
    return p;
}

void checkNotice(const std::optional<Notice>& notice, int kind) {
    if (!notice) {
        return;
    }
    TG_FUZZ_CHECK(notice->title == "TGEdit",
                  "a reader notice has the title \"" + notice->title + "\"");
    TG_FUZZ_CHECK(notice->text.find(std::string(scriptFileOfKind(kind))) != std::string::npos,
                  "a reader notice does not name its script: " + notice->text);
    for (char c : notice->text) {
        TG_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20,
                      "a reader notice holds a control character");
    }
}

void checkShape(const SettingsModel& model, const SettingsModel& codes) {
    for (int i = 0; i < kBusinessCount; ++i) {
        bool freeSeen = false;
        for (const CommodityEntry& entry : model.Businesses[i].commodities) {
            TG_FUZZ_CHECK(
                !(freeSeen && !entry.commodity.empty()),
                "business " + codes.Businesses[i].code + " has a named entry after a free one");
            freeSeen = freeSeen || entry.commodity.empty();
        }
        TG_FUZZ_CHECK(model.Businesses[i].code == codes.Businesses[i].code,
                      "a business code changed");
    }
    for (int i = 0; i < kCommodityCount; ++i) {
        const std::string& m = model.Commodities[i].membership;
        TG_FUZZ_CHECK(m.empty() || m == "MAINSHOPPING" || m == "ENTERTAINMENTSHOPPING" ||
                          m == "STAYOVERSHOPPING",
                      "membership \"" + m + "\" is not one of the groups");
        TG_FUZZ_CHECK(model.Commodities[i].code == codes.Commodities[i].code,
                      "a commodity code changed");
    }
    for (int i = 0; i < kBlockCount; ++i) {
        TG_FUZZ_CHECK(model.Blocks[i].code == codes.Blocks[i].code, "a block code changed");
    }
    TG_FUZZ_CHECK(model.Tweaks.code == "Tweaks", "the tweaks lost their name");
}

// The lines joined with CR LF, as a save with nothing to change writes them.
std::string withCrLf(std::string_view bytes) {
    std::string out;
    const auto lines = lineList(bytes);
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return lines.empty() ? std::string("\r\n") : out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Project& p = project();
    const int kind = data[0] % 4;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    putFile(p.original, bytes);
    putFile(p.normalised, withCrLf(bytes));
    const SettingsModel codes = modelWithCodes();

    SettingsModel asRead = codes;
    const auto notice = readScript(realFileSystem(), p.folder + "as-read/", kind, asRead);
    checkNotice(notice, kind);
    checkShape(asRead, codes);

    SettingsModel asSaved = codes;
    const auto savedNotice = readScript(realFileSystem(), p.folder + "as-saved/", kind, asSaved);
    TG_FUZZ_CHECK(notice.has_value() == savedNotice.has_value(),
                  "CR LF line ends change whether the script reads");
    if (notice) {
        // The notices differ only in the folder they name.
        const std::string a = notice->text.substr(notice->text.find(".lua"));
        const std::string b = savedNotice->text.substr(savedNotice->text.find(".lua"));
        TG_FUZZ_CHECK(a == b, "CR LF line ends change the notice: " + a + " / " + b);
    }
    TG_FUZZ_CHECK(sameLoadedSet(asRead, asSaved),
                  "CR LF line ends change what is read:\n" + describeDifference(asRead, asSaved));
    return 0;
}
