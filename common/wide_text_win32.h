// The boundary between the program's UTF-8 text and the UTF-16 text of the Windows API. Only
// Windows code includes this header.
#pragma once

#include <windows.h>

#include <climits>
#include <string>
#include <string_view>

#include "common/os_error.h"

namespace tbr {

// Text boxes and the folder dialog can hold a lone surrogate (half of a UTF-16 pair), which no
// UTF-8 can express. Utf8Text keeps it in the three-byte form that UTF-8 reserves and no UTF-8
// decoder accepts (ED A0..BF 80..BF): WideFromUtf8 refuses such text, so a name is never quietly
// turned into another one (a U+FFFD) on its way to the disk, while WideText gives the box back
// exactly what it held.

// The code unit of a kept lone surrogate at text[at], or 0 when none starts there.
inline wchar_t KeptSurrogateAt(std::string_view text, std::size_t at) {
    if (at + 2 >= text.size() || static_cast<unsigned char>(text[at]) != 0xED) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(text[at + 1]);
    const auto third = static_cast<unsigned char>(text[at + 2]);
    if (second < 0xA0 || second > 0xBF || third < 0x80 || third > 0xBF) {
        return 0;
    }
    return static_cast<wchar_t>(0xD000 | ((second & 0x3F) << 6) | (third & 0x3F));
}

// UTF-8 to UTF-16 for text that is shown or put back into a box: a kept lone surrogate comes
// back as itself; anything else that does not convert becomes U+FFFD.
inline std::wstring WideText(std::string_view utf8) {
    std::wstring wide;
    std::size_t done = 0;
    const auto convert = [&](std::size_t end) {
        const std::string_view part = utf8.substr(done, end - done);
        if (part.empty() || part.size() > static_cast<std::size_t>(INT_MAX)) {
            return;
        }
        const int length = static_cast<int>(part.size());
        const int size = MultiByteToWideChar(CP_UTF8, 0, part.data(), length, nullptr, 0);
        if (size > 0) {
            const std::size_t at = wide.size();
            wide.resize(at + static_cast<std::size_t>(size));
            MultiByteToWideChar(CP_UTF8, 0, part.data(), length, wide.data() + at, size);
        }
    };
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        if (const wchar_t surrogate = KeptSurrogateAt(utf8, at)) {
            convert(at);
            wide += surrogate;
            done = at + 3;
            at += 2;
        }
    }
    convert(utf8.size());
    return wide;
}

// UTF-16 to UTF-8 for text from boxes and dialogs; a lone surrogate is kept as described above.
inline std::string Utf8Text(std::wstring_view wide) {
    std::string utf8;
    utf8.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        unsigned long code = static_cast<unsigned long>(wide[i]) & 0xFFFF;
        const unsigned long next =
            i + 1 < wide.size() ? static_cast<unsigned long>(wide[i + 1]) & 0xFFFF : 0;
        if (code >= 0xD800 && code <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
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
