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
    // Paths beyond MAX_PATH work through the program's manifest (long paths).
    const DWORD attributes = GetFileAttributesW(wide.value().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace tbr
