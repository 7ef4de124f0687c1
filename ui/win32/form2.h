// Form2, the create wizard: the location page and the name page. What its controls do is
// CreateWizard's; this window draws the wizard's state and forwards the user's events.
#pragma once

#include "ui/win32/dialog_window.h"
#include "wizard/create_wizard.h"

namespace tbr::win32 {

// show() loads the window afresh (the load step fills the folder box) and shows it where the
// window system places new windows, the focus on "Next >".
class Form2 final : public DialogWindow<Form2>, private WizardView {
  public:
    enum ControlId : int {
        kCommand1 = 201,  // "Next >"
        kLabel1 = 202,
        kOption1 = 203,   // "Windows Desktop"
        kOption2 = 204,   // "Other Location"
        kText1 = 205,     // the folder box
        kCommand3 = 206,  // "Browse..."
        kLabel2 = 207,
        kText2 = 208,     // the name box
        kCommand4 = 209,  // "< Back"
        kCommand5 = 210,  // "Finish"
        kCommand2 = 211,  // "Cancel"
        kLabel3 = 212,    // never shown: the folder box's name for screen readers
    };

    Form2(HINSTANCE instance, Navigator& navigator, const Catalogue& catalogue);

    const WizardState& state() const { return wizard_.state(); }

  private:
    friend class DialogWindow<Form2>;
    INT_PTR onInitDialog();
    INT_PTR onCommand(int id, int code);

    void render(const WizardState& state) override;
    void focusNameBox() override;

    void onClicked(int id);
    void onTextChanged(int id);
    void showPage(WizardPage page);
    void setEnabled(int id, bool enabled);
    void setChecked(int id, bool checked);
    void keepFocusUsable(HWND focusBefore);

    CreateWizard wizard_;
    bool rendering_ = false;  // changes made by render() are not the user's
};

}  // namespace tbr::win32
