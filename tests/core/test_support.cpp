#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

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
    // Undo read-only modes that tests set, so everything can be removed.
    for (auto it = stdfs::recursive_directory_iterator(path_, ec);
         it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
        stdfs::permissions(it->path(), stdfs::perms::owner_all, stdfs::perm_options::add, ec);
    }
    stdfs::permissions(path_, stdfs::perms::owner_all, stdfs::perm_options::add, ec);
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

void copyFolderFiles(const stdfs::path& from, const std::string& to) {
    for (const auto& entry : stdfs::directory_iterator(from)) {
        if (entry.is_regular_file()) {
            stdfs::copy_file(entry.path(), stdfs::path(to) / entry.path().filename(),
                             stdfs::copy_options::overwrite_existing);
        }
    }
}

}  // namespace

void copyDataFiles(const std::string& folder) {
    copyFolderFiles(TGEDIT_DATA_DIR, folder);
}

void copyDemoScripts(const std::string& folder) {
    copyFolderFiles(stdfs::path(TGEDIT_DEMO_GAME_DIR) / "SCRIPTS" / "DEFAULT", folder);
}

void copyDemoGame(const std::string& folder) {
    stdfs::copy(TGEDIT_DEMO_GAME_DIR, folder,
                stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing);
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
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

}  // namespace tg::test
