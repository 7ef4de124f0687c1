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
// Linux: tbredit is found through PATH as execvp finds it (a script without a "#!" line runs with
// /bin/sh) and gets the path as its one argument, byte for byte, with no shell in between, and
// the user's environment; it runs detached in a session of its own, is never our child (no zombie)
// and inherits no descriptor beyond standard input, output and error. A path holding a NUL
// character cannot cross and fails with EINVAL. Details in shell/editor_launch_posix.cpp.
Status LaunchEditor(const std::string& path);

}  // namespace tbr
