// What the create wizard Form2 shows that can change: its page, the location choice, the boxes'
// texts and which of its controls are enabled. The behaviour (create_wizard.h) keeps it; the
// window's description (form2_window.h) says what it means for each control.
#pragma once

#include <string>

namespace tbr {

enum class WizardPage { Location, Name };

// Which controls are visible follows from the page alone.
struct WizardState {
    WizardPage page = WizardPage::Location;
    bool desktopSelected = true;  // Option1 "Windows Desktop"; otherwise Option2 "Other Location"
    std::string folderText;       // Text1, the folder box
    std::string nameText;         // Text2, the name box
    bool folderBoxEnabled = false;
    bool browseEnabled = false;
    bool nextEnabled = true;
    bool finishEnabled = false;

    friend bool operator==(const WizardState&, const WizardState&) = default;
};

}  // namespace tbr
