#include "ui/win32/window_services.h"

#include "document/write_new_document.h"
#include "shell/desktop_directory.h"
#include "shell/editor_launch.h"
#include "shell/existing_file.h"
#include "shell/special_folders.h"
#include "ui/win32/boxes.h"

namespace tbr::win32 {

Result<std::string> WindowServices::desktopDirectory() {
    return GetDesktopDirectory(WindowHandle{ownerWindow()});
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

Answer WindowServices::ask(const std::string& text, const std::string& title,
                           Answer defaultAnswer) {
    return AskYesNo(ownerWindow(), text, title, defaultAnswer);
}

void WindowServices::tell(const std::string& text, const std::string& title) {
    Tell(ownerWindow(), text, title);
}

Result<std::optional<std::string>> WindowServices::chooseFile(const FileOpenRequest& request) {
    return ChooseFileToOpen(ownerWindow(), request);
}

std::optional<std::string> WindowServices::chooseFolder(const std::string& title,
                                                        const std::string& initialFolder) {
    return ChooseFolder(ownerWindow(), title, initialFolder);
}

}  // namespace tbr::win32
