#include <sys/stat.h>

#include "shell/existing_file.h"

namespace tbr {

bool IsExistingFile(const std::string& path) {
    struct stat info = {};
    return !path.empty() && path.find('\0') == std::string::npos &&
           ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace tbr
