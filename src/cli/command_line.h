#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tg::cli {

// The arguments of one run, sorted into command, options and operands.
// Options may stand anywhere after the command; "--" ends them, so an operand
// may begin with a dash.
struct CommandLine {
    std::string command;                  // empty with nothing given
    std::vector<std::string> operands;    // in order
    bool help = false;                    // help, --help, -h, COMMAND --help
    bool json = false;                    // show --json
    bool yes = false;                     // import/backup --yes, -y
    std::optional<std::string> inFolder;  // new --in FOLDER
    std::string error;                    // a usage error; empty when the line is fine
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

// The commands, in the order the help lists them.
bool isCommand(std::string_view name);

// The help of the whole tool, and of one command (nothing for an unknown one).
std::string_view toolHelp();
std::optional<std::string_view> commandHelp(std::string_view command);

// The first lines of a help text, up to its first empty line: the usage.
std::string_view usageOf(std::string_view help);

}  // namespace tg::cli
