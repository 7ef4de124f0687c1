// The user's desktop directory, without a trailing separator.
#pragma once

#include <string>

#include "common/os_error.h"
#include "shell/window_handle.h"

namespace tbr {

// Always an absolute path when it succeeds; neither checks nor creates the folder. Fails when no
// desktop directory can be determined. The environment is read afresh at every call.
// Linux: XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs, else $HOME/Desktop; an unset, empty
// or relative HOME (where the answer needs it) is an error, never a guess; an unreadable
// user-dirs.dirs counts as missing (details in shell/xdg_user_dirs.h). The error's source is
// "GetDesktopDirectory".
// Windows: the shell's desktop directory (kCsidlDesktopDirectory) asked on behalf of owner.
Result<std::string> GetDesktopDirectory(WindowHandle owner);

}  // namespace tbr
