// Whether a path names a file that is there, before it is handed to another program.
#pragma once

#include <string>

namespace tbr {

// True when path names an existing file, links followed: not a folder, not a dangling link, not
// a path that cannot be expressed to the system (a NUL inside; on Windows, text that is not
// UTF-8).
bool IsExistingFile(const std::string& path);

}  // namespace tbr
