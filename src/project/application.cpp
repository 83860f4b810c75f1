#include "project/application.h"

#include "fs/paths.h"
#include "tgedit_version.h"

namespace tg {

namespace {

std::string applicationPath(const std::string& folder) {
    std::string path = withTrailingSeparator(folder);
#ifdef _WIN32
    // Only a file system that ignores letter case may have its paths lowered.
    for (char& c : path) {
        c = asciiLower(c);
    }
#endif
    return path;
}

}  // namespace

cls_Application::cls_Application(const std::string& folder) : cls_Application(folder, folder) {}

cls_Application::cls_Application(const std::string& shippedFolder, const std::string& userFolder)
    : Path(applicationPath(userFolder)),
      ShippedPath(applicationPath(shippedFolder)),
      Major(version::kMajor),
      Minor(version::kMinor),
      Revision(version::kRevision),
      Version(std::to_string(version::kMajor) + "." + std::to_string(version::kMinor) + ".0." +
              std::to_string(version::kRevision)) {}

}  // namespace tg
