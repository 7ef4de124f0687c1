// A stand-in for the Windows calls that the text conversion (common/wide_text_win32.h) makes, so
// that it builds on Linux for the wide_text fuzz target. It follows Windows' documented behaviour
// of MultiByteToWideChar and WideCharToMultiByte with CP_UTF8: UTF-16 code units in wchar_t;
// text that is not valid UTF-8 (overlong forms, surrogates, beyond U+10FFFF) or UTF-16 (a lone
// surrogate) fails with ERROR_NO_UNICODE_TRANSLATION under MB_ERR_INVALID_CHARS /
// WC_ERR_INVALID_CHARS and becomes U+FFFD without. What it cannot show is where Windows itself
// departs from its documentation: the real calls are exercised under Wine by tests/win32.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "../fuzz_support.h"

using DWORD = std::uint32_t;
using UINT = unsigned;
using BOOL = int;
using HLOCAL = void*;

inline constexpr UINT CP_UTF8 = 65001;
inline constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;
inline constexpr DWORD WC_ERR_INVALID_CHARS = 0x80;
inline constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x100;
inline constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x200;
inline constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_BUFFER_OVERFLOW = 111;
inline constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

namespace tbr::fuzz {
inline DWORD& FuzzLastError() {
    static DWORD error = 0;
    return error;
}
}  // namespace tbr::fuzz

inline DWORD GetLastError() {
    return tbr::fuzz::FuzzLastError();
}
inline void SetLastError(DWORD error) {
    tbr::fuzz::FuzzLastError() = error;
}
inline DWORD FormatMessageW(DWORD, const void*, DWORD, DWORD, wchar_t*, DWORD, void*) {
    return 0;
}
inline HLOCAL LocalFree(HLOCAL) {
    return nullptr;
}

namespace tbr::fuzz {

// Copies units into the caller's buffer as the conversion calls do: the size when asked for it,
// 0 and ERROR_INSUFFICIENT_BUFFER when it does not fit.
template <typename Unit>
int Deliver(const std::vector<Unit>& units, Unit* out, int room) {
    if (room == 0) {
        return static_cast<int>(units.size());
    }
    if (units.size() > static_cast<std::size_t>(room)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (std::size_t i = 0; i < units.size(); ++i) {
        out[i] = units[i];
    }
    return static_cast<int>(units.size());
}

}  // namespace tbr::fuzz

inline int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length,
                               wchar_t* out, int room) {
    if (codePage != CP_UTF8 || length <= 0 || room < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string_view view(text, static_cast<std::size_t>(length));
    std::vector<wchar_t> units;
    for (std::size_t at = 0, size = 0; at < view.size(); at += size) {
        const char32_t c = tbr::fuzz::CharacterAt(view, at, size);
        if (c == tbr::fuzz::kNotACharacter) {
            if ((flags & MB_ERR_INVALID_CHARS) != 0) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return 0;
            }
            // An invalid sequence is replaced as far as it went: its lead and the continuation
            // bytes its lead asks for that follow it.
            const auto lead = static_cast<unsigned char>(view[at]);
            const std::size_t asked = lead < 0xC2 || lead >= 0xF5 ? 1
                                      : lead < 0xE0               ? 2
                                      : lead < 0xF0               ? 3
                                                                  : 4;
            while (size < asked && at + size < view.size() &&
                   (static_cast<unsigned char>(view[at + size]) & 0xC0) == 0x80) {
                ++size;
            }
            units.push_back(0xFFFD);
            continue;
        }
        if (c >= 0x10000) {
            units.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<wchar_t>(c));
        }
    }
    return tbr::fuzz::Deliver(units, out, room);
}

inline int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* text, int length,
                               char* out, int room, const char*, BOOL*) {
    if (codePage != CP_UTF8 || length <= 0 || room < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::vector<char> bytes;
    for (int i = 0; i < length; ++i) {
        char32_t c = static_cast<char32_t>(text[i]) & 0xFFFF;
        const char32_t next = i + 1 < length ? static_cast<char32_t>(text[i + 1]) & 0xFFFF : 0;
        if (c >= 0xD800 && c <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            if ((flags & WC_ERR_INVALID_CHARS) != 0) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return 0;
            }
            c = 0xFFFD;
        }
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return tbr::fuzz::Deliver(bytes, out, room);
}
