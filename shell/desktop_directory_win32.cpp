// The desktop directory on Windows: the shell's CSIDL_DESKTOPDIRECTORY, asked on behalf of a
// window, without a trailing separator.
#include "shell/desktop_directory.h"

#include <cwchar>

#include <shlobj.h>
#include "common/wide_text_win32.h"

namespace tbr {

Result<std::string> GetDesktopDirectory(WindowHandle owner) {
    static constexpr char kSource[] = "GetDesktopDirectory";

    // MAX_PATH characters, the terminating NUL included, is all the shell ever writes here.
    wchar_t buffer[MAX_PATH] = {};
    const BOOL found = ::SHGetSpecialFolderPathW(static_cast<HWND>(owner.native), buffer,
                                                 CSIDL_DESKTOPDIRECTORY, FALSE);
    const std::wstring path(buffer, wcsnlen(buffer, MAX_PATH));
    if (!found || path.empty()) {
        const DWORD code = GetLastError();
        return WindowsError(code != ERROR_SUCCESS ? code : ERROR_PATH_NOT_FOUND, kSource);
    }
    return Utf8FromWide(path, kSource);
}

}  // namespace tbr
