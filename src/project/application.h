#pragma once

#include <cstdint>
#include <string>

namespace tg {

// The application object: the folder the program runs from and its version.
// Every path built from the application folder is Path followed directly by a
// relative name ("Projects", "Backup/hub.lua", "tgedit.cfg").
class cls_Application {
public:
    // folder: the application folder (the executable's folder, or a test's
    // temporary folder). Path gets a trailing separator; it is lower-cased
    // only where the file system ignores letter case.
    explicit cls_Application(const std::string& folder);

    const std::string Path;
    const std::int16_t Major;
    const std::int16_t Minor;
    const std::int16_t Revision;
    // Major.Minor.0.Revision, e.g. "1.0.0.1".
    const std::string Version;
};

}  // namespace tg
