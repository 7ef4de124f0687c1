// Everything the windows' behaviour needs from the outside world, but which window is shown
// (navigator.h). Each front end hands its own implementation to a window's behaviour when it
// creates the window; tests hand a recording fake.
#pragma once

#include <optional>
#include <string>

#include "common/os_error.h"
#include "document/target_kind.h"
#include "messages/messages.h"

namespace tbr {

enum class Answer { Yes, No };

// What the file-open dialog is asked to show. Only existing files in existing folders can be
// chosen, and there is no read-only choice.
struct FileOpenRequest {
    MessageId title;
    MessageId filterName;       // the type's name alone ("Tambrels")
    MessageId filterText;       // the type's name with %1 for the pattern ("Tambrels (%1)")
    std::string filterPattern;  // "*.tbr"
    std::string initialFolder;  // empty: the dialog picks its own
};

class Services {
  public:
    virtual ~Services() = default;

    // Shell. The desktop comes in two spellings, one for each place that asks: the wizard's folder
    // box shows desktopDirectory() as a folder the user could have typed; the file-open dialog
    // starts in specialFolder(kCsidlDesktopDirectory), the lookup every shell folder goes through.

    // The desktop, without a trailing separator; asked afresh on behalf of the calling window.
    virtual Result<std::string> desktopDirectory() = 0;
    // A shell folder by number (kCsidl... in shell/shell_folders.h): one trailing separator.
    virtual Result<std::string> specialFolder(int csidl) = 0;
    // Starts the editor on path and returns at once; an error when it cannot be started.
    virtual Status launchEditor(const std::string& path) = 0;

    // Documents.
    // What is at path, a link not followed: nothing, a file writeNewDocument replaces, or not.
    virtual TargetKind whatIsAt(const std::string& path) = 0;
    // True when path names an existing file (a link followed), not a folder.
    virtual bool isExistingFile(const std::string& path) = 0;
    // Writes a new document at path, whole or not at all, replacing any file there.
    virtual Status writeNewDocument(const std::string& path) = 0;

    // Modal boxes and dialogs, owned by the calling window, in the user's language. Texts may
    // hold a lone CR as a line break; the front end shows it as one.
    // A question with Yes and No, defaultAnswer the button Enter presses: the user's answer.
    virtual Answer ask(MessageId text, MessageId title, Answer defaultAnswer) = 0;
    // A message with OK alone; returns once the user has closed it.
    virtual void tell(MessageId text, MessageId title) = 0;
    // The chosen file, std::nullopt on cancel, an error when no dialog could be shown.
    virtual Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) = 0;
    // The chosen folder, std::nullopt on cancel; starts in initialFolder (empty: its own choice).
    virtual std::optional<std::string> chooseFolder(MessageId title,
                                                    const std::string& initialFolder) = 0;
};

}  // namespace tbr
