// The Services of one window, the part both front ends share: the shell and the document writer
// are called straight through, and switching windows or ending goes to the Navigator. Each front
// end adds the window's own boxes and dialogs (ask, tell, chooseFile, chooseFolder).
#pragma once

#include "app/navigator.h"
#include "app/services.h"
#include "shell/window_handle.h"

namespace tbr {

class WindowServices : public Services {
  public:
    explicit WindowServices(Navigator& navigator) : navigator_(navigator) {}

    Result<std::string> desktopDirectory() override;
    Result<std::string> specialFolder(int csidl) override;
    Status launchEditor(const std::string& path) override;
    TargetKind whatIsAt(const std::string& path) override;
    bool isExistingFile(const std::string& path) override;
    Status writeNewDocument(const std::string& path) override;
    void showCreateWizard() override { navigator_.showCreateWizard(); }
    void showMainWindow() override { navigator_.showMainWindow(); }
    void endProgram() override { navigator_.endProgram(); }

  protected:
    // The native window on whose behalf the shell is asked; none unless the front end names one.
    virtual WindowHandle shellOwner() const { return {}; }

  private:
    Navigator& navigator_;
};

}  // namespace tbr
