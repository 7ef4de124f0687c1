// The Services of one window, the part both front ends share: the shell and the document writer
// are called straight through. Each front end adds the window's own boxes and dialogs (ask,
// tell, chooseFile, chooseFolder).
#pragma once

#include "app/services.h"
#include "document/target_kind.h"
#include "document/write_new_document.h"
#include "shell/editor_launch.h"
#include "shell/shell_folders.h"

namespace tbr {

class WindowServices : public Services {
  public:
    Result<std::string> desktopDirectory() override { return GetDesktopDirectory(shellOwner()); }
    Result<std::string> specialFolder(int csidl) override {
        return cSpecialFolders{}.GetSpecialFolder(csidl);  // a lookup object for this call alone
    }
    Status launchEditor(const std::string& path) override { return LaunchEditor(path); }
    TargetKind whatIsAt(const std::string& path) override { return WhatIsAt(path); }
    bool isExistingFile(const std::string& path) override { return IsExistingFile(path); }
    Status writeNewDocument(const std::string& path) override { return WriteNewDocument(path); }

  protected:
    // The native window on whose behalf the shell is asked; none unless the front end names one.
    virtual WindowHandle shellOwner() const { return {}; }
};

}  // namespace tbr
