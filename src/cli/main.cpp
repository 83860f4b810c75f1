// tgedit-cli: the editor's model without its windows, for scripted changes.
//
//   tgedit-cli show PROJECT_DIR
//   tgedit-cli set PROJECT_DIR KIND CODE FIELD=VALUE...
//
// It reads the project with the editor's own reader and code tables (those
// of the folder the executable lies in) and saves with the editor's writer.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/settings_fields.h"
#include "fs/paths.h"
#include "project/app_context.h"
#include "project/small_files.h"
#include "scripts/script_reader.h"
#include "scripts/script_writer.h"

namespace {

// Exit statuses.
constexpr int kDone = 0;
constexpr int kFailed = 1;   // a script or table could not be read, or the save failed
constexpr int kRefused = 2;  // a wrong command or value; nothing was written

// A game program of exactly this length belongs to a version that does not
// take the rail and utility tweaks.
constexpr std::uintmax_t kIncompatibleProgramLength = 1486890;

constexpr std::string_view kUsage =
    "usage: tgedit-cli show PROJECT_DIR\n"
    "       tgedit-cli set PROJECT_DIR KIND CODE FIELD=VALUE...\n"
    "       tgedit-cli --help\n"
    "\n"
    "show  prints every setting of the project's four scripts, one per line,\n"
    "      as KIND CODE FIELD VALUE.\n"
    "set   stores the values in one record, as the editor's Set buttons do, and\n"
    "      saves the project: only that record's lines of its script are rewritten.\n"
    "\n"
    "KIND is block, business, commodity or tweaks; CODE is the record's identifier\n"
    "(AIRPORT, BAKERY, MEAT) or Tweaks. Numbers are read as the editor reads them\n"
    "(a point as the decimal separator; whole-number fields round half to even);\n"
    "flags are true or false; membership is MAINSHOPPING, ENTERTAINMENTSHOPPING or\n"
    "STAYOVERSHOPPING. A business's commodity entries are commodity1 to commodity6,\n"
    "set as COMMODITY:AMOUNT (AMOUNT 1 to 100), or as nothing to free the entry:\n"
    "\n"
    "  tgedit-cli set MyCity block AIRPORT value=150 prestige=1.5\n"
    "  tgedit-cli set MyCity business BAKERY commodity2=DRINKS:20 commodity3=\n"
    "\n"
    "The code tables come from the folder of this program. The rail and utility\n"
    "tweaks are refused when the game folder named in its tgedit.cfg holds a game\n"
    "version that does not take them.\n"
    "\n"
    "Exit status: 0 done; 1 a script could not be read or saved (messages on\n"
    "standard error); 2 a wrong command or value, and nothing was written.\n";

void printError(std::string_view text) {
    std::string line = "tgedit-cli: ";
    line.append(text);
    line.push_back('\n');
    std::fputs(line.c_str(), stderr);
}

// Each notice on one line of standard error.
void printNotices(const tg::Notices& notices) {
    for (const auto& notice : notices) {
        std::string line;
        for (char c : notice.text) {
            const bool lineEnd = c == '\r' || c == '\n';
            if (!lineEnd) {
                line.push_back(c);
            } else if (!line.empty() && line.back() != ' ') {
                line.push_back(' ');
            }
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        line.push_back('\n');
        std::fputs(line.c_str(), stderr);
    }
}

// The folder of this executable, where the code tables and tgedit.cfg lie.
std::string applicationFolder(const char* argv0) {
    namespace stdfs = std::filesystem;
    std::error_code ec;
    stdfs::path exe = stdfs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        exe = stdfs::absolute(stdfs::path(argv0 != nullptr ? argv0 : ""), ec);
    }
    return exe.parent_path().string();
}

// False exactly when tgedit.cfg names a game folder whose mc.exe has the
// incompatible length; true when there is no tgedit.cfg, no game folder in it,
// or no mc.exe to measure.
bool versionCompatible(tg::AppContext& ctx) {
    const std::string config = ctx.app.Path + "tgedit.cfg";
    if (!ctx.fs.pathExists(config)) {
        return true;
    }
    std::string bytes;
    if (ctx.fs.readFile(config, bytes)) {
        return true;
    }
    const auto values = tg::readValues(bytes);
    if (values.empty() || values.front().empty()) {
        return true;
    }
    ctx.state.GamePath = tg::withTrailingSeparator(values.front());
    const auto size = ctx.fs.fileSize(ctx.state.GamePath + "mc.exe");
    return !(size && *size == kIncompatibleProgramLength);
}

tg::Notices loadProject(tg::AppContext& ctx, const std::string& projectDir) {
    ctx.state.ProjectPath = tg::withTrailingSeparator(projectDir);
    return tg::loadProjectModel(ctx.fs, ctx.app.Path, ctx.state);
}

int runShow(tg::AppContext& ctx, const std::string& projectDir) {
    const tg::Notices notices = loadProject(ctx, projectDir);
    const std::string listing = tg::cli::listSettings(ctx.state.model);
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    std::fflush(stdout);
    if (!notices.empty()) {
        printNotices(notices);
        return kFailed;
    }
    return kDone;
}

bool isKnownKind(std::string_view kind) {
    for (const char* known : {"block", "business", "commodity", "tweaks"}) {
        if (tg::equalsIgnoreCase(kind, known)) {
            return true;
        }
    }
    return false;
}

int runSet(tg::AppContext& ctx, const std::string& projectDir, const std::string& kind,
           const std::string& code, const std::vector<std::string>& assignments) {
    if (!isKnownKind(kind)) {
        printError("no kind '" + kind + "' (kinds: block, business, commodity, tweaks)");
        return kRefused;
    }
    ctx.state.bVersionCompatible = versionCompatible(ctx);

    // The writer regenerates every line of a changed record from the model,
    // so a model that was not read in full would overwrite settings with
    // zeros. Nothing is written then.
    const tg::Notices notices = loadProject(ctx, projectDir);
    if (!notices.empty()) {
        printNotices(notices);
        printError("nothing was changed: the project could not be read in full");
        return kFailed;
    }

    const auto refusals = tg::cli::applySettings(ctx.state, kind, code, assignments);
    if (!refusals.empty()) {
        for (const auto& refusal : refusals) {
            printError(refusal);
        }
        printError("nothing was changed");
        return kRefused;
    }

    const tg::Notices failures = tg::Save_Project(ctx.fs, ctx.state, ctx.app.Version);
    if (!failures.empty()) {
        printNotices(failures);
        printError("the project was not saved in full");
        return kFailed;
    }
    return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
        return kDone;
    }
    if (args.empty()) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
        return kRefused;
    }

    const std::string& command = args[0];
    const bool show = command == "show" && args.size() == 2;
    const bool set = command == "set" && args.size() >= 5;
    if (!show && !set) {
        if (command == "show" || command == "set") {
            printError("wrong number of arguments for " + command);
        } else {
            printError("no command '" + command + "'");
        }
        std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
        return kRefused;
    }
    if (args[1].empty()) {
        printError("PROJECT_DIR is empty");
        return kRefused;
    }

    tg::AppContext ctx(applicationFolder(argc > 0 ? argv[0] : nullptr));
    if (show) {
        return runShow(ctx, args[1]);
    }
    return runSet(ctx, args[1], args[2], args[3],
                  std::vector<std::string>(args.begin() + 4, args.end()));
}
