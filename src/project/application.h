#pragma once

#include <cstdint>
#include <string>

namespace tg {

// The application object: the application folder and the program's version.
// Every path built from the application folder is Path followed directly by a
// relative name ("Projects", "Backup/hub.lua", "tgedit.cfg"); the files
// shipped with the program are read from ShippedPath ("blk_code.txt",
// "tge.prj", "tgmap.map"). Run from its own folder (portable) the two are the
// same folder; installed, Path is the user's data folder (program_folders.h).
class cls_Application {
public:
    // folder: the one folder that holds everything (the executable's folder,
    // or a test's temporary folder).
    explicit cls_Application(const std::string& folder);
    // The shipped files in one folder, the user's files in another. Each
    // path gets a trailing separator; it is lower-cased only where the file
    // system ignores letter case.
    cls_Application(const std::string& shippedFolder, const std::string& userFolder);

    // Where tgedit.cfg, Projects and Backup lie: the folder the program
    // writes, and the one its windows and messages show.
    const std::string Path;
    // Where the code tables, tge.prj and tgmap.map lie; only ever read.
    const std::string ShippedPath;
    const std::int16_t Major;
    const std::int16_t Minor;
    const std::int16_t Revision;
    // Major.Minor.0.Revision, e.g. "1.0.0.1".
    const std::string Version;
};

}  // namespace tg
