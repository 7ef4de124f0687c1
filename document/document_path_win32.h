// Which document paths the Windows writer takes. Paths are checked first against what Windows
// would otherwise quietly reinterpret: device names (NUL, CON, COM1...), alternate data streams
// (":"), wildcards, and names ending in a dot or a space, which Windows would silently shorten into
// another name. A path that passes goes to the system in its absolute "\\?\" form, which takes
// long paths and is used as it stands. Only Windows code includes this header.
#pragma once

#include <string>
#include <string_view>

#include "common/wide_text_win32.h"

namespace tbr {

// A failure of the writer: the system's error code, then what failed and the system's words.
OsError WriterFailure(DWORD code, const char* source, const std::string& what);

// Compares two names as Windows does for the ASCII letters in them.
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);

// The checked, absolute, long-path form of a document path given in UTF-8; a refused path is
// ERROR_INVALID_NAME (or ERROR_PATH_NOT_FOUND when empty).
Result<std::wstring> DocumentPath(const std::string& utf8, const char* source);

}  // namespace tbr
