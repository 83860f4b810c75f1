#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tg {

// A failed file operation: the file it concerns and the reason in words.
struct FsError {
    std::string path;
    std::string reason;

    // "<path>: <reason>"
    std::string describe() const { return path + ": " + reason; }
    bool operator==(const FsError&) const = default;
};

// Success is an empty optional.
using FsStatus = std::optional<FsError>;

// The steps a file operation goes through; each is a place where a test can
// make the operation fail (see FileSystem::faultAt). A replace goes Open,
// Write, Flush (the temporary file), Rename (onto the target), FlushFolder
// (the target's folder).
enum class FsStep { Open, Read, Write, Flush, Rename, CreateFolder, FlushFolder };

// Takes the bytes of a file being written, one piece after the other.
using ByteSink = std::function<void(std::string_view)>;

// Every file access of the core goes through this layer. It reads and writes
// whole files, replaces files atomically (a temporary file in the same folder,
// flushed, then renamed over the target, then the folder flushed so that the
// rename survives a power cut), and resolves names without regard to letter
// case, so a game copied from Windows ("SCRIPTS/DEFAULT") is found under any
// spelling. A target that is a symbolic link is written through: the file the
// link finally names is replaced, in its own folder, and the link stays.
class FileSystem {
public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    // The whole file's bytes.
    FsStatus readFile(const std::string& path, std::string& bytes);

    // Replaces (or creates) the file with exactly these bytes, keeping its
    // permission bits. On failure the old file is as it was and no temporary
    // file is left behind; a link that names no file, or leads round in a
    // loop, fails before anything is written. Only a failed flush of the
    // folder comes after the new file is in place, and says so.
    FsStatus writeFileAtomic(const std::string& path, std::string_view bytes);

    // The same with bytes made while they are written, so that a large file
    // needs no buffer of its size: fill is called once, with the temporary
    // file open, and hands every piece to the sink in order. Failures, the
    // steps and the replace are as above.
    FsStatus writeFileAtomic(const std::string& path,
                             const std::function<void(const ByteSink&)>& fill);

    // Copies a file, replacing the target atomically.
    FsStatus copyFileAtomic(const std::string& from, const std::string& to);

    // Creates one folder; its parent must exist. An existing folder is fine.
    FsStatus createFolder(const std::string& path);

    // The length of a file in bytes, or nothing when it cannot be had.
    std::optional<std::uintmax_t> fileSize(const std::string& path);

    // True when at least one visible file or folder matches the path. False
    // for an empty path and for a path that ends in the separator. The last
    // component may hold the wildcards * and ?; names are compared without
    // regard to letter case; names starting with a dot are hidden.
    bool pathExists(const std::string& path);

    // True when a new file can be made in the folder: a probe file is made
    // there and removed again at once. Nothing is left behind either way.
    bool mayWriteIn(const std::string& folder);

    // The path as it is spelled on disk: each component that does not exist
    // as written is replaced by an entry of the same name in another letter
    // case, where there is one. Components after the first one that cannot be
    // found are kept as written.
    std::string resolve(const std::string& path);

protected:
    // The fault-injection seam: called before each step of every operation
    // with the file the step works on. A returned text fails the step with
    // that text as the reason. The real file system never fails a step here.
    virtual std::optional<std::string> faultAt(FsStep step, const std::string& path);
};

// The file system of the machine, without injected faults.
FileSystem& realFileSystem();

}  // namespace tg
