// The target path's rules: which folder a typed folder means, and the file a typed name makes in
// it. A program started from a launcher has a working folder the user never sees, so a folder is
// never taken relative to it: relative folders are taken below the user's home (profile) folder,
// and the result is always absolute.
#pragma once

#include <string>
#include <string_view>

#include "shell/path_separator.h"

namespace tbr {

inline constexpr char kDocumentExtension[] = ".tbr";

// Trims leading and trailing spaces (only the space character, as typed text is trimmed).
std::string TrimSpaces(const std::string& text);

// True when folder names the same place whatever the home folder is.
// '/' as separator (Linux): it begins with "/".
// '\\' as separator (Windows, where '/' separates as well): a drive and a separator ("C:\",
// "C:/"), or two separators ("\\server\share", "\\?\C:\...").
bool IsAbsoluteFolder(std::string_view folder, char separator);

// The absolute folder that folder stands for; home is the home folder, absolute, ending in a
// separator (as cSpecialFolders gives it). An absolute folder comes back unchanged.
// '/' as separator: "~" is the home folder and "~/x" the folder x in it; any other relative
// folder is taken below home ("~x" included: only the user's own home is meant).
// '\\' as separator: "~" is an ordinary name and "%NAME%" is not expanded. "C:x" (drive-relative)
// is x in the drive's root, since the working folder on that drive is the program's, not the
// user's; "\x" (root-relative) is x in the root of home's drive or share; any other relative
// folder is taken below home.
std::string AbsoluteFolder(std::string_view folder, std::string_view home, char separator);

// folder as given, with one separator added unless it already ends in one, + trimmed name +
// ".tbr". The folder is not trimmed: a folder from the system may end in a space.
std::string ComposeTargetPath(const std::string& folder, const std::string& name,
                              char separator = kPathSeparator);

// True when a name holds what a file name must not: a separator, which would reach into another
// folder, a control character (a pasted line break or tab, any C0 or C1 character, DEL), or a
// bidirectional embedding, override or isolate, which would make the name show as another.
// The name is UTF-8.
bool IsRefusedName(const std::string& name, char separator = kPathSeparator);

}  // namespace tbr
