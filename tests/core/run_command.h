#pragma once

// Runs a program of the test machine (lua5.4, the built tgedit-cli) and
// collects what it printed, for the tests that check those programs from
// the outside.

#include <string>
#include <vector>

namespace tg::test {

struct CommandResult {
    int exitCode = -1;  // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// What the program finds on its standard input.
enum class Input {
    Empty,     // /dev/null
    Pipe,      // a pipe holding the input text, then its end
    Terminal,  // a pseudo-terminal that has been sent the input text
};

// Runs argv[0] with the other arguments, each passed as it stands (no shell
// expansion), with standard input empty.
CommandResult runCommand(const std::vector<std::string>& argv);

// The same with the given standard input. On a terminal, "\x04" at the start
// of a line is the end of the input.
CommandResult runCommand(const std::vector<std::string>& argv, Input input,
                         const std::string& text);

// The lines of a text, without their line ends ("\n" or "\r\n").
std::vector<std::string> linesOf(const std::string& text);

}  // namespace tg::test
