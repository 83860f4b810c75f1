#include "fs/file_system.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "fs/native_paths.h"
#include "fs/paths.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tg {

namespace stdfs = std::filesystem;

namespace {

std::string reasonOf(int error) {
    return std::generic_category().message(error);
}

std::string reasonOf(const std::error_code& ec) {
    return ec.message();
}

// Splits "a/b/c" into its components; the root (a leading separator) is
// returned separately.
std::vector<std::string> componentsOf(const std::string& path, std::string& root) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    root.clear();
    if (!path.empty() && path.front() == kPathSeparator) {
        root = std::string(1, kPathSeparator);
        pos = 1;
    }
    while (pos <= path.size()) {
        const std::size_t next = std::min(path.find(kPathSeparator, pos), path.size());
        if (next > pos) {
            parts.push_back(path.substr(pos, next - pos));
        }
        pos = next + 1;
    }
    return parts;
}

bool entryExists(const std::string& path) {
    std::error_code ec;
    return stdfs::exists(nativePath(path), ec);
}

// The name of an entry of the folder equal to `name` but for letter case.
std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    stdfs::directory_iterator it(folder.empty() ? stdfs::path(".") : nativePath(folder), ec);
    if (ec) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    for (; it != stdfs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string entry = textPath(it->path().filename());
        // Take the smallest matching name so that the choice never depends on
        // the order in which the folder happens to list its entries.
        if (equalsIgnoreCase(entry, name) && (!found || entry < *found)) {
            found = entry;
        }
    }
    return found;
}

// Matches a name against a pattern with * and ?, ignoring ASCII letter case.
bool wildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || asciiLower(pattern[p]) == asciiLower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

// The file a write to `target` replaces: the target itself, or the file a
// symbolic link (through any links it names) finally leads to.
FsStatus throughLinks(const std::string& path, std::string& target) {
    std::error_code ec;
    if (!stdfs::is_symlink(stdfs::symlink_status(nativePath(target), ec))) {
        return std::nullopt;
    }
    const stdfs::path real = stdfs::canonical(nativePath(target), ec);
    if (ec == std::errc::too_many_symbolic_link_levels) {
        return FsError{path, "it is a symbolic link that leads round in a loop"};
    }
    if (ec) {
        std::error_code ignored;
        const std::string named = textPath(stdfs::read_symlink(nativePath(target), ignored));
        return FsError{path, "it is a symbolic link to " + named + ", which " +
                                 (ec == std::errc::no_such_file_or_directory
                                      ? std::string("does not exist")
                                      : "cannot be reached: " + reasonOf(ec))};
    }
    target = textPath(real);
    return std::nullopt;
}

// Opens an existing file for reading.
std::FILE* openForReading(const std::string& path) {
#ifdef _WIN32
    return _wfopen(nativePath(path).c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

// Creates a file for writing; fails when there is already one of that name.
std::FILE* createNew(const std::string& path) {
#ifdef _WIN32
    const int fd = _wopen(nativePath(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
        _close(fd);
    }
    return file;
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

// Flushes the bytes of a file written so far to the disk.
bool flushToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// Puts the file `from` in the place of `to` in one step, replacing the file
// there: a reader sees either the old file or the new one, never neither.
std::error_code replaceWith(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // The C library's rename refuses to replace a file on Windows. With
    // MOVEFILE_WRITE_THROUGH the call returns once the move is on the disk.
    if (MoveFileExW(nativePath(from).c_str(), nativePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return {static_cast<int>(GetLastError()), std::system_category()};
#else
    std::error_code ec;
    stdfs::rename(nativePath(from), nativePath(to), ec);
    return ec;
#endif
}

// An entry that listings leave out: on Windows one with the hidden or system
// attribute, elsewhere one whose name starts with a dot.
bool isHidden(const stdfs::path& entry, const std::string& name) {
#ifdef _WIN32
    (void)name;
    const DWORD attributes = GetFileAttributesW(entry.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    (void)entry;
    return name.empty() || name.front() == '.';
#endif
}

// Flushes the folder's entries to the disk, so that a file renamed into it
// is still there after a power cut.
std::optional<int> flushFolder(const std::string& folder) {
#ifdef _WIN32
    // The move itself was written through (replaceWith).
    (void)folder;
    return std::nullopt;
#else
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return errno;
    }
    std::optional<int> error;
    if (::fsync(fd) != 0) {
        error = errno;
    }
    ::close(fd);
    return error;
#endif
}

std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const stdfs::path t = nativePath(target);
    const std::string folder =
        t.has_parent_path() ? textPath(t.parent_path()) + kPathSeparator : "";
    return folder + "." + textPath(t.filename()) + ".tgedit-" + std::to_string(stamp % 1000000007) +
           "-" + std::to_string(counter++) + ".tmp";
}

}  // namespace

std::optional<std::string> FileSystem::faultAt(FsStep /*step*/, const std::string& /*path*/) {
    return std::nullopt;
}

std::string FileSystem::resolve(const std::string& path) {
    if (path.empty() || entryExists(path)) {
        return path;
    }
    std::string root;
    const std::vector<std::string> parts = componentsOf(path, root);
    std::string current = root;
    bool lost = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string name = parts[i];
        if (!lost && !entryExists(current + name)) {
            if (auto other = findIgnoringCase(current, name)) {
                name = *other;
            } else {
                lost = true;
            }
        }
        current += name;
        if (i + 1 < parts.size()) {
            current.push_back(kPathSeparator);
        }
    }
    if (path.back() == kPathSeparator && (current.empty() || current.back() != kPathSeparator)) {
        current.push_back(kPathSeparator);
    }
    return current;
}

bool FileSystem::pathExists(const std::string& path) {
    if (path.empty() || path.back() == kPathSeparator) {
        return false;
    }
    const auto cut = path.rfind(kPathSeparator);
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::string pattern = cut == std::string::npos ? path : path.substr(cut + 1);
    if (pattern.empty()) {
        return false;
    }
    const std::string resolvedFolder = resolve(folder);
    std::error_code ec;
    // A name without wildcards that is there as written is found without
    // listing the folder (most checks are of this kind: the start-up check
    // makes several); the listing below decides everything else.
    if (pattern.find_first_of("*?") == std::string::npos) {
        const stdfs::path candidate = nativePath(resolvedFolder + pattern);
        const auto status = stdfs::status(candidate, ec);
        if (!ec && (stdfs::is_regular_file(status) || stdfs::is_directory(status)) &&
            !isHidden(candidate, pattern)) {
            return true;
        }
    }
    stdfs::directory_iterator it(
        resolvedFolder.empty() ? stdfs::path(".") : nativePath(resolvedFolder), ec);
    if (ec) {
        return false;
    }
    for (; it != stdfs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            return false;
        }
        const std::string name = textPath(it->path().filename());
        if (isHidden(it->path(), name)) {
            continue;
        }
        std::error_code typeError;
        const auto status = it->status(typeError);
        if (typeError || !(stdfs::is_regular_file(status) || stdfs::is_directory(status))) {
            continue;
        }
        if (wildcardMatch(pattern, name)) {
            return true;
        }
    }
    return false;
}

bool FileSystem::mayWriteIn(const std::string& folder) {
    const std::string probe = temporaryNameFor(withTrailingSeparator(resolve(folder)) + "probe");
    if (faultAt(FsStep::Open, probe)) {
        return false;
    }
    std::FILE* file = createNew(probe);
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    std::error_code ignored;
    stdfs::remove(nativePath(probe), ignored);
    return true;
}

FsStatus FileSystem::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const std::string real = resolve(path);
    if (auto fault = faultAt(FsStep::Open, real)) {
        return FsError{path, *fault};
    }
    std::error_code ec;
    if (stdfs::is_directory(nativePath(real), ec)) {
        return FsError{path, "it is a folder, not a file"};
    }
    std::FILE* file = openForReading(real);
    if (file == nullptr) {
        return FsError{path, reasonOf(errno)};
    }
    if (auto fault = faultAt(FsStep::Read, real)) {
        std::fclose(file);
        return FsError{path, *fault};
    }
    // Read straight into the result, sized from the file's length when it
    // can be had (a length beyond any script is not trusted for that); a
    // file that grows meanwhile is read to its end all the same.
    constexpr std::uintmax_t kLargestSized = std::uintmax_t{64} << 20;
    std::size_t expected = 0;
    if (const auto size = stdfs::file_size(nativePath(real), ec); !ec && size <= kLargestSized) {
        expected = static_cast<std::size_t>(size);
    }
    // The first read asks for one byte more than the reported length, so
    // that a file of that length is read whole and its end seen at once
    // without clearing more of the buffer than it needs; a longer file is
    // read on in larger pieces.
    std::size_t have = 0;
    for (;;) {
        const std::size_t left = have <= expected ? expected + 1 - have : 0;
        const std::size_t chunk =
            have == 0 && expected != 0 ? left : std::max<std::size_t>(left, 65536);
        bytes.resize(have + chunk);
        const std::size_t got = std::fread(bytes.data() + have, 1, chunk, file);
        have += got;
        if (got < chunk) {
            break;
        }
    }
    bytes.resize(have);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        bytes.clear();
        return FsError{path, reasonOf(error)};
    }
    return std::nullopt;
}

FsStatus FileSystem::writeFileAtomic(const std::string& path, std::string_view bytes) {
    return writeFileAtomic(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

FsStatus FileSystem::writeFileAtomic(const std::string& path,
                                     const std::function<void(const ByteSink&)>& fill) {
    std::string target = resolve(path);
    if (auto error = throughLinks(path, target)) {
        return error;
    }
    std::error_code ec;
    const auto status = stdfs::status(nativePath(target), ec);
    if (stdfs::is_directory(status)) {
        return FsError{path, "it is a folder, not a file"};
    }
    const bool replacing = stdfs::exists(status);
    if (replacing && (status.permissions() & stdfs::perms::owner_write) == stdfs::perms::none) {
        return FsError{path, "the file is read-only"};
    }

    const std::string temporary = temporaryNameFor(target);
    auto fail = [&](std::string reason, std::FILE* open) -> FsStatus {
        if (open != nullptr) {
            std::fclose(open);
        }
        std::error_code ignored;
        stdfs::remove(nativePath(temporary), ignored);
        return FsError{path, std::move(reason)};
    };

    if (auto fault = faultAt(FsStep::Open, temporary)) {
        return fail(*fault, nullptr);
    }
    // "x": never open a file that is already there.
    std::FILE* file = createNew(temporary);
    if (file == nullptr) {
        return FsError{path, reasonOf(errno)};
    }
    if (auto fault = faultAt(FsStep::Write, temporary)) {
        return fail(*fault, file);
    }
    // After a piece fails to go out, the rest are dropped and the first
    // failure is reported.
    // Should making the bytes throw (out of memory), the temporary file goes
    // and the old file stays as it was.
    std::optional<int> writeError;
    try {
        fill([&](std::string_view piece) {
            if (!writeError && !piece.empty() &&
                std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) {
                writeError = errno;
            }
        });
    } catch (...) {
        fail({}, file);
        throw;
    }
    if (writeError) {
        return fail(reasonOf(*writeError), file);
    }
    if (auto fault = faultAt(FsStep::Flush, temporary)) {
        return fail(*fault, file);
    }
    if (std::fflush(file) != 0) {
        return fail(reasonOf(errno), file);
    }
    if (!flushToDisk(file)) {
        return fail(reasonOf(errno), file);
    }
    if (std::fclose(file) != 0) {
        return fail(reasonOf(errno), nullptr);
    }
    if (replacing) {
        // Keep the permissions the user gave the file.
        stdfs::permissions(nativePath(temporary), status.permissions(),
                           stdfs::perm_options::replace, ec);
    }
    if (auto fault = faultAt(FsStep::Rename, target)) {
        return fail(*fault, nullptr);
    }
    ec = replaceWith(temporary, target);
    if (ec) {
        return fail(reasonOf(ec), nullptr);
    }
    const stdfs::path folder = nativePath(target).parent_path();
    const std::string folderName = folder.empty() ? std::string(".") : textPath(folder);
    std::optional<std::string> notFlushed = faultAt(FsStep::FlushFolder, folderName);
    if (!notFlushed) {
        if (auto error = flushFolder(folderName)) {
            notFlushed = reasonOf(*error);
        }
    }
    if (notFlushed) {
        return FsError{path,
                       "the new file is in place, but its folder could not be flushed to the "
                       "disk, so the save may not survive a power cut: " +
                           *notFlushed};
    }
    return std::nullopt;
}

FsStatus FileSystem::copyFileAtomic(const std::string& from, const std::string& to) {
    std::string bytes;
    if (auto error = readFile(from, bytes)) {
        return error;
    }
    return writeFileAtomic(to, bytes);
}

FsStatus FileSystem::createFolder(const std::string& path) {
    const std::string folder = withoutTrailingSeparators(path);
    const std::string real = resolve(folder);
    if (auto fault = faultAt(FsStep::CreateFolder, real)) {
        return FsError{folder, *fault};
    }
    std::error_code ec;
    if (stdfs::is_directory(nativePath(real), ec)) {
        return std::nullopt;
    }
    stdfs::create_directory(nativePath(real), ec);
    if (ec) {
        return FsError{folder, reasonOf(ec)};
    }
    return std::nullopt;
}

std::optional<std::uintmax_t> FileSystem::fileSize(const std::string& path) {
    const std::string real = resolve(path);
    if (faultAt(FsStep::Open, real)) {
        return std::nullopt;
    }
    std::error_code ec;
    const auto size = stdfs::file_size(nativePath(real), ec);
    if (ec) {
        return std::nullopt;
    }
    return size;
}

FileSystem& realFileSystem() {
    // Stateless: the real file system injects no faults and keeps nothing.
    static FileSystem instance;
    return instance;
}

}  // namespace tg
