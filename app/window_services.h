// The Services of one window, the part both front ends share: the shell and the document writer
// are called straight through. Each front end adds the window's own boxes and dialogs (ask,
// tell, chooseFile, chooseFolder).
#pragma once

#include "app/services.h"
#include "shell/shell_folders.h"

namespace tbr {

class WindowServices : public Services {
  public:
    Result<std::string> desktopDirectory() override;
    Result<std::string> specialFolder(int csidl) override;
    Status launchEditor(const std::string& path) override;
    TargetKind whatIsAt(const std::string& path) override;
    bool isExistingFile(const std::string& path) override;
    Status writeNewDocument(const std::string& path) override;

  protected:
    // The native window on whose behalf the shell is asked; none unless the front end names one.
    virtual WindowHandle shellOwner() const { return {}; }
};

}  // namespace tbr
