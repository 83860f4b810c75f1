// tgedit-cli: the editor's model and file work without its windows, for
// modders who script their changes and keep their settings under version
// control. `tgedit-cli help` lists the commands.
//
// It reads projects with the editor's own reader and code tables, saves with
// the editor's writer and copies with the editor's project commands. Its
// files lie where the editor's do (project/program_folders.h).

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/command_line.h"
#include "cli/terminal.h"
#include "project/app_context.h"

namespace {

// The folder of this executable.
std::string applicationFolder(const char* argv0) {
    namespace stdfs = std::filesystem;
    std::error_code ec;
    stdfs::path exe = stdfs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        exe = stdfs::absolute(stdfs::path(argv0 != nullptr ? argv0 : ""), ec);
    }
    return exe.parent_path().string();
}

int run(const tg::cli::CommandLine& line, const char* argv0) {
    using namespace tg::cli;
    const tg::ProgramFoldersOutcome where = tg::settleProgramFolders(
        tg::realFileSystem(), applicationFolder(argv0), tg::processEnvironment);
    if (!where.ok()) {
        printNotices(where.notices);
        return kFailed;
    }
    tg::AppContext ctx(where.folders);
    const auto& ops = line.operands;
    if (line.command == "show") {
        return runShow(ctx, ops[0], line.json);
    }
    if (line.command == "set") {
        return runSet(ctx, ops[0], ops[1], ops[2],
                      std::vector<std::string>(ops.begin() + 3, ops.end()));
    }
    if (line.command == "diff") {
        return runDiff(ctx, ops[0],
                       ops.size() > 1 ? std::optional<std::string>(ops[1]) : std::nullopt);
    }
    if (line.command == "check") {
        return runCheck(ctx, ops[0]);
    }
    if (line.command == "new") {
        return runNew(ctx, ops[0], line.inFolder);
    }
    if (line.command == "import") {
        return runImport(ctx, ops[0], line.yes);
    }
    if (line.command == "backup") {
        return runBackup(ctx, line.yes);
    }
    return kRefused;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace tg::cli;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLine line = parseCommandLine(args);
    const auto help = commandHelp(line.command);

    if (!line.error.empty()) {
        printError(line.error);
        const std::string_view usage = help ? usageOf(*help) : usageOf(toolHelp());
        std::fwrite(usage.data(), 1, usage.size(), stderr);
        const std::string more =
            help ? "Try 'tgedit-cli help " + line.command + "'.\n" : "Try 'tgedit-cli help'.\n";
        std::fwrite(more.data(), 1, more.size(), stderr);
        return kRefused;
    }
    if (line.help) {
        writeOut(help ? *help : toolHelp());
        return kDone;
    }
    return run(line, argc > 0 ? argv[0] : nullptr);
}
