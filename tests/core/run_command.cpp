#include "run_command.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tg::test {

namespace {

// One argument for /bin/sh: in single quotes, each quote written as '\''.
std::string shellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        throw std::invalid_argument("runCommand needs a program");
    }
    std::random_device random;
    const auto errPath = std::filesystem::temp_directory_path() /
                         ("tgedit-test-stderr-" + std::to_string(random()) + ".txt");
    std::string command;
    for (const auto& arg : argv) {
        command += shellQuoted(arg) + " ";
    }
    command += "</dev/null 2>" + shellQuoted(errPath.string());

    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + argv.front());
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.err = readAll(errPath);
    std::error_code ec;
    std::filesystem::remove(errPath, ec);
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
