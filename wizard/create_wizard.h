// What the create wizard Form2 does: its two pages, the location choice, the enabling of
// "Next >" and "Finish", Browse, Cancel and Finish. The window only draws the wizard's state
// (wizard_state.h) and forwards the user's events here.
#pragma once

#include <optional>
#include <string>

#include "app/navigator.h"
#include "app/services.h"
#include "shell/path_separator.h"
#include "wizard/form2_window.h"
#include "wizard/wizard_state.h"

namespace tbr {

// The front end's side: draw the state (ControlsOf says what each control shows), move the focus.
class WizardView {
  public:
    virtual ~WizardView() = default;
    virtual void render(const WizardState& state) = 0;
    virtual void focus(Form2Part control) = 0;
};

class CreateWizard {
  public:
    CreateWizard(Services& services, Navigator& navigator, WizardView& view,
                 char separator = kPathSeparator)
        : services_(services), navigator_(navigator), view_(view), separator_(separator) {}

    const WizardState& state() const { return state_; }

    // The load step: the folder box receives the desktop directory. When it cannot be found the
    // box stays empty and "Next >" disabled.
    void onLoad();

    // The user's events, each named after what the user did, with the control it came from.
    void onDesktopClicked();                            // Option1, "Windows Desktop"
    void onOtherLocationClicked();                      // Option2, "Other Location"
    void onFolderTextChanged(const std::string& text);  // Text1, the folder box, typed in
    void onNameTextChanged(const std::string& text);    // Text2, the name box, typed in
    void onNextClicked();                               // Command1, "Next >"
    void onBackClicked();                               // Command4, "< Back"
    void onBrowseClicked();                             // Command3, "Browse..."
    void onCancelClicked();                             // Command2, "Cancel"
    void onFinishClicked();                             // Command5, "Finish"
    // The same, by the control: a click of a button or option, and a change of a box's text.
    void onClicked(Form2Part control);
    void onTextChanged(Form2Part control, const std::string& text);

  private:
    void setFolderText(const std::string& text);
    void setNameText(const std::string& text);
    void render() { view_.render(state_); }
    // The folder Finish writes into, absolute; std::nullopt when it cannot be determined.
    std::optional<std::string> targetFolder();
    // Writes the document at target and hands it on; false when a step failed.
    bool createAndOffer(const std::string& target);

    Services& services_;
    Navigator& navigator_;
    WizardView& view_;
    char separator_;
    WizardState state_;
    // The folder box holds what the user typed (trimmed at Finish), not a folder the system gave
    // (the desktop at load, the folder dialog's choice), which is used exactly as given.
    bool folderTyped_ = false;
};

}  // namespace tbr
