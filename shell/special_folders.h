// Looks up the shell's special folders by their CSIDL number.
#pragma once

#include <string>

#include "common/os_error.h"

namespace tbr {

inline constexpr int kCsidlDesktopDirectory = 16;
inline constexpr int kCsidlDrives = 17;

class cSpecialFolders {
public:
    // The folder's path ending in exactly one separator, or the empty text when the folder has no
    // file-system path (an unknown or virtual folder). A failure on the way is an error whose
    // source is "cSpecialFolders::GetSpecialFolder", keeping the failure's number and message.
    Result<std::string> GetSpecialFolder(int csidl) const;
};

}  // namespace tbr
