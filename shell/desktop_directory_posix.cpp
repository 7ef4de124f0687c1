#include "shell/desktop_directory.h"

#include "shell/xdg_user_dirs.h"

namespace tbr {

// The owner window matters only to the Windows shell.
Result<std::string> GetDesktopDirectory(WindowHandle /*owner*/) {
    Result<std::string> desktop = xdg::LookUpUserDir(xdg::kDesktop);
    if (!desktop.ok()) {
        OsError error = desktop.error();
        error.source = "GetDesktopDirectory";
        return error;
    }
    return desktop;
}

}  // namespace tbr
