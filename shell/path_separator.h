// The folder separator of this platform and the few rules about it that callers share.
#pragma once

#include <string>

namespace tbr {

// The one character that separates folders in a path on this platform. On Linux "/" is the only
// character that counts as a separator (a backslash is an ordinary character of a name); Windows
// keeps the backslash.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

inline bool IsPathSeparator(char c) {
    return c == kPathSeparator;
}

// path with a separator at its end: one is appended unless the last character already is one, so
// a root such as "/" stays as it is. The empty text stays empty: it names no folder.
inline std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && !IsPathSeparator(path.back())) {
        path += kPathSeparator;
    }
    return path;
}

}  // namespace tbr
