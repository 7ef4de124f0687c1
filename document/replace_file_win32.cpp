// Replacing a file without ever losing data, on Windows:
//   hidden temporary file created new in the target's folder -> write all -> flush -> shown and
//   renamed over the target through its own handle -> flushed again -> closed.
// The temporary file stays open and unshared from its creation until it is in place, so nothing
// else (a virus scanner, a backup or sync client, the preview pane) can open it in between, and a
// failure deletes it through that same handle, but only while the handle still names it: a rename
// reported as failed may have taken place (on a network share, behind a filter driver). Those
// programs do open the target, and new files, for a moment: a step refused for such a passing
// lock is tried again for about a second. A file at the target is replaced only where the writer
// saw one; where it could not tell, the rename may only create.
// Which paths are taken at all is decided in document_path_win32.cpp.
#include <cstddef>
#include <cstring>
#include <vector>

#include "common/wide_text_win32.h"
#include "document/document_path_win32.h"
#include "document/rename_step_win32.h"
#include "document/replace_file.h"
#include "document/target_kind.h"
#include "document/temporary_name.h"

namespace tbr {
namespace {

// ERROR_DIRECTORY_NOT_SUPPORTED, which not every SDK's headers name.
constexpr DWORD kErrorIsFolder = 336;

// FileRenameInfoEx (Windows 10 1607) and its flags, which not every SDK's headers name.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kRenameReplaceIfExists = 0x1;
constexpr DWORD kRenamePosixSemantics = 0x2;

// What another program's handle on a file causes for a moment: a sharing or lock conflict, or
// "access denied" for a file that is being deleted or scanned.
bool IsPassingLock(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

// Runs step (0 or an error code) again while it fails for a passing lock, after pauses that grow
// to about a second in all; returns its last result. A lasting lock thus costs a second, once.
template <typename Step>
DWORD RetryWhileLocked(Step step) {
    static constexpr DWORD kPauses[] = {20, 40, 80, 160, 300, 400};  // milliseconds
    DWORD error = step();
    for (const DWORD pause : kPauses) {
        if (!IsPassingLock(error)) {
            break;
        }
        Sleep(pause);
        error = step();
    }
    return error;
}

// Creates a new hidden temporary file in folder (which ends in a separator), open for writing,
// renaming and deleting, and shared with nobody. An existing name, a link among them, is never
// opened: the attempt moves on to another name.
HANDLE CreateTemporaryFile(const std::wstring& folder, std::wstring& path) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        const std::string name =
            TemporaryName(static_cast<unsigned long long>(now.QuadPart) ^
                          (static_cast<unsigned long long>(GetCurrentProcessId()) << 40) ^
                          (attempt * 0x9E3779B97F4A7C15ULL));
        path = folder + std::wstring(name.begin(), name.end());
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file != INVALID_HANDLE_VALUE ||
            (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)) {
            return file;
        }
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
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
        if (IsTemporaryName(Utf8Text(found.cFileName)) &&
            (found.dwFileAttributes & kNotPlain) == 0 && size <= largest &&
            Ticks(now) >= Ticks(found.ftLastWriteTime) + kHour) {
            DeleteFileW((folder + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// Writes and flushes the file. Returns 0, or the failing step's error and description.
DWORD Fill(HANDLE file, std::span<const unsigned char> content, const char*& what) {
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
        DWORD written = 0;
        const bool wrote = WriteFile(file, content.data() + done, chunk, &written, nullptr) != 0;
        if (!wrote || written == 0) {
            what = "Cannot write the temporary file";
            return wrote ? ERROR_WRITE_FAULT : GetLastError();  // no progress: never loop forever
        }
        done += written;
    }
    if (!FlushFileBuffers(file)) {
        what = "Cannot flush the temporary file to the disk";
        return GetLastError();
    }
    return 0;
}

// Sets or clears the hidden attribute, and only that, of the open file. Returns 0 or the error.
DWORD SetHidden(HANDLE file, bool hidden) {
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof(basic))) {
        return GetLastError();
    }
    const DWORD others =
        basic.FileAttributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_NORMAL);
    basic = FILE_BASIC_INFO{};  // times of 0 are left as they are
    basic.FileAttributes =
        hidden ? others | FILE_ATTRIBUTE_HIDDEN : (others != 0 ? others : FILE_ATTRIBUTE_NORMAL);
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof(basic)) ? 0
                                                                                  : GetLastError();
}

// Renames the open file to target. `flags` fills the first field, which is the flags of the newer
// form of rename and ReplaceIfExists of the classic one.
DWORD RenameThroughHandle(HANDLE file, const std::wstring& target, FILE_INFO_BY_HANDLE_CLASS form,
                          DWORD flags) {
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(offsetof(FILE_RENAME_INFO, FileName) + nameBytes +
                                      sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    std::memcpy(buffer.data(), &flags, sizeof(flags));
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(rename->FileName, target.c_str(), nameBytes + sizeof(wchar_t));
    return SetFileInformationByHandle(file, form, rename, static_cast<DWORD>(buffer.size()))
               ? 0
               : GetLastError();
}

RenameStep renameStep = RenameOver;

// Deletes the temporary file through its handle, which nobody else can hold, and closes it.
void Discard(HANDLE file, const std::wstring& path) {
    FILE_DISPOSITION_INFO deleted{TRUE};
    const bool marked =
        SetFileInformationByHandle(file, FileDispositionInfo, &deleted, sizeof(deleted));
    CloseHandle(file);
    if (!marked) {
        RetryWhileLocked([&] { return DeleteFileW(path.c_str()) ? 0 : GetLastError(); });
    }
}

// The last name of path, after its last separator.
std::wstring_view LastName(std::wstring_view path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

// Whether the open file is named `name` now, as its file system reports; false when it cannot
// say.
bool IsNamed(HANDLE file, std::wstring_view name) {
    std::vector<unsigned char> buffer(sizeof(FILE_NAME_INFO) + 32768 * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
    if (!GetFileInformationByHandleEx(file, FileNameInfo, info,
                                      static_cast<DWORD>(buffer.size()))) {
        return false;
    }
    const std::wstring_view now =
        LastName({info->FileName, info->FileNameLength / sizeof(wchar_t)});
    return CompareStringOrdinal(now.data(), static_cast<int>(now.size()), name.data(),
                                static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
}

// Shows the hidden file and renames it to target; hides it again when it still has its temporary
// name after a failed rename, so that it is visible only for the moment of each attempt and the
// document is never hidden. A failure reported after the file got the target's name is a success:
// the document is in place, and the file that was there is gone.
DWORD PutInPlace(HANDLE file, const std::wstring& target, bool replace,
                 std::wstring_view temporaryName) {
    DWORD error = SetHidden(file, false);
    if (error == 0 && (error = renameStep(file, target, replace)) != 0) {
        if (IsNamed(file, LastName(target))) {
            return 0;
        }
        if (IsNamed(file, temporaryName)) {
            SetHidden(file, true);
        }
    }
    return error;
}

enum class Presence { Absent, Present, Unknown };

// Whether something is at path, and its attributes when they can be read. A name that cannot be
// opened ("access denied", "in use") is looked for in its folder's listing; where the folder
// cannot be listed either, the answer is Unknown, never Present.
Presence Probe(const std::wstring& path, DWORD& attributes) {
    attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return Presence::Present;
    }
    attributes = 0;
    const DWORD error = GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) {
        return Presence::Absent;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileExW(path.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        attributes = found.dwFileAttributes;
        return Presence::Present;
    }
    const DWORD listing = GetLastError();
    if (listing == ERROR_FILE_NOT_FOUND || listing == ERROR_PATH_NOT_FOUND) {
        return Presence::Absent;
    }
    // "In use" is said only of something that is there.
    return error == ERROR_SHARING_VIOLATION ? Presence::Present : Presence::Unknown;
}

}  // namespace

// Puts the open file in place of target. Where the system and the file system offer it (Windows
// 10 1607 and later, NTFS), the rename that also replaces a target others hold open with delete
// sharing, as a preview or an indexer does; the classic rename otherwise. Renaming the target's
// own directory entry replaces a link there, never what it points at.
DWORD RenameOver(HANDLE file, const std::wstring& target, bool replace) {
    const DWORD error =
        RenameThroughHandle(file, target, kFileRenameInfoEx,
                            (replace ? kRenameReplaceIfExists : 0) | kRenamePosixSemantics);
    const bool notOffered = error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FUNCTION ||
                            error == ERROR_INVALID_LEVEL || error == ERROR_NOT_SUPPORTED ||
                            error == ERROR_CALL_NOT_IMPLEMENTED;
    return notOffered ? RenameThroughHandle(file, target, FileRenameInfo, replace ? TRUE : FALSE)
                      : error;
}

RenameStep SetRenameStep(RenameStep step) {
    const RenameStep before = renameStep;
    renameStep = step != nullptr ? step : RenameOver;
    return before;
}

Status ReplaceFileDurably(const std::string& targetPath, std::span<const unsigned char> content,
                          const char* source) {
    Result<std::wstring> target = DocumentPath(targetPath, source);
    if (!target) {
        return target.error();
    }
    const std::wstring& path = target.value();
    const std::size_t lastSeparator = path.find_last_of(L'\\');
    if (lastSeparator + 1 == path.size()) {
        return WriterFailure(kErrorIsFolder, source, "'" + targetPath + "' names a folder");
    }
    DWORD attributes = 0;
    const Presence atTarget = Probe(path, attributes);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return WriterFailure(kErrorIsFolder, source, "'" + targetPath + "' is a folder");
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        // Windows refuses to rename over a read-only file; say so before anything is written, and
        // on every system that might not.
        return WriterFailure(ERROR_ACCESS_DENIED, source, "'" + targetPath + "' is read-only");
    }

    const std::wstring folder = path.substr(0, lastSeparator + 1);
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD error = RetryWhileLocked([&] {
        file = CreateTemporaryFile(folder, temporary);
        return file != INVALID_HANDLE_VALUE ? 0 : GetLastError();
    });
    if (error != 0) {
        return WriterFailure(error, source,
                             "Cannot create a temporary file beside '" + targetPath + "'");
    }

    const char* what = "";
    error = Fill(file, content, what);
    if (error != 0) {
        Discard(file, temporary);  // the old file stays as it was
        return WriterFailure(error, source, std::string(what) + " ('" + targetPath + "')");
    }
    // Only a file seen there is replaced: where the target could not be looked at, a file there
    // makes the rename fail rather than go without the user's word.
    const bool replace = atTarget == Presence::Present;
    const std::wstring temporaryName(LastName(temporary));
    error = RetryWhileLocked([&] { return PutInPlace(file, path, replace, temporaryName); });
    if (error != 0) {
        // Deleted only while it certainly bears its temporary name: what else it may be named
        // now could be the document.
        if (IsNamed(file, temporaryName)) {
            Discard(file, temporary);
        } else {
            CloseHandle(file);
        }
        return WriterFailure(error, source,
                             "Cannot put the new file in place ('" + targetPath + "')");
    }
    // The document is in place. Flushing it again asks the file system to write its records of
    // the rename as well, though Windows documents no flush of a folder; nothing here can be
    // reported as a failure any more.
    FlushFileBuffers(file);
    CloseHandle(file);
    RemoveStaleTemporaryFiles(folder, content.size());
    return {};
}

TargetKind WhatIsAt(const std::string& path) {
    // A path that WriteNewDocument refuses (a device name such as NUL, which Windows reports as
    // present in every folder) holds nothing that the user could be asked to replace.
    const Result<std::wstring> full = DocumentPath(path, "WhatIsAt");
    if (!full) {
        return TargetKind::Nothing;
    }
    // Where it cannot tell, the writer decides: it creates the document, or fails on a file there.
    DWORD attributes = 0;
    if (Probe(full.value(), attributes) != Presence::Present) {
        return TargetKind::Nothing;
    }
    // The writer refuses folders and read-only files.
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0
               ? TargetKind::Unreplaceable
               : TargetKind::ReplaceableFile;
}

}  // namespace tbr
