#pragma once

#include <filesystem>
#include <string>

namespace tg {

// Text paths are UTF-8 on every system. These turn them into the file
// system's own paths and back: on Windows into UTF-16, so that a folder whose
// name has letters outside ASCII is found under that name, whatever the
// system's code page; elsewhere they are the same bytes.
std::filesystem::path nativePath(const std::string& path);
std::string textPath(const std::filesystem::path& path);

}  // namespace tg
