// The services of one window of the Win32 front end: the shared ones (app/window_services.h) and
// the message boxes and dialogs owned by that window (boxes.h), which is also the window the shell
// is asked on behalf of. Form1 and Form2 are Win32Services through DialogWindow.
#pragma once

#include "app/window_services.h"
#include "ui/win32/boxes.h"

namespace tbr::win32 {

class Win32Services : public WindowServices {
  public:
    // The window that owns the boxes and dialogs and on whose behalf the shell is asked.
    virtual HWND ownerWindow() const = 0;

    Answer ask(const std::string& text, const std::string& title, Answer defaultAnswer) override {
        return AskYesNo(ownerWindow(), text, title, defaultAnswer);
    }
    void tell(const std::string& text, const std::string& title) override {
        Tell(ownerWindow(), text, title);
    }
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override {
        return ChooseFileToOpen(ownerWindow(), request);
    }
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& initialFolder) override {
        return ChooseFolder(ownerWindow(), title, initialFolder);
    }

  protected:
    explicit Win32Services(Navigator& navigator) : WindowServices(navigator) {}
    WindowHandle shellOwner() const override { return WindowHandle{ownerWindow()}; }
};

}  // namespace tbr::win32
