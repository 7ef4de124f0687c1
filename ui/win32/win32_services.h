// The services of one window of the Win32 front end: the shared ones (app/window_services.h) and
// the message boxes and dialogs owned by that window (boxes.h), in the catalogue's language.
// The Program makes one for each window and tells it which window that is; that window is also
// the one the shell is asked on behalf of.
#pragma once

#include <functional>

#include "app/window_services.h"
#include "ui/win32/boxes.h"
#include "ui/win32/catalogue.h"

namespace tbr::win32 {

class Win32Services final : public WindowServices {
  public:
    explicit Win32Services(const Catalogue& catalogue) : catalogue_(catalogue) {}

    // The window that owns the boxes and dialogs (none while it is not loaded).
    void setOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }

    Answer ask(MessageId text, MessageId title, Answer defaultAnswer) override {
        return AskYesNo(owner(), boxText(text, title), defaultAnswer);
    }
    void tell(MessageId text, MessageId title) override { Tell(owner(), boxText(text, title)); }
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override {
        return ChooseFileToOpen(
            owner(), {catalogue_.text(request.title), catalogue_.text(request.filterName),
                      request.filterPattern, request.initialFolder});
    }
    std::optional<std::string> chooseFolder(MessageId title,
                                            const std::string& initialFolder) override {
        return ChooseFolder(owner(), catalogue_.text(title), initialFolder);
    }

  protected:
    WindowHandle shellOwner() const override { return WindowHandle{owner()}; }

  private:
    HWND owner() const { return owner_ ? owner_() : nullptr; }
    BoxText boxText(MessageId text, MessageId title) const {
        return {catalogue_.text(text), catalogue_.text(title), catalogue_.rightToLeft()};
    }

    const Catalogue& catalogue_;
    std::function<HWND()> owner_;
};

}  // namespace tbr::win32
