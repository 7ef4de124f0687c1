#include "wizard/create_wizard.h"

#include <utility>

#include "shell/shell_folders.h"
#include "wizard/target_path.h"

namespace tbr {

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
    folderTyped_ = false;
    render();
}

void CreateWizard::onDesktopClicked() {
    state_.desktopSelected = true;
    state_.folderBoxEnabled = false;
    state_.browseEnabled = false;
    render();
}

void CreateWizard::onOtherLocationClicked() {
    state_.desktopSelected = false;
    state_.folderBoxEnabled = true;
    state_.browseEnabled = true;
    render();
}

void CreateWizard::onFolderTextChanged(const std::string& text) {
    setFolderText(text);
    folderTyped_ = true;
    render();
}

void CreateWizard::onNameTextChanged(const std::string& text) {
    setNameText(text);
    render();
}

// Buttons check their own state: some window systems deliver a click to a hidden or disabled
// button when it is sent programmatically.
void CreateWizard::onNextClicked() {
    if (state_.page != WizardPage::Location || !state_.nextEnabled) {
        return;
    }
    state_.page = WizardPage::Name;
    render();
    view_.focus(Form2Part::Text2);
}

// Back on the location page would change nothing.
void CreateWizard::onBackClicked() {
    state_.page = WizardPage::Location;
    render();
}

void CreateWizard::onBrowseClicked() {
    if (state_.page != WizardPage::Location || !state_.browseEnabled) {
        return;
    }
    // The dialog starts in the home folder, where a relative folder is taken from too.
    const Result<std::string> home = services_.specialFolder(kCsidlProfile);
    const std::string start = home ? home.value() : std::string{};
    // The folder box takes the chosen path exactly as given; a cancel changes nothing.
    if (const std::optional<std::string> folder =
            services_.chooseFolder(MessageId::FolderDialogTitle, start)) {
        setFolderText(*folder);
        folderTyped_ = false;
        render();
    }
}

void CreateWizard::onClicked(Form2Part control) {
    using Handler = void (CreateWizard::*)();
    static constexpr std::pair<Form2Part, Handler> kClicks[] = {
        {Form2Part::Option1, &CreateWizard::onDesktopClicked},
        {Form2Part::Option2, &CreateWizard::onOtherLocationClicked},
        {Form2Part::Command1, &CreateWizard::onNextClicked},
        {Form2Part::Command4, &CreateWizard::onBackClicked},
        {Form2Part::Command3, &CreateWizard::onBrowseClicked},
        {Form2Part::Command2, &CreateWizard::onCancelClicked},
        {Form2Part::Command5, &CreateWizard::onFinishClicked},
    };
    for (const auto& [part, handler] : kClicks) {
        if (part == control) {
            (this->*handler)();
        }
    }
}

void CreateWizard::onTextChanged(Form2Part control, const std::string& text) {
    if (control == Form2Part::Text1) {
        onFolderTextChanged(text);
    } else if (control == Form2Part::Text2) {
        onNameTextChanged(text);
    }
}

void CreateWizard::onCancelClicked() {
    navigator_.showMainWindow();
}

void CreateWizard::onFinishClicked() {
    if (state_.page != WizardPage::Name || !state_.finishEnabled) {
        return;
    }

    const std::optional<std::string> folder = targetFolder();
    if (!folder) {
        services_.tell(MessageId::CreateErrorText, MessageId::CreateErrorTitle);
        return;
    }

    const std::string typedName = state_.nameText;
    const std::string target = ComposeTargetPath(*folder, typedName, separator_);

    // While a box is up the name box shows the full path, so the user sees which file is meant.
    setNameText(target);
    render();

    // A name is a file name: a separator in it would reach into another folder, possibly one
    // the user never chose (a "../" climbs out of the chosen folder); a pasted line break would
    // make a name the user cannot see.
    const bool nameRefused = IsRefusedName(typedName, separator_);
    if (nameRefused) {
        services_.tell(MessageId::CreateErrorText, MessageId::CreateErrorTitle);
    }
    if (nameRefused || !createAndOffer(target)) {
        // Put back what the user typed, so that Finish can simply be pressed again once the
        // cause is mended (the full path would otherwise be composed into a second path).
        setNameText(typedName);
        render();
    }
}

std::optional<std::string> CreateWizard::targetFolder() {
    if (state_.desktopSelected) {
        // Asked afresh: the desktop may have moved since the wizard opened. The system's folder
        // is used as it is, even when it ends in a space.
        const Result<std::string> desktop = services_.desktopDirectory();
        return desktop ? std::optional<std::string>(desktop.value()) : std::nullopt;
    }
    const std::string folder = folderTyped_ ? TrimSpaces(state_.folderText) : state_.folderText;
    if (IsAbsoluteFolder(folder, separator_)) {
        return folder;
    }
    const Result<std::string> home = services_.specialFolder(kCsidlProfile);
    if (!home || home.value().empty()) {
        return std::nullopt;
    }
    return AbsoluteFolder(folder, home.value(), separator_);
}

bool CreateWizard::createAndOffer(const std::string& target) {
    switch (services_.whatIsAt(target)) {
        case TargetKind::Nothing:
            break;
        case TargetKind::ReplaceableFile:
            if (services_.ask(MessageId::ReplaceText, MessageId::QueryTitle, Answer::No) !=
                Answer::Yes) {
                return false;  // nothing written, no further box
            }
            break;
        case TargetKind::Unreplaceable:
            // A folder or a device: asking whether to replace it would promise what cannot be.
            services_.tell(MessageId::CreateErrorText, MessageId::CreateErrorTitle);
            return false;
    }
    if (!services_.writeNewDocument(target)) {
        services_.tell(MessageId::CreateErrorText, MessageId::CreateErrorTitle);
        return false;
    }
    if (services_.ask(MessageId::EditNowText, MessageId::QueryTitle, Answer::Yes) == Answer::Yes &&
        !services_.launchEditor(target)) {
        // The document is complete, but the user asked for the editor and did not get it.
        services_.tell(MessageId::CreateErrorText, MessageId::CreateErrorTitle);
        return false;
    }
    navigator_.endProgram();
    return true;
}

}  // namespace tbr
