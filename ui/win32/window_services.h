// The outside world as a window's behaviour sees it: the shell, the document writer, and boxes
// and dialogs owned by that window. Form1 and Form2 are WindowServices; the switching between
// them and the end of the program go to the Navigator.
#pragma once

#include "app/services.h"
#include "common/wide_text_win32.h"

namespace tbr::win32 {

class Navigator {
  public:
    virtual ~Navigator() = default;
    virtual void showCreateWizard() = 0;  // unloads the main window, then shows a fresh wizard
    virtual void showMainWindow() = 0;    // unloads the wizard, then shows a fresh main window
    virtual void endProgram() = 0;        // ends at once
    virtual void windowClosed() = 0;      // the user closed the one window through the system
};

class WindowServices : public Services {
  public:
    explicit WindowServices(Navigator& navigator) : navigator_(navigator) {}

    // The window that owns the boxes and dialogs and on whose behalf the shell is asked.
    virtual HWND ownerWindow() const = 0;

    Result<std::string> desktopDirectory() override;
    Result<std::string> specialFolder(int csidl) override;
    Status launchEditor(const std::string& path) override;
    TargetKind whatIsAt(const std::string& path) override;
    bool isExistingFile(const std::string& path) override;
    Status writeNewDocument(const std::string& path) override;
    Answer ask(const std::string& text, const std::string& title, Answer defaultAnswer) override;
    void tell(const std::string& text, const std::string& title) override;
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& initialFolder) override;
    void showCreateWizard() override { navigator_.showCreateWizard(); }
    void showMainWindow() override { navigator_.showMainWindow(); }
    void endProgram() override { navigator_.endProgram(); }

  protected:
    Navigator& navigator() { return navigator_; }

  private:
    Navigator& navigator_;
};

}  // namespace tbr::win32
