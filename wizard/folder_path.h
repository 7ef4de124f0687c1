// Which folder a typed folder means. A program started from a launcher has a working folder the
// user never sees, so a folder is never taken relative to it: relative folders are taken below
// the user's home (profile) folder, and the result is always absolute.
#pragma once

#include <string>
#include <string_view>

namespace tbr {

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

}  // namespace tbr
