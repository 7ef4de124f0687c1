// A stand-in for the few Windows calls that the text conversion (common/wide_text_win32.h) and the
// Windows path rules (document/document_path_win32.cpp) make, so that both build on Linux for
// the fuzz targets. It follows Windows' documented behaviour:
// - MultiByteToWideChar and WideCharToMultiByte with CP_UTF8: UTF-16 code units in wchar_t;
//   text that is not valid UTF-8 (overlong forms, surrogates, beyond U+10FFFF) or UTF-16 (a lone
//   surrogate) fails with ERROR_NO_UNICODE_TRANSLATION under MB_ERR_INVALID_CHARS /
//   WC_ERR_INVALID_CHARS and becomes U+FFFD without.
// - GetFullPathNameW: Win32 path normalisation. '/' becomes '\', runs of separators one, "." and
//   ".." are resolved; a name that ends in one dot loses it and the last name loses all trailing
//   dots and spaces; a last name that is a DOS device (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with
//   any extension) becomes "\\.\<device>"; relative forms are taken from FuzzCurrentFolder.
//   A "\\?\" path is returned as it is.
// What it cannot show is where Windows itself departs from its documentation: the real calls are
// exercised under Wine by tests/win32.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

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
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_INVALID_NAME = 123;
inline constexpr DWORD ERROR_BUFFER_OVERFLOW = 111;
inline constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

namespace tbr::fuzz {
// The current folder that GetFullPathNameW resolves relative paths from, e.g. L"C:\\cwd\\".
inline std::wstring& FuzzCurrentFolder() {
    static std::wstring folder = L"C:\\cwd\\";
    return folder;
}
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
    std::vector<wchar_t> units;
    int at = 0;
    while (at < length) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int size = lead < 0x80   ? 1
                         : lead < 0xC2 ? 0
                         : lead < 0xE0 ? 2
                         : lead < 0xF0 ? 3
                         : lead < 0xF5 ? 4
                                       : 0;
        char32_t c = size == 1   ? lead
                     : size == 2 ? lead & 0x1F
                     : size == 3 ? lead & 0x0F
                                 : lead & 0x07;
        int taken = 1;  // an invalid sequence is replaced as far as it went
        bool valid = size != 0;
        for (int i = 1; valid && i < size; ++i) {
            valid = at + i < length && (static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80;
            if (valid) {
                c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
                taken = i + 1;
            }
        }
        const char32_t smallest = size == 3 ? 0x800 : size == 4 ? 0x10000 : 0;
        valid = valid && c >= smallest && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (!valid) {
            if ((flags & MB_ERR_INVALID_CHARS) != 0) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return 0;
            }
            units.push_back(0xFFFD);
            at += taken;
            continue;
        }
        if (c >= 0x10000) {
            units.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<wchar_t>(c));
        }
        at += size;
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

namespace tbr::fuzz {

inline bool IsWindowsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

inline bool IsDosDevice(std::wstring name) {
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ') {
        name.pop_back();
    }
    for (wchar_t& c : name) {
        c = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
    }
    if (name == L"CON" || name == L"PRN" || name == L"AUX" || name == L"NUL") {
        return true;
    }
    const bool numbered =
        name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT"));
    return numbered && ((name[3] >= L'1' && name[3] <= L'9') || name[3] == L'\u00B9' ||
                        name[3] == L'\u00B2' || name[3] == L'\u00B3');
}

// The normalised full form of path, as GetFullPathNameW gives it. Without renaming, only the
// separators, "." and ".." are resolved: what a path means when Windows renames nothing in it.
inline std::wstring FullPathOf(std::wstring path, bool renaming = true) {
    if (path.starts_with(L"\\\\?\\")) {
        return path;
    }
    for (wchar_t& c : path) {
        c = IsWindowsSeparator(c) ? L'\\' : c;
    }
    std::wstring root;
    std::wstring rest;
    const std::wstring& current = FuzzCurrentFolder();
    const bool drive = path.size() >= 2 && path[1] == L':';
    if (path.starts_with(L"\\\\")) {  // \\server\share\...
        std::size_t end = path.find(L'\\', 2);
        end = end == std::wstring::npos ? path.size() : path.find(L'\\', end + 1);
        end = end == std::wstring::npos ? path.size() : end;
        root = path.substr(0, end);
        rest = path.substr(end);
    } else if (drive && path.size() >= 3 && path[2] == L'\\') {
        root = path.substr(0, 2);
        rest = path.substr(2);
    } else if (drive) {  // C:x, relative to the current folder of that drive
        root = path.substr(0, 2);
        rest = current.substr(0, 2) == root ? current.substr(2) + path.substr(2)
                                            : L"\\" + path.substr(2);
    } else if (path.starts_with(L"\\")) {  // \x, in the root of the current drive
        root = current.substr(0, 2);
        rest = path;
    } else {
        root = current.substr(0, 2);
        rest = current.substr(2) + path;
    }
    std::vector<std::wstring> names;
    std::size_t at = 0;
    while (at <= rest.size()) {
        const std::size_t end = std::min(rest.find(L'\\', at), rest.size());
        std::wstring name = rest.substr(at, end - at);
        at = end + 1;
        if (name == L"..") {
            if (!names.empty()) {
                names.pop_back();
            }
        } else if (!name.empty() && name != L".") {
            if (renaming && name.back() == L'.' &&
                (name.size() < 2 || name[name.size() - 2] != L'.')) {
                name.pop_back();
            }
            names.push_back(name);
        }
    }
    const bool endsInSeparator = !rest.empty() && rest.back() == L'\\';
    if (renaming && !names.empty() && !endsInSeparator) {
        std::wstring& last = names.back();
        while (!last.empty() && (last.back() == L'.' || last.back() == L' ')) {
            last.pop_back();
        }
        if (IsDosDevice(last)) {
            return L"\\\\.\\" + last.substr(0, last.find(L'.'));
        }
    }
    std::wstring full = root;
    for (const std::wstring& name : names) {
        full += L'\\' + name;
    }
    // A drive alone is its root folder (C:\ then); a share alone stays as it is (\\server\share).
    const bool share = root.starts_with(L"\\\\");
    return (names.empty() && !share) || endsInSeparator ? full + L'\\' : full;
}

}  // namespace tbr::fuzz

inline DWORD GetFullPathNameW(const wchar_t* path, DWORD room, wchar_t* out, wchar_t** namePart) {
    if (namePart != nullptr) {
        *namePart = nullptr;
    }
    const std::wstring full = tbr::fuzz::FullPathOf(path);
    if (full.size() + 1 > room) {
        return static_cast<DWORD>(full.size() + 1);
    }
    full.copy(out, full.size());
    out[full.size()] = L'\0';
    return static_cast<DWORD>(full.size());
}
