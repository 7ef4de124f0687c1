// Everything the windows' behaviour needs from the outside world. Each front end hands its own
// implementation to a window's behaviour when it creates the window; tests hand a recording fake.
#pragma once

#include <optional>
#include <string>

#include "common/os_error.h"
#include "document/target_kind.h"

namespace tbr {

enum class Answer { Yes, No };

// What the file-open dialog is asked to show. Only existing files in existing folders can be
// chosen, and there is no read-only choice.
struct FileOpenRequest {
    std::string title;
    std::string filterName;     // e.g. "Tambrels"
    std::string filterPattern;  // e.g. "*.tbr"
    std::string initialFolder;  // empty: the dialog picks its own
};

class Services {
  public:
    virtual ~Services() = default;

    // Shell.
    virtual Result<std::string> desktopDirectory() = 0;  // asked on behalf of the calling window
    virtual Result<std::string> specialFolder(int csidl) = 0;
    virtual Status launchEditor(const std::string& path) = 0;

    // Documents.
    // What is at path, a link not followed: nothing, a file that writeNewDocument replaces, or
    // something it refuses to replace (a folder, a device...).
    virtual TargetKind whatIsAt(const std::string& path) = 0;
    // True when path names an existing file (a link followed), not a folder.
    virtual bool isExistingFile(const std::string& path) = 0;
    virtual Status writeNewDocument(const std::string& path) = 0;

    // Modal boxes and dialogs, owned by the calling window. Texts may hold a lone CR as a line
    // break; the front end shows it as one.
    virtual Answer ask(const std::string& text, const std::string& title, Answer defaultAnswer) = 0;
    virtual void tell(const std::string& text, const std::string& title) = 0;
    // The chosen path, std::nullopt when the user cancelled, or an error when no dialog could be
    // shown.
    virtual Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) = 0;
    // The chosen folder, or std::nullopt when the user cancelled. The dialog starts in
    // initialFolder (empty: a folder of its own choosing).
    virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                    const std::string& initialFolder) = 0;

    // Windows and the program.
    virtual void showCreateWizard() = 0;  // unloads the main window, then shows a fresh wizard
    virtual void showMainWindow() = 0;    // unloads the wizard, then shows a fresh main window
    virtual void endProgram() = 0;        // ends at once: no further event handling
};

}  // namespace tbr
