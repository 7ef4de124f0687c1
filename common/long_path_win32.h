// The form of a path that reaches past MAX_PATH (260 characters) on every Windows 10: "\\?\C:\..."
// or "\\?\UNC\server\share\...". The program's manifest declares it long-path aware, but Windows
// takes longer plain paths only where the machine's LongPathsEnabled setting is on as well, and
// it is off unless someone turns it on. The system takes a "\\?\" path as it stands: no
// separators are turned around, no "." or ".." resolved, no trailing dots or spaces dropped.
// Only Windows code includes this header.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "common/wide_text_win32.h"

namespace tbr {

// Whether path is absolute and already in the form the system would make of it: a drive or a
// share, then names separated by single backslashes, none of them "." or ".." or ending in a dot
// or a space. Such a path needs no resolving, which GetFullPathNameW does only up to MAX_PATH
// without the setting.
inline bool IsPlainAbsolutePath(std::wstring_view path) {
    std::size_t at = 0;
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\' &&
        ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'))) {
        at = 3;
    } else if (path.starts_with(L"\\\\") && !path.starts_with(L"\\\\?\\") &&
               !path.starts_with(L"\\\\.\\")) {
        at = 2;
    } else {
        return false;
    }
    while (at < path.size()) {
        const std::size_t end = std::min(path.find(L'\\', at), path.size());
        const std::wstring_view name = path.substr(at, end - at);
        if (name.empty() || name == L"." || name == L".." || name.back() == L'.' ||
            name.back() == L' ' || name.find(L'/') != std::wstring_view::npos) {
            return false;
        }
        at = end + 1;
    }
    return true;
}

// The absolute "\\?\" form of path; a path already in that form is returned as it is. Empty, with
// the system's error as the last error, when the path cannot be resolved.
inline std::wstring LongPathForm(const std::wstring& path) {
    if (path.starts_with(L"\\\\?\\")) {
        return path;
    }
    std::wstring full = path;
    if (!IsPlainAbsolutePath(path)) {
        const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
        if (needed == 0) {
            return {};
        }
        full.assign(needed, L'\0');
        const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
        if (length == 0 || length >= needed) {
            SetLastError(length == 0 ? GetLastError() : ERROR_BUFFER_OVERFLOW);
            return {};
        }
        full.resize(length);
        if (full.starts_with(L"\\\\?\\")) {
            return full;
        }
    }
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

}  // namespace tbr
