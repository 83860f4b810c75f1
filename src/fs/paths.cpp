#include "fs/paths.h"

namespace tg {

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != kPathSeparator) {
        folder.push_back(kPathSeparator);
    }
    return folder;
}

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == kPathSeparator) {
        path.pop_back();
    }
    return path;
}

std::string lastPathPart(std::string_view path) {
    if (!path.empty() && path.back() == kPathSeparator) {
        path.remove_suffix(1);
    }
    const auto pos = path.rfind(kPathSeparator);
    if (pos == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(pos + 1));
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiUpper(c);
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace tg
