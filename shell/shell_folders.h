// The shell's folders: the user's desktop directory, and the special folders by their CSIDL
// number. The numbers are Windows' own; the behaviour names the ones it asks for by the constants
// below.
#pragma once

#include <string>

#include "common/os_error.h"

namespace tbr {

// The native window on whose behalf a shell call runs (an HWND on Windows; unused elsewhere).
struct WindowHandle {
    void* native = nullptr;
};

// The user's desktop directory, without a trailing separator: always an absolute path when it
// succeeds; neither checks nor creates the folder. Fails when no desktop directory can be
// determined. The environment is read afresh at every call.
// Linux: the desktop of the XDG user dirs, else $HOME/Desktop, never a guess
// (shell/xdg_user_dirs.h). The error's source is "GetDesktopDirectory". Windows: the shell's
// desktop directory (kCsidlDesktopDirectory) asked on behalf of owner.
Result<std::string> GetDesktopDirectory(WindowHandle owner);

inline constexpr int kCsidlDesktopDirectory = 16;
inline constexpr int kCsidlDrives = 17;
inline constexpr int kCsidlProfile = 40;  // the user's home (profile) folder

class cSpecialFolders {
  public:
    // The folder's path ending in exactly one separator, or the empty text when the folder has no
    // file-system path (an unknown or virtual folder). A failure on the way is an error whose
    // source is "cSpecialFolders::GetSpecialFolder", keeping the failure's number and message.
    // Linux: kCsidlDesktopDirectory (16) is the desktop directory (as GetDesktopDirectory),
    // 5 documents, 13 music, 14 videos, 39 pictures (their XDG user dirs) and kCsidlProfile (40)
    // the home folder; every other identifier, virtual folders such as kCsidlDrives (17)
    // included, gives the empty text without looking anything up.
    Result<std::string> GetSpecialFolder(int csidl) const;
};

}  // namespace tbr
