// Starting the editor on Windows: one command line, the program found by the system's own search
// for "tbredit", a normal window, and no waiting; and whether the file handed over is there.
#include "shell/editor_launch.h"

#include <cwchar>
#include <optional>
#include <vector>

#include "common/long_path_win32.h"
#include "common/wide_text_win32.h"
#include "shell/dll_search_win32.h"

namespace tbr {
namespace {

constexpr char kSource[] = "LaunchEditor";

// The system's program search looks in the current folder, where anyone who can put a file
// could plant a tbredit.exe, unless this variable is set in the searching process.
constexpr wchar_t kNoCurrentFolderSearch[] = L"NoDefaultCurrentDirectoryInExePath";

// This process's environment block, copied: names and values, each ending in NUL, then one more
// NUL.
Result<std::vector<wchar_t>> CopyOfEnvironment() {
    wchar_t* const block = GetEnvironmentStringsW();
    if (block == nullptr) {
        return LastWindowsError(kSource);
    }
    const wchar_t* end = block;
    while (*end != L'\0') {
        end += std::wcslen(end) + 1;
    }
    std::vector<wchar_t> copy(static_cast<const wchar_t*>(block), end);
    copy.push_back(L'\0');
    copy.push_back(L'\0');  // an empty block still ends in two
    FreeEnvironmentStringsW(block);
    return copy;
}

std::optional<std::wstring> EnvironmentVariable(const wchar_t* name) {
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    if (value.empty()) {
        return std::nullopt;
    }
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

// Sets the variable in this process for its own lifetime, then puts back what was there.
class VariableForThisProcess {
  public:
    VariableForThisProcess(const wchar_t* name, const wchar_t* value)
        : name_(name), old_(EnvironmentVariable(name)) {
        SetEnvironmentVariableW(name_, value);
    }
    VariableForThisProcess(const VariableForThisProcess&) = delete;
    VariableForThisProcess& operator=(const VariableForThisProcess&) = delete;
    ~VariableForThisProcess() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

  private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

}  // namespace

Status LaunchEditor(const std::string& path) {
    if (path.find('\0') != std::string::npos) {
        // The command line would end at the NUL and name another file.
        return WindowsError(ERROR_INVALID_NAME, kSource);
    }
    Result<std::wstring> commandLine = WideFromUtf8(EditorCommandLine(path), kSource);
    if (!commandLine) {
        return commandLine.error();
    }
    // CreateProcessW may write into the command line it is given, so it gets its own copy.
    std::wstring writable = std::move(commandLine).value();

    // The editor gets the environment exactly as it was given to us; only our own search for it
    // leaves out the current folder.
    Result<std::vector<wchar_t>> copied = CopyOfEnvironment();
    if (!copied) {
        return copied.error();
    }
    std::vector<wchar_t> environment = std::move(copied).value();
    const VariableForThisProcess searchWithoutCurrentFolder(kNoCurrentFolderSearch, L"1");
    const DefaultDllSearchForNewProcesses defaultDllSearch;

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                        &process)) {
        return LastWindowsError(kSource);
    }
    // The editor runs on alone: nothing waits for it or keeps a handle to it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

bool IsExistingFile(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    // Text that is not UTF-8 (a lone surrogate kept from the system) names no file.
    const Result<std::wstring> wide = WideFromUtf8(path, "IsExistingFile");
    if (!wide) {
        return false;
    }
    // Asked in the "\\?\" form: the manifest's long-path awareness alone does not take a path
    // beyond MAX_PATH (260 characters) unless the machine's LongPathsEnabled is on as well.
    const std::wstring full = LongPathForm(wide.value());
    if (full.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace tbr
