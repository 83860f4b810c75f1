#include "run_command.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "fs/native_paths.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tg::test {

#ifdef _WIN32

namespace {

// The argument as the program's CommandLineToArgvW will split it again:
// in double quotes, with the backslashes before a quote (or before the
// closing quote) doubled.
std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return arg;
    }
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        out.push_back(c);
        backslashes = 0;
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

// A temporary file the program inherits as one of its standard streams (a
// terminal is not offered here); it goes when the last handle to it is
// closed.
HANDLE temporaryFile() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"tgt", 0, name) == 0) {
        return INVALID_HANDLE_VALUE;
    }
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(
        name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

std::string readAll(HANDLE file) {
    std::string text(GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
    CloseHandle(file);
    return text.substr(0, got);
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv, Input input,
                         const std::string& text) {
    HANDLE in = temporaryFile();
    HANDLE out = temporaryFile();
    HANDLE err = temporaryFile();
    DWORD written = 0;
    if (argv.empty() || input == Input::Terminal || in == INVALID_HANDLE_VALUE ||
        out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE ||
        !WriteFile(in, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        SetFilePointer(in, 0, nullptr, FILE_BEGIN) != 0) {
        throw std::runtime_error("cannot set up the program's files");
    }
    std::wstring commandLine;
    for (const std::string& arg : argv) {
        commandLine += (commandLine.empty() ? L"" : L" ") + quoted(nativePath(arg).wstring());
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    CommandResult result;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        DWORD code = 0;
        if (WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &code)) {
            result.exitCode = static_cast<int>(code);
        }
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(in);
    result.out = readAll(out);
    result.err = readAll(err);
    return result;
}

#else

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

#endif

}  // namespace tg::test
