// The boundary between the program's UTF-8 text and the UTF-16 text of the Windows API. Only
// Windows code includes this header.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <string>
#include <string_view>

#include "common/os_error.h"

namespace tbr {

// For texts that are only shown: anything that does not convert becomes U+FFFD.
inline std::wstring WideText(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::wstring();
    }
    const int length = static_cast<int>(utf8.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), size);
    }
    return wide;
}

inline std::string Utf8Text(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX / 3)) {
        return std::string();
    }
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), size, nullptr, nullptr);
    }
    return utf8;
}

// The system's description of an error code, without the line end it comes with.
inline std::string SystemErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = length > 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ')) {
        wide.pop_back();
    }
    return wide.empty() ? "System error " + std::to_string(code) : Utf8Text(wide);
}

// An OsError for a Windows error code: the code, the system's description, the raising place.
inline OsError WindowsError(DWORD code, const std::string& source) {
    return OsError{static_cast<int>(code), SystemErrorText(code), source};
}

inline OsError LastWindowsError(const std::string& source) {
    return WindowsError(GetLastError(), source);
}

// UTF-8 to UTF-16; text that is not valid UTF-8 is an error (ERROR_NO_UNICODE_TRANSLATION).
inline Result<std::wstring> WideFromUtf8(std::string_view utf8, const std::string& source) {
    if (utf8.empty()) {
        return std::wstring();
    }
    if (utf8.size() > static_cast<std::size_t>(INT_MAX)) {
        return WindowsError(ERROR_BUFFER_OVERFLOW, source);
    }
    const int length = static_cast<int>(utf8.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
    if (size <= 0) {
        return LastWindowsError(source);
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), size);
    return wide;
}

// UTF-16 to UTF-8; a lone surrogate is an error (ERROR_NO_UNICODE_TRANSLATION).
inline Result<std::string> Utf8FromWide(std::wstring_view wide, const std::string& source) {
    if (wide.empty()) {
        return std::string();
    }
    if (wide.size() > static_cast<std::size_t>(INT_MAX / 3)) {
        return WindowsError(ERROR_BUFFER_OVERFLOW, source);
    }
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return LastWindowsError(source);
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), length, utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

}  // namespace tbr
