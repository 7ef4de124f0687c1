// The system's modal boxes and dialogs, in the program's UTF-8 terms.
#pragma once

#include <optional>
#include <string>

#include "app/services.h"
#include "common/wide_text_win32.h"

namespace tbr::win32 {

// A message text as MessageBoxW shows it: a lone carriage return, the program's line break,
// becomes CR LF, which every version of the box shows as a line break.
std::wstring MessageBoxText(const std::string& text);

// MessageBoxW without an icon: Yes and No with the given default, or OK alone.
Answer AskYesNo(HWND owner, const std::string& text, const std::string& title,
                Answer defaultAnswer);
void Tell(HWND owner, const std::string& text, const std::string& title);

// GetOpenFileNameW: the chosen path, std::nullopt on cancel, an error when the dialog failed.
Result<std::optional<std::string>> ChooseFileToOpen(HWND owner, const FileOpenRequest& request);

// SHBrowseForFolderW for file-system folders, with initialFolder selected when it opens (unless
// empty): the chosen folder's path (empty when the shell has none for it), or std::nullopt on
// cancel.
std::optional<std::string> ChooseFolder(HWND owner, const std::string& title,
                                        const std::string& initialFolder);

}  // namespace tbr::win32
