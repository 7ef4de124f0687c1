// Replacing a file without ever losing data, on Windows:
//   temporary file created new in the target's folder -> write all -> flush -> close -> move over
//   the target (replace existing, write through).
// Paths are checked first against what Windows would otherwise quietly reinterpret: device names
// (NUL, CON, COM1...), alternate data streams (":"), wildcards, and names ending in a dot or a
// space, which Windows would silently shorten into another name.
#include <cwchar>
#include <string_view>

#include "common/wide_text_win32.h"
#include "document/replace_file.h"
#include "document/write_new_document.h"

namespace tbr {
namespace {

// ERROR_DIRECTORY_NOT_SUPPORTED, which not every SDK's headers name.
constexpr DWORD kErrorIsFolder = 336;

OsError Failure(DWORD code, const char* source, const std::string& what) {
    return OsError{static_cast<int>(code), what + ": " + SystemErrorText(code), source};
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

wchar_t Upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
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
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return Failure(GetLastError(), source, "Cannot resolve the path");
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return Failure(length == 0 ? GetLastError() : ERROR_BUFFER_OVERFLOW, source,
                       "Cannot resolve the path");
    }
    full.resize(length);
    if (full.starts_with(L"\\\\?\\")) {
        return full;
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

// The checked, absolute, long-path form of a document path given in UTF-8.
Result<std::wstring> DocumentPath(const std::string& utf8, const char* source) {
    if (utf8.empty()) {
        return Failure(ERROR_PATH_NOT_FOUND, source, "The path is empty");
    }
    if (utf8.find('\0') != std::string::npos) {
        return Failure(ERROR_INVALID_NAME, source, "The path holds a NUL character");
    }
    // Text that is not UTF-8 (a lone surrogate kept from a box) names no file.
    Result<std::wstring> wide = WideFromUtf8(utf8, source);
    if (!wide) {
        return Failure(ERROR_INVALID_NAME, source, "The path is not valid text");
    }
    if (!IsAcceptablePath(wide.value())) {
        return Failure(ERROR_INVALID_NAME, source, "'" + utf8 + "' is not a usable file name");
    }
    return FullPath(wide.value(), source);
}

std::wstring TemporaryName(unsigned attempt) {
    static constexpr wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    unsigned long long x = static_cast<unsigned long long>(now.QuadPart) ^
                           (static_cast<unsigned long long>(GetCurrentProcessId()) << 40) ^
                           (attempt * 0x9E3779B97F4A7C15ULL);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    x ^= x >> 31;
    std::wstring name = L".tbrwiz-";
    for (int i = 0; i < 6; ++i) {
        name += kAlphabet[x % 36];
        x /= 36;
    }
    return name;
}

// Creates a new temporary file in folder (which ends in a separator). An existing name, a link
// among them, is never opened: the attempt moves on to another name.
HANDLE CreateTemporaryFile(const std::wstring& folder, std::wstring& path) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        path = folder + TemporaryName(attempt);
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file != INVALID_HANDLE_VALUE ||
            (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)) {
            return file;
        }
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// ".tbrwiz-" and six letters or digits: a name TemporaryName gives.
bool IsTemporaryName(std::wstring_view name) {
    constexpr std::wstring_view kPrefix = L".tbrwiz-";
    if (name.size() != kPrefix.size() + 6 || !EqualsIgnoringCase(name.substr(0, 8), kPrefix)) {
        return false;
    }
    for (const wchar_t c : name.substr(kPrefix.size())) {
        const wchar_t upper = Upper(c);
        if (!((upper >= L'A' && upper <= L'Z') || (upper >= L'0' && upper <= L'9'))) {
            return false;
        }
    }
    return true;
}

unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Removes the temporary files that killed writes left in folder (which ends in a separator):
// plain files of ours by name, no larger than the content, unchanged for an hour. A younger one
// may belong to another copy of the program writing right now. Best effort: nothing here can
// fail the write.
void RemoveStaleTemporaryFiles(const std::wstring& folder, std::size_t largest) {
    constexpr unsigned long long kHour = 60ULL * 60 * 10'000'000;  // in 100-nanosecond ticks
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW((folder + L".tbrwiz-*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    do {
        const unsigned long long size =
            (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        if (IsTemporaryName(found.cFileName) && (found.dwFileAttributes & kNotPlain) == 0 &&
            size <= largest && Ticks(now) >= Ticks(found.ftLastWriteTime) + kHour) {
            DeleteFileW((folder + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// Writes, flushes and closes the file. Returns 0, or the failing step's error and description.
DWORD FillAndClose(HANDLE file, std::span<const unsigned char> content, const char*& what) {
    DWORD error = 0;
    std::size_t done = 0;
    while (error == 0 && done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, content.data() + done, chunk, &written, nullptr)) {
            error = GetLastError();
        } else if (written == 0) {
            error = ERROR_WRITE_FAULT;  // no progress at all: never loop forever
        }
        done += written;
    }
    if (error != 0) {
        what = "Cannot write the temporary file";
    } else if (!FlushFileBuffers(file)) {
        error = GetLastError();
        what = "Cannot flush the temporary file to the disk";
    }
    if (!CloseHandle(file) && error == 0) {
        error = GetLastError();
        what = "Cannot close the temporary file";
    }
    return error;
}

}  // namespace

Status ReplaceFileDurably(const std::string& targetPath, std::span<const unsigned char> content,
                          const char* source) {
    Result<std::wstring> target = DocumentPath(targetPath, source);
    if (!target) {
        return target.error();
    }
    const std::wstring& path = target.value();
    const std::size_t lastSeparator = path.find_last_of(L'\\');
    if (lastSeparator + 1 == path.size()) {
        return Failure(kErrorIsFolder, source, "'" + targetPath + "' names a folder");
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Failure(kErrorIsFolder, source, "'" + targetPath + "' is a folder");
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        // Windows refuses to move over a read-only file; say so before anything is written, and
        // on every system that might not.
        return Failure(ERROR_ACCESS_DENIED, source, "'" + targetPath + "' is read-only");
    }

    std::wstring temporary;
    const HANDLE file = CreateTemporaryFile(path.substr(0, lastSeparator + 1), temporary);
    if (file == INVALID_HANDLE_VALUE) {
        return Failure(GetLastError(), source,
                       "Cannot create a temporary file beside '" + targetPath + "'");
    }

    const char* what = "";
    DWORD error = FillAndClose(file, content, what);
    // Moving over the target replaces the target's own directory entry: a link there is itself
    // replaced and whatever it pointed at stays untouched. A read-only or open target refuses.
    if (error == 0 && !MoveFileExW(temporary.c_str(), path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        what = "Cannot put the new file in place";
    }
    if (error != 0) {
        DeleteFileW(temporary.c_str());  // the old file stays as it was
        return Failure(error, source, std::string(what) + " ('" + targetPath + "')");
    }
    RemoveStaleTemporaryFiles(path.substr(0, lastSeparator + 1), content.size());
    return {};
}

TargetKind WhatIsAt(const std::string& path) {
    // A path that WriteNewDocument refuses (a device name such as NUL, which Windows reports as
    // present in every folder) holds nothing that the user could be asked to replace.
    const Result<std::wstring> full = DocumentPath(path, "WhatIsAt");
    if (!full) {
        return TargetKind::Nothing;
    }
    const DWORD attributes = GetFileAttributesW(full.value().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION
                   ? TargetKind::ReplaceableFile
                   : TargetKind::Nothing;
    }
    // The writer refuses folders and read-only files.
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0
               ? TargetKind::Unreplaceable
               : TargetKind::ReplaceableFile;
}

}  // namespace tbr
