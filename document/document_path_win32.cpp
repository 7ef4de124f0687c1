#include "document/document_path_win32.h"

#include "common/long_path_win32.h"

namespace tbr {
namespace {

wchar_t Upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
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
    if (path.starts_with(L"\\\\.\\") || path.starts_with(L"//./") || path.starts_with(L"\\??\\")) {
        return std::wstring_view::npos;
    }
    // The same prefixes with the separators mixed ("/\?\", "\/.\"): the system takes them for
    // the device namespace or a path it uses as it stands, not for a share.
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
        (path[2] == L'.' || path[2] == L'?') && IsSeparator(path[3]) &&
        !path.starts_with(L"\\\\?\\")) {
        return std::wstring_view::npos;
    }
    if (path.starts_with(L"\\\\?\\")) {
        start = 4;
        if (path.substr(start, 4) == L"UNC\\") {
            start += 4;
        } else if (!(path.size() >= start + 2 && path[start + 1] == L':')) {
            return std::wstring_view::npos;
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

bool IsAcceptablePath(std::wstring_view path) {
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

// The absolute form of path, in the "\\?\" form that takes long paths and is used as it stands.
Result<std::wstring> FullPath(const std::wstring& path, const char* source) {
    std::wstring full = LongPathForm(path);
    if (full.empty()) {
        return WriterFailure(GetLastError(), source, "Cannot resolve the path");
    }
    return full;
}

}  // namespace

OsError WriterFailure(DWORD code, const char* source, const std::string& what) {
    return OsError{static_cast<int>(code), what + ": " + SystemErrorText(code), source};
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) {
            return false;
        }
    }
    return true;
}

Result<std::wstring> DocumentPath(const std::string& utf8, const char* source) {
    if (utf8.empty()) {
        return WriterFailure(ERROR_PATH_NOT_FOUND, source, "The path is empty");
    }
    if (utf8.find('\0') != std::string::npos) {
        return WriterFailure(ERROR_INVALID_NAME, source, "The path holds a NUL character");
    }
    // Text that is not UTF-8 (a lone surrogate kept from a box) names no file.
    Result<std::wstring> wide = WideFromUtf8(utf8, source);
    if (!wide) {
        return WriterFailure(ERROR_INVALID_NAME, source, "The path is not valid text");
    }
    if (!IsAcceptablePath(wide.value())) {
        return WriterFailure(ERROR_INVALID_NAME, source,
                             "'" + utf8 + "' is not a usable file name");
    }
    return FullPath(wide.value(), source);
}

}  // namespace tbr
