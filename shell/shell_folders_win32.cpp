// The shell's folders on Windows: the desktop directory as the shell's CSIDL_DESKTOPDIRECTORY,
// asked on behalf of a window, without a trailing separator; cSpecialFolders by the shell's item
// identifier list of the folder, then its path.
#include "shell/shell_folders.h"

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

Result<std::string> cSpecialFolders::GetSpecialFolder(int csidl) const {
    static constexpr char kSource[] = "cSpecialFolders::GetSpecialFolder";

    // The identifier is passed on unchecked; one the shell does not know has no location.
    PIDLIST_ABSOLUTE list = nullptr;
    if (::SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK || list == nullptr) {
        return std::string();
    }

    // The shell writes at most MAX_PATH characters, its NUL included; a folder without a
    // file-system path (a virtual folder such as the drives) leaves the buffer empty.
    wchar_t buffer[MAX_PATH] = {};
    const BOOL hasPath = ::SHGetPathFromIDListW(list, buffer);
    ::CoTaskMemFree(list);
    std::wstring path(buffer, wcsnlen(buffer, MAX_PATH));
    if (!hasPath || path.empty()) {
        return std::string();
    }
    if (path.back() != L'\\') {
        path += L'\\';  // a drive root such as D:\ already ends in one
    }
    return Utf8FromWide(path, kSource);
}

}  // namespace tbr
