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

// What a message box says, and whether it reads from the right (MB_RTLREADING | MB_RIGHT).
struct BoxText {
    std::wstring text;
    std::wstring title;
    bool rightToLeft = false;
};

// A message text as MessageBoxW shows it: a lone carriage return, the program's line break,
// becomes CR LF, which every version of the box shows as a line break.
std::wstring MessageBoxText(const std::wstring& text);

// MessageBoxW without an icon: Yes and No with the given default, or OK alone.
Answer AskYesNo(HWND owner, const BoxText& box, Answer defaultAnswer);
void Tell(HWND owner, const BoxText& box);

// What the file-open dialog shows: its title, the one file type's name and pattern, the folder it
// starts in (empty: its own choice).
struct FileDialogRequest {
    std::wstring title;
    std::wstring filterName;
    std::string filterPattern;
    std::string initialFolder;
};

// GetOpenFileNameW: the chosen path, std::nullopt on cancel, an error when the dialog failed.
Result<std::optional<std::string>> ChooseFileToOpen(HWND owner, const FileDialogRequest& request);

// SHBrowseForFolderW for file-system folders, with initialFolder selected when it opens (unless
// empty): the chosen folder's path (empty when the shell has none for it), or std::nullopt on
// cancel.
std::optional<std::string> ChooseFolder(HWND owner, const std::wstring& title,
                                        const std::string& initialFolder);

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
