#include "wizard/target_path.h"

namespace tbr {
namespace {

bool IsSeparator(char c, char separator) {
    // Windows takes '/' as a separator too; on Linux a backslash is part of a name.
    return c == separator || (separator == '\\' && c == '/');
}

// folder, a separator unless it ends in one, and rest without its leading separators.
std::string Joined(std::string_view folder, std::string_view rest, char separator) {
    while (!rest.empty() && IsSeparator(rest.front(), separator)) {
        rest.remove_prefix(1);
    }
    std::string joined(folder);
    if (joined.empty() || !IsSeparator(joined.back(), separator)) {
        joined += separator;
    }
    return joined.append(rest);
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

// Whether the UTF-8 text at `at` encodes a character that makes a name show as something else: a
// C1 control (U+0080-U+009F, C2 80-9F) or a bidirectional embedding or override (U+202A-U+202E,
// E2 80 AA-AE) or isolate (U+2066-U+2069, E2 81 A6-A9): an override makes "a<U+202E>fdp.exe"
// show as "aexe.pdf". The directional marks U+200E and U+200F are left alone: right-to-left names
// need them.
bool IsDisguisingCharacterAt(const std::string& name, std::size_t at) {
    const auto byte = [&name](std::size_t i) {
        return i < name.size() ? static_cast<unsigned char>(name[i]) : 0u;
    };
    const unsigned first = byte(at);
    const unsigned second = byte(at + 1);
    const unsigned third = byte(at + 2);
    return (first == 0xC2 && second >= 0x80 && second <= 0x9F) ||
           (first == 0xE2 && second == 0x80 && third >= 0xAA && third <= 0xAE) ||
           (first == 0xE2 && second == 0x81 && third >= 0xA6 && third <= 0xA9);
}

}  // namespace

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string ComposeTargetPath(const std::string& folder, const std::string& name, char separator) {
    std::string target = folder;
    if (target.empty() || target.back() != separator) {
        target += separator;
    }
    return target + TrimSpaces(name) + kDocumentExtension;
}

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

bool IsRefusedName(const std::string& name, char separator) {
    for (std::size_t at = 0; at < name.size(); ++at) {
        const char c = name[at];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == separator || byte < 0x20 || byte == 0x7f ||
            IsDisguisingCharacterAt(name, at)) {
            return true;
        }
    }
    return false;
}

}  // namespace tbr
