#include "launcher/launcher.h"

#include "shell/shell_folders.h"

namespace tbr {

void Launcher::onCreateClicked() {
    navigator_.showCreateWizard();
}

void Launcher::onCloseClicked() {
    navigator_.endProgram();
}

void Launcher::onEditClicked() {
    // Any failure on the way (desktop lookup, dialog, editor start) ends in the same message and
    // leaves the main window waiting; a cancelled dialog ends silently.
    const Result<std::string> desktop = services_.specialFolder(kCsidlDesktopDirectory);
    if (!desktop) {
        services_.tell(MessageId::OpenErrorText, MessageId::OpenErrorTitle);
        return;
    }

    const FileOpenRequest request{MessageId::OpenDialogTitle, MessageId::TambrelFilterName,
                                  MessageId::TambrelFilter, kTambrelFilterPattern, desktop.value()};
    const Result<std::optional<std::string>> chosen = services_.chooseFile(request);
    if (!chosen) {
        services_.tell(MessageId::OpenErrorText, MessageId::OpenErrorTitle);
        return;
    }
    if (!chosen.value()) {
        return;
    }

    // The path goes to the editor exactly as the dialog gave it: a file name may legitimately
    // end in a space, so nothing is trimmed. A dialog's text cannot name every file (a name that
    // is not valid UTF-8, a file removed meanwhile): the editor is never started on nothing.
    const std::string& path = *chosen.value();
    if (!services_.isExistingFile(path) || !services_.launchEditor(path)) {
        services_.tell(MessageId::OpenErrorText, MessageId::OpenErrorTitle);
        return;
    }
    navigator_.endProgram();
}

void Launcher::onClicked(Form1Part control) {
    if (control == Form1Part::Command1) {
        onCreateClicked();
    } else if (control == Form1Part::Command2) {
        onEditClicked();
    } else if (control == Form1Part::Command4) {
        onCloseClicked();
    }
}

}  // namespace tbr
