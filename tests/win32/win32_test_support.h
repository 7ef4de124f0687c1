// Helpers for the Windows tests: scratch folders, file contents, the stand-in editor.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/wide_text_win32.h"

namespace tbr::testing {

inline std::wstring Wide(const std::string& utf8) {
    return WideText(utf8);
}
inline std::string Narrow(const std::wstring& wide) {
    return Utf8Text(wide);
}

// The folder that holds the running test program.
inline std::wstring ProgramFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), 32768));
    return path.substr(0, path.find_last_of(L'\\'));
}

// Where the build puts the stand-in tbredit.exe, alone in its folder.
inline std::wstring EditorFolder() {
    return ProgramFolder() + L"\\editor";
}

inline bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::optional<std::string> ReadBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
        bytes.append(chunk, got);
    }
    CloseHandle(file);
    return bytes;
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The names in a folder, "." and ".." left out.
inline std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

inline void RemoveTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        for (const std::wstring& name : FolderEntries(path)) {
            RemoveTree(path + L"\\" + name);
        }
        RemoveDirectoryW(path.c_str());
    } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
}

// A fresh empty folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        static unsigned counter = 0;
        path_ = std::wstring(base) + L"tbrwiz-test-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(++counter);
        RemoveTree(path_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() { RemoveTree(path_); }

    const std::wstring& path() const { return path_; }
    std::string utf8() const { return Narrow(path_); }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

  private:
    std::wstring path_;
};

// Sets an environment variable for this process and its children, and puts it back afterwards.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const wchar_t* name, const std::optional<std::wstring>& value) : name_(name) {
        std::wstring old(32768, L'\0');
        const DWORD length = GetEnvironmentVariableW(name, old.data(), 32768);
        if (length > 0) {
            old.resize(length);
            old_ = old;
        }
        SetEnvironmentVariableW(name, value ? value->c_str() : nullptr);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

    const std::optional<std::wstring>& old() const { return old_; }

  private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::optional<std::string>& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (bytes && start < bytes->size()) {
        const std::size_t end_of_line = bytes->find('\n', start);
        lines.push_back(bytes->substr(start, end_of_line - start));
        start = end_of_line == std::string::npos ? bytes->size() : end_of_line + 1;
    }
    return lines;
}

// This process's environment, one "name=value" per variable, sorted (the order of a block is not
// part of it: Wine sorts a new process's block, Windows keeps it as given).
inline std::vector<std::string> EnvironmentLines() {
    std::vector<std::string> lines;
    wchar_t* const block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; entry != nullptr && *entry != L'\0';
         entry += wcslen(entry) + 1) {
        lines.push_back(Narrow(entry));
    }
    FreeEnvironmentStringsW(block);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The system's PATH with the stand-in editor's folder in front (or without it: a missing editor),
// and TBREDIT_RECORD naming the file where the stand-in records its start.
class StandInEditor {
  public:
    explicit StandInEditor(const ScratchFolder& scratch, bool installed = true)
        : record_(scratch / L"editor-record.txt"),
          recordVariable_(L"TBREDIT_RECORD", record_),
          path_(L"PATH", std::nullopt) {
        const std::wstring systemPath = path_.old().value_or(L"");
        SetEnvironmentVariableW(
            L"PATH", (installed ? EditorFolder() + L";" + systemPath : systemPath).c_str());
    }

    // The lines the stand-in recorded: its command line, then its arguments. Empty when it did
    // not start within the time. The record is read until it can be opened and is whole (it ends
    // in a line end): for a moment after it appears, the stand-in's move may still hold it.
    std::vector<std::string> record(std::chrono::milliseconds wait = std::chrono::seconds(15)) {
        const auto end = std::chrono::steady_clock::now() + wait;
        std::optional<std::string> bytes = ReadBytes(record_);
        while ((!bytes || bytes->empty() || bytes->back() != '\n') &&
               std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            bytes = ReadBytes(record_);
        }
        return Lines(bytes);
    }

    // The environment the stand-in had, in the form of EnvironmentLines(); read after record().
    std::vector<std::string> environment() const {
        std::vector<std::string> lines = Lines(ReadBytes(record_ + L".environment"));
        std::sort(lines.begin(), lines.end());
        return lines;
    }

  private:
    std::wstring record_;
    ScopedEnvironment recordVariable_;
    ScopedEnvironment path_;
};

}  // namespace tbr::testing
