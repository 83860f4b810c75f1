#pragma once

// Helpers of the benchmarks: a scratch folder, whole-file copies and the
// generated larger scripts.

#include <cstddef>
#include <string>
#include <string_view>

namespace tg::bench {

// A fresh folder under the system's temporary folder, removed with the
// object. path() ends in the separator, like every folder text of the program.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    // A new empty subfolder; its path ends in the separator.
    std::string subfolder(std::string_view name) const;

private:
    std::string path_;
};

// Whole-file reads and writes; both throw std::runtime_error on failure, which
// ends the benchmark run with the file named.
std::string readWhole(const std::string& path);
void writeWhole(const std::string& path, std::string_view bytes);

// The six code tables (and the other shipped files) into an application folder.
void copyDataFiles(const std::string& appFolder);
// The stand-in game's four scripts into a project folder.
void copyDemoScripts(const std::string& projectFolder);
// The whole stand-in game (mc.exe and SCRIPTS/DEFAULT) into a folder.
void copyDemoGame(const std::string& gameFolder);

// The lines of a script over and over, in order, until there are exactly
// `lines` of them, each ending in CR LF. Every line keeps its bytes, so the
// result is as valid for the reader as the script it came from.
std::string repeatToLines(std::string_view script, std::size_t lines);

// The number of lines the reader and the writer see in a script.
std::size_t lineCount(std::string_view script);

}  // namespace tg::bench
