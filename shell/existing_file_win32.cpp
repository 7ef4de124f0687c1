#include "common/long_path_win32.h"
#include "common/wide_text_win32.h"
#include "shell/existing_file.h"

namespace tbr {

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
