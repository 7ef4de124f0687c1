// Hands a document to the editor program and returns without waiting for it, and whether a path
// names a file that is there, before it is handed over.
#pragma once

#include <string>

#include "common/os_error.h"

namespace tbr {

inline constexpr char kEditorProgram[] = "tbredit";

// The editor's command line: tbredit, a space, and the path in double quotes, unaltered.
inline std::string EditorCommandLine(const std::string& path) {
    return std::string(kEditorProgram) + " \"" + path + "\"";
}

// True when path names an existing file, links followed: not a folder, not a dangling link, not
// a path that cannot be expressed to the system (a NUL inside; on Windows, text that is not
// UTF-8).
bool IsExistingFile(const std::string& path);

// Starts the editor on path and returns without waiting for it. Fails, without a second attempt,
// when it cannot be started; the error (source "LaunchEditor") carries the OS's number and reason.
// Linux: tbredit found through PATH, the path its one argument, byte for byte, detached (details
// in shell/editor_launch_posix.cpp); a path holding a NUL character fails with EINVAL.
Status LaunchEditor(const std::string& path);

}  // namespace tbr
