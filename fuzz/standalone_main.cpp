// A plain runner for the fuzz targets, for builds without libFuzzer: runs the
// target once on every file named on the command line (a folder stands for
// the files in it, in name order). The regression inputs run through it in
// every build.

#include <algorithm>
#include <filesystem>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            files.emplace_back(argv[i]);
            continue;
        }
        const std::size_t first = files.size();
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            files.push_back(entry.path());
        }
        std::sort(files.begin() + static_cast<std::ptrdiff_t>(first), files.end());
    }
    for (const auto& file : files) {
        const std::string bytes = tg::fuzz::getFile(file.string());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu input(s) ran without a finding\n", files.size());
    return files.empty() ? 2 : 0;
}
