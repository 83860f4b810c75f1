#include "run_command.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tg::test {

namespace {

namespace stdfs = std::filesystem;

std::string readAll(const stdfs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

stdfs::path tempFile(const char* what) {
    std::random_device random;
    return stdfs::temp_directory_path() /
           ("tgedit-test-" + std::string(what) + "-" + std::to_string(random()) + ".txt");
}

void writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            throw std::runtime_error("cannot hand the input to the program");
        }
        done += static_cast<std::size_t>(n);
    }
}

// The file descriptor the program reads as standard input, already holding
// the text. keepOpen is the other end for as long as the program runs
// (the terminal's master side), or -1.
int inputDescriptor(Input input, const std::string& text, int& keepOpen) {
    keepOpen = -1;
    if (input == Input::Empty) {
        return ::open("/dev/null", O_RDONLY);
    }
    if (input == Input::Pipe) {
        int fds[2];
        if (::pipe(fds) != 0) {
            throw std::runtime_error("cannot make a pipe");
        }
        writeAll(fds[1], text);  // small texts fit in the pipe's buffer
        ::close(fds[1]);
        return fds[0];
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        throw std::runtime_error("cannot open a pseudo-terminal");
    }
    const char* name = ::ptsname(master);
    const int slave = name != nullptr ? ::open(name, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0) {
        throw std::runtime_error("cannot open the pseudo-terminal's other side");
    }
    // The terminal keeps what is typed until the program reads it.
    writeAll(master, text);
    keepOpen = master;
    return slave;
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv) {
    return runCommand(argv, Input::Empty, "");
}

CommandResult runCommand(const std::vector<std::string>& argv, Input input,
                         const std::string& text) {
    if (argv.empty()) {
        throw std::invalid_argument("runCommand needs a program");
    }
    const stdfs::path outPath = tempFile("stdout");
    const stdfs::path errPath = tempFile("stderr");
    int keepOpen = -1;
    const int in = inputDescriptor(input, text, keepOpen);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0) {
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
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::close(in);
        ::close(out);
        ::close(err);
        if (keepOpen >= 0) {
            ::close(keepOpen);
        }
        ::execvp(args[0], args.data());
        std::_Exit(127);
    }
    ::close(in);
    ::close(out);
    ::close(err);
    CommandResult result;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    if (keepOpen >= 0) {
        ::close(keepOpen);
    }
    result.out = readAll(outPath);
    result.err = readAll(errPath);
    std::error_code ec;
    stdfs::remove(outPath, ec);
    stdfs::remove(errPath, ec);
    if (pid < 0) {
        throw std::runtime_error("cannot run " + argv.front());
    }
    return result;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace tg::test
