// The document paths the Windows writer takes (the rules: windows_names.h), in the absolute "\\?\"
// form that takes long paths and is used as it stands. Only Windows code includes this header.
#pragma once

#include <string>

#include "common/wide_text_win32.h"

namespace tbr {

// A failure of the writer: the system's error code, then what failed and the system's words.
OsError WriterFailure(DWORD code, const char* source, const std::string& what);

// The checked, absolute, long-path form of a document path given in UTF-8; a refused path is
// ERROR_INVALID_NAME (or ERROR_PATH_NOT_FOUND when empty).
Result<std::wstring> DocumentPath(const std::string& utf8, const char* source);

}  // namespace tbr
