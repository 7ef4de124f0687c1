// The user's desktop directory, without a trailing separator.
#pragma once

#include <string>

#include "common/os_error.h"
#include "shell/window_handle.h"

namespace tbr {

// Always an absolute path when it succeeds; neither checks nor creates the folder. Fails when no
// desktop directory can be determined.
Result<std::string> GetDesktopDirectory(WindowHandle owner);

}  // namespace tbr
