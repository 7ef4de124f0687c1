// Hands a document to the editor program and returns without waiting for it.
#pragma once

#include <string>

#include "common/os_error.h"

namespace tbr {

inline constexpr char kEditorProgram[] = "tbredit";

// The editor's command line: tbredit, a space, and the path in double quotes, unaltered.
std::string EditorCommandLine(const std::string& path);

// Starts the editor on path. Fails, without a second attempt, when it cannot be started.
Status LaunchEditor(const std::string& path);

}  // namespace tbr
