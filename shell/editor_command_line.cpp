#include "shell/editor_launch.h"

namespace tbr {

std::string EditorCommandLine(const std::string& path) {
    return std::string(kEditorProgram) + " \"" + path + "\"";
}

}  // namespace tbr
