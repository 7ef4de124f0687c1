// Which document paths the Windows writer takes: plain rules on UTF-16 text that need no system
// call, so that they build on every system and are fuzzed where the fuzzer runs. Paths are
// checked against what Windows would otherwise quietly reinterpret: device names (NUL, CON,
// COM1...), alternate data streams (":"), wildcards, and names ending in a dot or a space, which
// Windows would silently shorten into another name. The writer (document_path_win32.h) then
// hands a path that passes to the system in its absolute "\\?\" form.
#pragma once

#include <string_view>

namespace tbr {

// Whether path, as UTF-16 (code points on systems whose wchar_t is wider), is one the writer
// takes: a drive, a share or a "\\?\" drive or share form, or a relative path, whose names
// Windows uses as they stand.
bool IsAcceptableWindowsPath(std::wstring_view path);

}  // namespace tbr
