// Starting the editor on Windows: one command line, the program found by the system's own search
// for "tbredit", a normal window, and no waiting.
#include "shell/editor_launch.h"

#include "common/wide_text_win32.h"

namespace tbr {

Status LaunchEditor(const std::string& path) {
    static constexpr char kSource[] = "LaunchEditor";

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

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return LastWindowsError(kSource);
    }
    // The editor runs on alone: nothing waits for it or keeps a handle to it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

}  // namespace tbr
