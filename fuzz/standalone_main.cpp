// A plain runner for the fuzz targets, for builds without libFuzzer: runs the
// target once on every file named on the command line (a folder stands for
// the files in it, in name order). The regression inputs run through it in
// every build.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    namespace stdfs = std::filesystem;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const stdfs::path path(argv[i]);
        std::error_code ec;
        if (stdfs::is_directory(path, ec)) {
            std::vector<std::string> inside;
            for (const auto& entry : stdfs::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    inside.push_back(entry.path().string());
                }
            }
            std::sort(inside.begin(), inside.end());
            files.insert(files.end(), inside.begin(), inside.end());
        } else {
            files.emplace_back(argv[i]);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s INPUT_FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    for (const std::string& file : files) {
        const std::string bytes = tg::fuzz::getFile(file);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu input(s) ran without a finding\n", files.size());
    return 0;
}
