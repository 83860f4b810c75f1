#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

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
            path_ = candidate.string() + "/";
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    stdfs::remove_all(path_, ec);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

// The shipped folders hold files only; a file already there is replaced.
constexpr auto kCopy = stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing;

}  // namespace

void copyDataFiles(const std::string& folder) {
    stdfs::copy(TGEDIT_DATA_DIR, folder, kCopy);
}

void copyDemoScripts(const std::string& folder) {
    stdfs::copy(TGEDIT_DEMO_GAME_DIR "/SCRIPTS/DEFAULT", folder, kCopy);
}

void copyDemoGame(const std::string& folder) {
    stdfs::copy(TGEDIT_DEMO_GAME_DIR, folder, kCopy);
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiLower(c);
    }
    return out;
}

std::string listFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
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
    for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
        const std::string path = entry.path().string().substr(folder.size());
        if (entry.is_symlink()) {
            entries[path] = "link to " + stdfs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            entries[path] = "folder";
        } else {
            entries[path] = "file " + readBytes(entry.path().string());
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
    const auto cut = file_.rfind('/');
    const bool temporary =
        path.rfind(file_.substr(0, cut) + "/." + file_.substr(cut + 1) + ".tgedit-", 0) == 0;
    const bool match = step == FsStep::FlushFolder ? renamed_ == file_ : path == file_ || temporary;
    renamed_ = step == FsStep::Rename ? path : renamed_;
    if (step != step_ || !match) {
        return std::nullopt;
    }
    ++hits;
    return "injected failure";
}

}  // namespace tg::test
