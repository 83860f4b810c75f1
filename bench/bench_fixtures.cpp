#include "bench_fixtures.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

#include "scripts/text_lines.h"

namespace tg::bench {

namespace stdfs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const stdfs::path candidate =
            stdfs::temp_directory_path() / ("tgedit-bench-" + std::to_string(random()));
        std::error_code ec;
        if (stdfs::create_directory(candidate, ec)) {
            path_ = candidate.string() + "/";
            return;
        }
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    stdfs::remove_all(path_, ec);
}

std::string ScratchFolder::subfolder(std::string_view name) const {
    const std::string folder = path_ + std::string(name);
    stdfs::create_directories(folder);
    return folder + "/";
}

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWhole(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

namespace {

void copyFiles(const stdfs::path& from, const std::string& to) {
    for (const auto& entry : stdfs::directory_iterator(from)) {
        if (entry.is_regular_file()) {
            stdfs::copy_file(entry.path(), stdfs::path(to) / entry.path().filename(),
                             stdfs::copy_options::overwrite_existing);
        }
    }
}

}  // namespace

void copyDataFiles(const std::string& appFolder) {
    copyFiles(TGEDIT_DATA_DIR, appFolder);
}

void copyDemoScripts(const std::string& projectFolder) {
    copyFiles(stdfs::path(TGEDIT_DEMO_GAME_DIR) / "SCRIPTS" / "DEFAULT", projectFolder);
}

void copyDemoGame(const std::string& gameFolder) {
    stdfs::copy(TGEDIT_DEMO_GAME_DIR, gameFolder,
                stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing);
}

std::string repeatToLines(std::string_view script, std::size_t lines) {
    const std::vector<std::string_view> source = splitLines(script);
    if (source.empty()) {
        throw std::runtime_error("an empty script cannot be repeated");
    }
    std::string out;
    out.reserve(script.size() * (lines / source.size() + 1));
    for (std::size_t i = 0; i < lines; ++i) {
        out += source[i % source.size()];
        out += "\r\n";
    }
    return out;
}

std::size_t lineCount(std::string_view script) {
    return splitLines(script).size();
}

}  // namespace tg::bench
