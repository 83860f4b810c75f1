#pragma once

#include <string>
#include <vector>

namespace tg {

// Titles of the program's message boxes: "TG Edit" where a message names a
// title, the application title "TGEdit" where it gives none.
inline constexpr const char* kTitleTGEdit = "TG Edit";
inline constexpr const char* kApplicationTitle = "TGEdit";

// A message that core work hands back for a window (or the command-line tool)
// to show. The core itself never shows anything.
struct Notice {
    std::string title;
    std::string text;

    bool operator==(const Notice&) const = default;
};

using Notices = std::vector<Notice>;

}  // namespace tg
