#include "app/window_services.h"

#include "document/target_kind.h"
#include "document/write_new_document.h"
#include "shell/editor_launch.h"
#include "shell/shell_folders.h"

namespace tbr {

Result<std::string> WindowServices::desktopDirectory() {
    return GetDesktopDirectory(shellOwner());
}

Result<std::string> WindowServices::specialFolder(int csidl) {
    // The lookup object lives for this one call.
    return cSpecialFolders{}.GetSpecialFolder(csidl);
}

Status WindowServices::launchEditor(const std::string& path) {
    return LaunchEditor(path);
}

TargetKind WindowServices::whatIsAt(const std::string& path) {
    return WhatIsAt(path);
}

bool WindowServices::isExistingFile(const std::string& path) {
    return IsExistingFile(path);
}

Status WindowServices::writeNewDocument(const std::string& path) {
    return WriteNewDocument(path);
}

}  // namespace tbr
