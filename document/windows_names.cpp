#include "document/windows_names.h"

#include <algorithm>

namespace tbr {
namespace {

wchar_t Upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

// Compares two names as Windows does for the ASCII letters in them.
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return Upper(x) == Upper(y); });
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// CON, NUL, COM1... name a device in every folder, with any extension ("NUL.tbr") and with
// spaces before the extension ("NUL .tbr").
bool IsReservedDeviceName(std::wstring_view component) {
    std::wstring_view stem = component.substr(0, component.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') {
        stem.remove_suffix(1);
    }
    for (const wchar_t* name : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"}) {
        if (EqualsIgnoringCase(stem, name)) {
            return true;
        }
    }
    if (stem.size() == 4 && (EqualsIgnoringCase(stem.substr(0, 3), L"COM") ||
                             EqualsIgnoringCase(stem.substr(0, 3), L"LPT"))) {
        const wchar_t digit = stem[3];
        return (digit >= L'0' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' ||
               digit == L'\u00B3';
    }
    return false;
}

bool IsAcceptableComponent(std::wstring_view component) {
    if (component == L"." || component == L"..") {
        return true;
    }
    for (const wchar_t c : component) {
        if (c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) {
            return false;
        }
    }
    const wchar_t last = component.back();
    return last != L'.' && last != L' ' && !IsReservedDeviceName(component);
}

// The part of the path that is not made of names: "C:", "\\server\share", "\\?\C:",
// "\\?\UNC\server\share" or nothing. Returns its length, or npos for a form that is refused (the
// device namespace "\\.\" and other "\\?\" forms).
std::size_t RootLength(std::wstring_view path) {
    std::size_t start = 0;
    // The device namespace and the "\\?\" prefix with either separator ("\\.\", "//./", "/\?\"),
    // but for "\\?\" itself: the system takes them for a device or a path it uses as it stands,
    // not for a share. (The system's own "\??\" is refused for its '?' in a name.)
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
        (path[2] == L'.' || path[2] == L'?') && IsSeparator(path[3]) &&
        !path.starts_with(L"\\\\?\\")) {
        return std::wstring_view::npos;
    }
    if (path.starts_with(L"\\\\?\\")) {
        start = 4;
        if (path.substr(start, 4) == L"UNC\\") {
            start += 4;
        } else if (!(path.size() >= start + 2 && path[start + 1] == L':') ||
                   (path.size() > start + 2 && !IsSeparator(path[start + 2]))) {
            return std::wstring_view::npos;  // a drive, and only before a separator: no "C:x"
        }
    }
    const std::wstring_view rest = path.substr(start);
    if (rest.size() >= 2 && rest[1] == L':' &&
        ((rest[0] >= L'A' && rest[0] <= L'Z') || (rest[0] >= L'a' && rest[0] <= L'z'))) {
        return start + 2;
    }
    if (start == 8 || (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1]))) {
        // A network share: the server's and the share's names are not ours to judge.
        std::size_t at = start == 8 ? start : start + 2;
        for (int names = 0; names < 2 && at < path.size(); ++names) {
            while (at < path.size() && !IsSeparator(path[at])) {
                ++at;
            }
            if (names == 0 && at < path.size()) {
                ++at;
            }
        }
        return at;
    }
    return start;
}

}  // namespace

bool IsAcceptableWindowsPath(std::wstring_view path) {
    const std::size_t root = RootLength(path);
    if (root == std::wstring_view::npos) {
        return false;
    }
    std::size_t at = root;
    while (at < path.size()) {
        const std::size_t end = std::min(path.find_first_of(L"\\/", at), path.size());
        if (end > at && !IsAcceptableComponent(path.substr(at, end - at))) {
            return false;
        }
        at = end + 1;
    }
    return true;
}

}  // namespace tbr
