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

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// shellapi.h needs what windows.h declares.
#include <shellapi.h>
#endif

#include "cli/cli_commands.h"
#include "cli/command_line.h"
#include "cli/terminal.h"
#include "fs/native_paths.h"
#include "project/app_context.h"

namespace {

namespace stdfs = std::filesystem;

// The folder of this executable.
std::string applicationFolder(const char* argv0) {
    std::error_code ec;
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (got < name.size()) {
            name.resize(got);
            break;
        }
        name.resize(name.size() * 2);
    }
    stdfs::path exe(name);
#else
    stdfs::path exe = stdfs::read_symlink("/proc/self/exe", ec);
#endif
    if (ec || exe.empty()) {
        exe = stdfs::absolute(stdfs::path(argv0 != nullptr ? argv0 : ""), ec);
    }
    return tg::textPath(exe.parent_path());
}

// The arguments as UTF-8. On Windows main's argv is in the system's code
// page, which cannot hold every folder name; the wide command line can.
std::vector<std::string> argumentsOf(int argc, char* argv[]) {
#ifdef _WIN32
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        args.push_back(tg::textPath(stdfs::path(wide[i])));
    }
    LocalFree(wide);
    (void)argc;
    return args;
#else
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
#endif
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
    const std::vector<std::string> args = argumentsOf(argc, argv);
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
