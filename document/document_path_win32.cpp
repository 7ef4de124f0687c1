#include "document/document_path_win32.h"

#include "common/long_path_win32.h"
#include "document/windows_names.h"

namespace tbr {

OsError WriterFailure(DWORD code, const char* source, const std::string& what) {
    return OsError{static_cast<int>(code), what + ": " + SystemErrorText(code), source};
}

Result<std::wstring> DocumentPath(const std::string& utf8, const char* source) {
    if (utf8.empty()) {
        return WriterFailure(ERROR_PATH_NOT_FOUND, source, "The path is empty");
    }
    if (utf8.find('\0') != std::string::npos) {
        return WriterFailure(ERROR_INVALID_NAME, source, "The path holds a NUL character");
    }
    // Text that is not UTF-8 (a lone surrogate kept from a box) names no file.
    Result<std::wstring> wide = WideFromUtf8(utf8, source);
    if (!wide) {
        return WriterFailure(ERROR_INVALID_NAME, source, "The path is not valid text");
    }
    if (!IsAcceptableWindowsPath(wide.value())) {
        return WriterFailure(ERROR_INVALID_NAME, source,
                             "'" + utf8 + "' is not a usable file name");
    }
    // The absolute form, in the "\\?\" form that takes long paths and is used as it stands.
    std::wstring full = LongPathForm(wide.value());
    if (full.empty()) {
        return WriterFailure(GetLastError(), source, "Cannot resolve the path");
    }
    return full;
}

}  // namespace tbr
