// The services of one window of the Win32 front end: the shared ones (app/window_services.h) and
// the message boxes and dialogs owned by that window (boxes.h), in the catalogue's language,
// which is also the window the shell is asked on behalf of. Form1 and Form2 are Win32Services
// through DialogWindow.
#pragma once

#include "app/window_services.h"
#include "ui/win32/boxes.h"
#include "ui/win32/catalogue.h"

namespace tbr::win32 {

class Win32Services : public WindowServices {
  public:
    // The window that owns the boxes and dialogs and on whose behalf the shell is asked.
    virtual HWND ownerWindow() const = 0;
    const Catalogue& catalogue() const { return catalogue_; }

    Answer ask(MessageId text, MessageId title, Answer defaultAnswer) override {
        return AskYesNo(ownerWindow(), boxText(text, title), defaultAnswer);
    }
    void tell(MessageId text, MessageId title) override {
        Tell(ownerWindow(), boxText(text, title));
    }
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override {
        return ChooseFileToOpen(
            ownerWindow(), {catalogue_.text(request.title), catalogue_.text(request.filterName),
                            request.filterPattern, request.initialFolder});
    }
    std::optional<std::string> chooseFolder(MessageId title,
                                            const std::string& initialFolder) override {
        return ChooseFolder(ownerWindow(), catalogue_.text(title), initialFolder);
    }

  protected:
    Win32Services(Navigator& navigator, const Catalogue& catalogue)
        : WindowServices(navigator), catalogue_(catalogue) {}
    WindowHandle shellOwner() const override { return WindowHandle{ownerWindow()}; }

  private:
    BoxText boxText(MessageId text, MessageId title) const {
        return {catalogue_.text(text), catalogue_.text(title), catalogue_.rightToLeft()};
    }

    const Catalogue& catalogue_;
};

}  // namespace tbr::win32
