// The user's well-known folders (desktop, documents, ...) as the XDG user-dirs convention names
// them. Internal to shell/ on Linux; the public entry points are GetDesktopDirectory and
// cSpecialFolders.
//
// Where a folder comes from, read afresh from the environment at every call:
//   1. the last usable XDG_<NAME>_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (XDG_CONFIG_HOME
//      defaults to $HOME/.config and is ignored when it is not absolute). A usable line is
//      XDG_<NAME>_DIR="$HOME/..." or XDG_<NAME>_DIR="/...": the value in double quotes with the
//      shell's backslash escapes, a leading $HOME (or ${HOME}) standing for the home folder.
//      Other values (relative ones, unquoted ones) are skipped, as the convention's own lookup
//      does.
//   2. otherwise $HOME/<fallback>, e.g. $HOME/Desktop.
// The result is always absolute and carries no trailing separator (the root stays "/"). It is
// neither checked nor created.
//
// HOME is needed whenever the answer depends on it; unset, empty or relative, it makes the lookup
// fail with ENOENT instead of guessing (the password database is not consulted: a session
// without HOME is a broken session, and a guessed desktop would put documents where the user does
// not look). An absolute entry found through an absolute XDG_CONFIG_HOME works without HOME.
// A user-dirs.dirs that cannot be read (missing, not a regular file, not readable to us, runaway
// large) counts as missing, as the convention says: the folder is then the fallback.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/os_error.h"

namespace tbr::xdg {

struct UserDir {
    std::string_view name;          // the <NAME> of XDG_<NAME>_DIR
    std::string_view fallbackLeaf;  // the folder below $HOME when nothing is configured
    std::string_view description;   // for error messages, e.g. "desktop directory"
};

inline constexpr UserDir kDesktop{"DESKTOP", "Desktop", "desktop directory"};
inline constexpr UserDir kDocuments{"DOCUMENTS", "Documents", "documents folder"};
inline constexpr UserDir kMusic{"MUSIC", "Music", "music folder"};
inline constexpr UserDir kPictures{"PICTURES", "Pictures", "pictures folder"};
inline constexpr UserDir kVideos{"VIDEOS", "Videos", "videos folder"};

// One XDG_<NAME>_DIR value, unescaped.
struct UserDirEntry {
    bool relativeToHome = false;  // the value began with $HOME; path is the rest ("" or "/...")
    std::string path;             // otherwise the absolute path itself
};

// The last usable XDG_<name>_DIR line of a user-dirs.dirs text, or std::nullopt when none is.
std::optional<UserDirEntry> FindUserDirEntry(std::string_view fileText, std::string_view name);

// path without trailing separators; a path made of separators only becomes "/".
std::string WithoutTrailingSeparators(std::string path);

// The home folder from HOME, absolute and without trailing separators. description names what was
// being looked for in the error message. Errors carry an empty source: callers set their own.
Result<std::string> HomeDirectory(std::string_view description);

// The folder as described at the top of this file. Errors carry an empty source.
Result<std::string> LookUpUserDir(const UserDir& dir);

}  // namespace tbr::xdg
