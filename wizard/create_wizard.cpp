#include "wizard/create_wizard.h"

namespace tbr {

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string ComposeTargetPath(const std::string& folder, const std::string& name, char separator) {
    std::string target = TrimSpaces(folder);
    if (target.empty() || target.back() != separator) {
        target += separator;
    }
    return target + TrimSpaces(name) + kDocumentExtension;
}

// The enabling rules run at every change of a box's text, whoever changed it.
void CreateWizard::setFolderText(const std::string& text) {
    state_.folderText = text;
    state_.nextEnabled = !TrimSpaces(text).empty();
}

void CreateWizard::setNameText(const std::string& text) {
    state_.nameText = text;
    state_.finishEnabled = !TrimSpaces(text).empty();
}

void CreateWizard::onLoad() {
    state_ = WizardState{};
    const Result<std::string> desktop = services_.desktopDirectory();
    setFolderText(desktop ? desktop.value() : std::string{});
    render();
}

void CreateWizard::onOption1Click() {
    state_.desktopSelected = true;
    state_.folderBoxEnabled = false;
    state_.browseEnabled = false;
    render();
}

void CreateWizard::onOption2Click() {
    state_.desktopSelected = false;
    state_.folderBoxEnabled = true;
    state_.browseEnabled = true;
    render();
}

void CreateWizard::onText1Change(const std::string& text) {
    setFolderText(text);
    render();
}

void CreateWizard::onText2Change(const std::string& text) {
    setNameText(text);
    render();
}

// Buttons check their own state: some window systems deliver a click to a hidden or disabled
// button when it is sent programmatically.
void CreateWizard::onCommand1Click() {
    if (state_.page != WizardPage::Location || !state_.nextEnabled) {
        return;
    }
    state_.page = WizardPage::Name;
    render();
    view_.focusNameBox();
}

void CreateWizard::onCommand4Click() {
    if (state_.page != WizardPage::Name) {
        return;
    }
    state_.page = WizardPage::Location;
    render();
}

void CreateWizard::onCommand3Click() {
    if (state_.page != WizardPage::Location || !state_.browseEnabled) {
        return;
    }
    // The folder box takes the chosen path exactly as given; a cancel changes nothing.
    if (const std::optional<std::string> folder = services_.chooseFolder(kFolderDialogTitle)) {
        setFolderText(*folder);
        render();
    }
}

void CreateWizard::onCommand2Click() {
    services_.showMainWindow();
}

void CreateWizard::onCommand5Click() {
    if (state_.page != WizardPage::Name || !state_.finishEnabled) {
        return;
    }

    std::string folder = state_.folderText;
    if (state_.desktopSelected) {
        // Asked afresh: the desktop may have moved since the wizard opened.
        const Result<std::string> desktop = services_.desktopDirectory();
        if (!desktop) {
            services_.tell(kCreateErrorText, kCreateErrorTitle);
            return;
        }
        folder = desktop.value();
    }

    const std::string typedName = state_.nameText;
    const std::string target = ComposeTargetPath(folder, typedName, separator_);

    // While a box is up the name box shows the full path, so the user sees which file is meant.
    setNameText(target);
    render();

    // A name is a file name: a separator in it would reach into another folder, possibly one
    // the user never chose (a "../" climbs out of the chosen folder).
    const bool nameHasSeparator = typedName.find_first_of({'/', separator_}) != std::string::npos;
    if (nameHasSeparator) {
        services_.tell(kCreateErrorText, kCreateErrorTitle);
    }
    if (nameHasSeparator || !createAndOffer(target)) {
        // Put back what the user typed, so that Finish can simply be pressed again once the
        // cause is mended (the full path would otherwise be composed into a second path).
        setNameText(typedName);
        render();
    }
}

bool CreateWizard::createAndOffer(const std::string& target) {
    if (services_.somethingExistsAt(target) &&
        services_.ask(kReplaceText, kQueryTitle, Answer::No) != Answer::Yes) {
        return false;  // nothing written, no further box
    }
    if (!services_.writeNewDocument(target)) {
        services_.tell(kCreateErrorText, kCreateErrorTitle);
        return false;
    }
    if (services_.ask(kEditNowText, kQueryTitle, Answer::Yes) == Answer::Yes &&
        !services_.launchEditor(target)) {
        // The document is complete, but the user asked for the editor and did not get it.
        services_.tell(kCreateErrorText, kCreateErrorTitle);
        return false;
    }
    services_.endProgram();
    return true;
}

}  // namespace tbr
