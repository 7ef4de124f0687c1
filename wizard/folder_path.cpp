#include "wizard/folder_path.h"

namespace tbr {
namespace {

bool IsSeparator(char c, char separator) {
    // Windows takes '/' as a separator too; on Linux a backslash is part of a name.
    return c == separator || (separator == '\\' && c == '/');
}

std::string_view WithoutLeadingSeparators(std::string_view text, char separator) {
    while (!text.empty() && IsSeparator(text.front(), separator)) {
        text.remove_prefix(1);
    }
    return text;
}

std::string Joined(std::string_view folder, std::string_view rest, char separator) {
    std::string joined(folder);
    if (joined.empty() || !IsSeparator(joined.back(), separator)) {
        joined += separator;
    }
    joined += WithoutLeadingSeparators(rest, separator);
    return joined;
}

bool HasDrive(std::string_view path) {
    const char c = path.empty() ? '\0' : path[0];
    return path.size() >= 2 && path[1] == ':' && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

// The end of the next name in path, starting at `at`.
std::size_t EndOfName(std::string_view path, std::size_t at) {
    while (at < path.size() && !IsSeparator(path[at], '\\')) {
        ++at;
    }
    return at;
}

// The root of a Windows folder: "C:\" of C:\Users\owner\, "\\server\share\" of
// \\server\share\owner\, "\\?\C:\" of \\?\C:\Users\owner\.
std::string RootOf(std::string_view home) {
    std::size_t at = 0;
    if (home.starts_with("\\\\?\\") || home.starts_with("//?/")) {
        at = 4;
        if (home.substr(at, 4) == "UNC\\") {
            at += 4;
            at = EndOfName(home, EndOfName(home, at) + 1);
            return std::string(home.substr(0, at)) + '\\';
        }
    }
    if (HasDrive(home.substr(at))) {
        return std::string(home.substr(0, at + 2)) + '\\';
    }
    if (home.size() >= 2 && IsSeparator(home[0], '\\') && IsSeparator(home[1], '\\')) {
        at = EndOfName(home, EndOfName(home, 2) + 1);
        return std::string(home.substr(0, at)) + '\\';
    }
    return std::string(home);
}

}  // namespace

bool IsAbsoluteFolder(std::string_view folder, char separator) {
    if (separator != '\\') {
        return !folder.empty() && IsSeparator(folder.front(), separator);
    }
    const bool driveAndSeparator =
        HasDrive(folder) && folder.size() >= 3 && IsSeparator(folder[2], separator);
    const bool twoSeparators = folder.size() >= 2 && IsSeparator(folder[0], separator) &&
                               IsSeparator(folder[1], separator);
    return driveAndSeparator || twoSeparators;
}

std::string AbsoluteFolder(std::string_view folder, std::string_view home, char separator) {
    if (IsAbsoluteFolder(folder, separator)) {
        return std::string(folder);
    }
    if (separator != '\\') {
        if (folder == "~" || (folder.size() >= 2 && folder[0] == '~' && folder[1] == separator)) {
            folder.remove_prefix(1);
        }
        return Joined(home, folder, separator);
    }
    if (HasDrive(folder)) {
        return Joined(folder.substr(0, 2), folder.substr(2), separator);
    }
    if (!folder.empty() && IsSeparator(folder.front(), separator)) {
        return Joined(RootOf(home), folder, separator);
    }
    return Joined(home, folder, separator);
}

}  // namespace tbr
