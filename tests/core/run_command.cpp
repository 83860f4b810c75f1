#include "run_command.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace tg::test {

namespace {

void writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            throw std::runtime_error("cannot hand the input to the program");
        }
        done += static_cast<std::size_t>(n);
    }
}

std::string readAll(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text.push_back(static_cast<char>(c));
    }
    std::fclose(file);
    return text;
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv, Input input,
                         const std::string& text) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    int in = -1;
    int terminal = -1;  // the terminal's other side, open while the program runs
    if (input == Input::File) {
        std::FILE* file = std::tmpfile();
        if (file != nullptr) {
            writeAll(::fileno(file), text);
            std::rewind(file);
            in = ::dup(::fileno(file));
            std::fclose(file);
        }
    } else {
        terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
        const char* name = terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0
                               ? ::ptsname(terminal)
                               : nullptr;
        in = name != nullptr ? ::open(name, O_RDWR | O_NOCTTY) : -1;
        // The terminal keeps what is typed until the program reads it.
        writeAll(terminal, text);
    }
    if (argv.empty() || out == nullptr || err == nullptr || in < 0) {
        throw std::runtime_error("cannot set up the program's files");
    }
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in, 0);
        ::dup2(::fileno(out), 1);
        ::dup2(::fileno(err), 2);
        if (terminal >= 0) {
            ::close(terminal);
        }
        ::execvp(args[0], args.data());
        std::_Exit(127);
    }
    ::close(in);
    CommandResult result;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    if (terminal >= 0) {
        ::close(terminal);
    }
    result.out = readAll(out);
    result.err = readAll(err);
    return result;
}

}  // namespace tg::test
