// Fuzz target: the script reader on arbitrary bytes.
//
// The first byte of the input picks the kind (0 blocks, 1 businesses, 2
// tweaks, 3 commodities, taken modulo 4); the rest is the script. Beyond "no
// crash, no sanitizer report", every run checks:
//   - a failure comes back as one notice titled "TGEdit" without control
//     characters (it goes into a message box), and the check of the script
//     names the same line and cause first; without one, the check reads the
//     same values;
//   - commodity entries fill from the front, and a membership is one of the
//     three groups or empty;
//   - the same lines with every line end turned into CR LF (what a save with
//     nothing to change writes) read to the same values and the same notice.

#include <algorithm>

#include "fs/file_system.h"
#include "fuzz_support.h"
#include "model/setting_fields.h"
#include "scripts/script_files.h"
#include "scripts/script_reader.h"
#include "scripts/text_lines.h"

namespace {

using namespace tg;

bool sameLoadedSet(const SettingsModel& a, const SettingsModel& b) {
    return a.Blocks == b.Blocks && a.Businesses == b.Businesses && a.Commodities == b.Commodities &&
           a.Tweaks == b.Tweaks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int kind = data[0] % 4;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string folder = fuzz::scratchFolder();
    const std::string name(scriptFileOfKind(kind));
    std::string crLf;
    for (std::string_view line : splitLines(bytes)) {
        crLf.append(line).append("\r\n");
    }
    static const SettingsModel codes = fuzz::modelWithCodes();
    SettingsModel model = codes;
    SettingsModel checked = codes;
    SettingsModel saved = codes;
    fuzz::putFile(folder + name, bytes);
    const auto notice = readScript(realFileSystem(), folder, kind, model);
    const auto problems = checkScript(realFileSystem(), folder, kind, checked);
    fuzz::putFile(folder + name, crLf);
    const auto savedNotice = readScript(realFileSystem(), folder, kind, saved);

    TG_FUZZ_CHECK(notice.has_value() == !problems.empty(), "the check and the reading disagree");
    if (notice) {
        const ScriptProblem& first = problems.front();
        TG_FUZZ_CHECK(notice->title == "TGEdit" && notice->text == first.path + ", line " +
                                                                       std::to_string(first.line) +
                                                                       ": " + first.reason,
                      "the check names another line or cause than " + notice->text);
        TG_FUZZ_CHECK(std::none_of(notice->text.begin(), notice->text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
                      "a control byte in a notice");
    }
    TG_FUZZ_CHECK(notice || sameLoadedSet(model, checked), "the check reads other values");
    TG_FUZZ_CHECK(notice == savedNotice && sameLoadedSet(model, saved),
                  "CR LF line ends change what is read");
    for (const BusinessRecord& business : model.Businesses) {
        const auto& e = business.commodities;
        TG_FUZZ_CHECK(std::is_sorted(e.begin(), e.end(),
                                     [](auto& a, auto& b) {
                                         return a.commodity.empty() < b.commodity.empty();
                                     }),
                      "a named entry after a free one in " + business.code);
    }
    for (const CommodityRecord& c : model.Commodities) {
        TG_FUZZ_CHECK(c.membership.empty() || std::count(std::begin(kShoppingGroups),
                                                         std::end(kShoppingGroups), c.membership),
                      "membership \"" + c.membership + "\" is not one of the groups");
    }
    return 0;
}
