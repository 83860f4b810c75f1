#pragma once

// Runs a program of the test machine (lua5.4, the built tgedit-cli) and
// collects what it printed, for the tests that check those programs from
// the outside: by fork and exec on POSIX, by CreateProcessW on Windows.

#include <string>
#include <vector>

namespace tg::test {

struct CommandResult {
    int exitCode = -1;  // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// What the program finds on its standard input: a file holding the input
// text, or a pseudo-terminal that has been sent the text ("\x04" at the start
// of a line ends the input there; POSIX only).
enum class Input { File, Terminal };

// Runs argv[0] with the other arguments, each passed as it stands (no shell
// expansion).
CommandResult runCommand(const std::vector<std::string>& argv, Input input = Input::File,
                         const std::string& text = "");

}  // namespace tg::test
