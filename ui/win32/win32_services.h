// The services of one window of the Win32 front end: the shared ones (app/window_services.h) and
// the system's modal boxes and dialogs owned by that window (boxes.cpp), in the catalogue's
// language. The Program makes one for each window and tells it which window that is; that window
// is also the one the shell is asked on behalf of.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/window_services.h"
#include "common/wide_text_win32.h"
#include "ui/win32/catalogue.h"

namespace tbr::win32 {

// The boxes and dialogs (boxes.cpp): MessageBoxW without an icon, Yes and No with the given
// default or OK alone, each reading from the right (MB_RTLREADING | MB_RIGHT) in a language
// written right to left; GetOpenFileNameW; SHBrowseForFolderW for file-system folders, with the
// initial folder selected when it opens (unless empty), whose chosen folder's path is empty when
// the shell has none for it.
// The flags of MessageBoxW for a box in the catalogue's direction: in a language written right to
// left it reads from the right, its text on the right too.
UINT BoxDirection(bool rightToLeft);

class Win32Services final : public WindowServices {
  public:
    explicit Win32Services(const Catalogue& catalogue) : catalogue_(catalogue) {}

    // The window that owns the boxes and dialogs (none while it is not loaded).
    void setOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }

    Answer ask(MessageId text, MessageId title, Answer defaultAnswer) override;
    void tell(MessageId text, MessageId title) override;
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override;
    std::optional<std::string> chooseFolder(MessageId title,
                                            const std::string& initialFolder) override;

  protected:
    WindowHandle shellOwner() const override { return WindowHandle{owner()}; }

  private:
    HWND owner() const { return owner_ ? owner_() : nullptr; }
    int showBox(MessageId text, MessageId title, UINT buttons) const;

    const Catalogue& catalogue_;
    std::function<HWND()> owner_;
};

}  // namespace tbr::win32
