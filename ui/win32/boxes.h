// The system's modal boxes and dialogs, with the texts in the user's language.
#pragma once

#include <optional>
#include <string>

#include "app/services.h"
#include "common/wide_text_win32.h"

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

// A box in a language written right to left reads from the right, its text on the right too:
// the flags of MessageBoxW that say so.
UINT BoxDirection(const BoxText& box);

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

}  // namespace tbr::win32
