#pragma once

#include <string>
#include <string_view>

namespace tg {

// Text paths follow one rule: a folder ends in the platform's separator and a
// path is a folder joined directly with a relative name.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder with exactly one trailing separator added when it has none
// (an empty text stays empty).
std::string withTrailingSeparator(std::string folder);

// The path with its trailing separators taken off, the root's own kept
// ("/home/ann/" gives "/home/ann", "/" stays "/").
std::string withoutTrailingSeparators(std::string path);

// The name after the last separator, one trailing separator ignored:
// "/home/ann/Projects/MyCity/" and "/home/ann/Projects/MyCity" both give
// "MyCity"; "/" and a text without a separator give "".
std::string lastPathPart(std::string_view path);

// ASCII-only letter case helpers: script bytes and file names outside ASCII
// are compared exactly.
char asciiLower(char c);
char asciiUpper(char c);
std::string asciiUpper(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tg
