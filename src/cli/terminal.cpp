#include "cli/terminal.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "fs/paths.h"

namespace tg::cli {

void writeOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void printError(std::string_view text) {
    std::string line = "tgedit-cli: ";
    line.append(text);
    line.push_back('\n');
    std::fflush(stdout);
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string oneLine(std::string_view text) {
    std::string line;
    bool afterLineEnd = false;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            afterLineEnd = true;
            continue;
        }
        if (afterLineEnd) {
            if (c == ' ' || c == '\t') {
                continue;
            }
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            if (!line.empty()) {
                line.push_back(' ');
            }
            afterLineEnd = false;
        }
        line.push_back(c);
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

void printNotices(const Notices& notices) {
    for (const auto& notice : notices) {
        printError(oneLine(notice.text));
    }
}

bool inputIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdin)) != 0;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

namespace {

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// One line of standard input, or nothing at the end of the input.
bool readAnswer(std::string& answer) {
    answer.clear();
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
        answer += buffer;
        if (!answer.empty() && answer.back() == '\n') {
            return true;
        }
    }
    return !answer.empty();
}

}  // namespace

bool askYesNo(std::string_view question) {
    std::string prompt;
    for (char c : question) {
        if (c != '\r') {
            prompt.push_back(c);
        }
    }
    prompt += " [y/N] ";
    std::string answer;
    for (;;) {
        std::fflush(stdout);
        std::fwrite(prompt.data(), 1, prompt.size(), stderr);
        std::fflush(stderr);
        if (!readAnswer(answer)) {
            std::fputs("\n", stderr);
            return false;
        }
        const std::string reply = trimmed(answer);
        if (equalsIgnoreCase(reply, "y") || equalsIgnoreCase(reply, "yes")) {
            return true;
        }
        if (reply.empty() || equalsIgnoreCase(reply, "n") || equalsIgnoreCase(reply, "no")) {
            return false;
        }
        prompt = "Please answer y or n. [y/N] ";
    }
}

}  // namespace tg::cli
