#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "fs/native_paths.h"
#include "fs/paths.h"

namespace tg::test {

namespace stdfs = std::filesystem;

TempDir::TempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const stdfs::path candidate =
            stdfs::temp_directory_path() / ("tgedit-test-" + std::to_string(random()));
        std::error_code ec;
        if (stdfs::create_directory(candidate, ec)) {
            path_ = textPath(candidate) + kPathSeparator;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

std::string TempDir::operator/(std::string_view relative) const {
    std::string path = path_ + std::string(relative);
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(path_.size()), path.end(), '/',
                 kPathSeparator);
    return path;
}

TempDir::~TempDir() {
    std::error_code ec;
    stdfs::remove_all(nativePath(path_), ec);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(nativePath(path), std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// (The C++ library's recursive copy does not copy into an existing folder
// with MinGW-w64.)
void copyTree(const std::string& from, const std::string& folder) {
    const stdfs::path source = nativePath(from);
    stdfs::create_directories(nativePath(folder));
    for (const auto& entry : stdfs::recursive_directory_iterator(source)) {
        const stdfs::path target = nativePath(folder) / stdfs::relative(entry.path(), source);
        if (entry.is_directory()) {
            stdfs::create_directories(target);
        } else {
            stdfs::copy_file(entry.path(), target, stdfs::copy_options::overwrite_existing);
        }
    }
}

void copyDataFiles(const std::string& folder) {
    copyTree(TGEDIT_DATA_DIR, folder);
}

void copyDemoScripts(const std::string& folder) {
    copyTree(TGEDIT_DEMO_GAME_DIR "/SCRIPTS/DEFAULT", folder);
}

void copyDemoGame(const std::string& folder) {
    copyTree(TGEDIT_DEMO_GAME_DIR, folder);
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiLower(c);
    }
    return out;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
    return text;
}

std::string pathKey(std::string_view path) {
#ifdef _WIN32
    return lowered(path);
#else
    return std::string(path);
#endif
}

std::string listFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(nativePath(folder))) {
        names.push_back(textPath(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& name : names) {
        out += name + "\n";
    }
    return out;
}

std::map<std::string, std::string> entriesBelow(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : stdfs::recursive_directory_iterator(nativePath(folder))) {
        std::string path = textPath(entry.path()).substr(folder.size());
        std::replace(path.begin(), path.end(), kPathSeparator, '/');
        if (entry.is_symlink()) {
            entries[path] = "link to " + stdfs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            entries[path] = "folder";
        } else {
            entries[path] = "file " + readBytes(textPath(entry.path()));
        }
    }
    return entries;
}

// Blanks separate words; a word in double quotes may hold blanks and the
// escapes \r \n \" \\ and \xHH.
std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ') {
            continue;
        }
        if (line[i] != '"') {
            const std::size_t end = std::min(line.find(' ', i), line.size());
            words.push_back(line.substr(i, end - i));
            i = end;
            continue;
        }
        std::string word;
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            char c = line[i];
            if (c == '\\' && line[++i] == 'x') {
                c = static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else if (c == '\\') {
                c = line[i] == 'r' ? '\r' : line[i] == 'n' ? '\n' : line[i];
            }
            word += c;
        }
        words.push_back(word);
    }
    return words;
}

std::optional<std::string> FailOneFile::faultAt(FsStep step, const std::string& path) {
    constexpr const char* kNames[] = {"open",   "read",          "write",       "flush",
                                      "rename", "create folder", "flush folder"};
    steps.push_back(std::string(kNames[static_cast<int>(step)]) + " " +
                    path.substr(0, path.find(".tgedit-")));
    const std::string file = pathKey(file_);
    const std::string key = pathKey(path);
    const auto cut = file.rfind(kPathSeparator);
    const bool temporary =
        key.rfind(file.substr(0, cut + 1) + "." + file.substr(cut + 1) + ".tgedit-", 0) == 0;
    const bool match = step == FsStep::FlushFolder ? renamed_ == file : key == file || temporary;
    renamed_ = step == FsStep::Rename ? key : renamed_;
    if (step != step_ || !match) {
        return std::nullopt;
    }
    ++hits;
    return "injected failure";
}

std::string entryAt(const std::map<std::string, std::string>& entries, const std::string& path) {
    const auto at = entries.find(path);
    return at != entries.end() ? at->second : std::string("gone");
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
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
