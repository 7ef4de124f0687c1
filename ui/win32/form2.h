// Form2, the create wizard (wizard/form2_window.h): the location page and the name page. What its
// controls do is CreateWizard's; this window draws the wizard's state and forwards the user's
// events.
#pragma once

#include "ui/win32/dialog_window.h"
#include "wizard/create_wizard.h"

namespace tbr::win32 {

// show() loads the window afresh (the load step fills the folder box) and shows it where the
// window system places new windows, the focus on "Next >".
class Form2 final : public DialogWindow<Form2>, private WizardView {
  public:
    Form2(HINSTANCE instance, Services& services, Navigator& navigator, const Catalogue& catalogue)
        : DialogWindow(instance, navigator, catalogue, kForm2),
          wizard_(services, navigator, *this) {}

    const WizardState& state() const { return wizard_.state(); }

  private:
    friend class DialogWindow<Form2>;
    void onLoad() { wizard_.onLoad(); }
    void onClicked(int part) { wizard_.onClicked(static_cast<Form2Part>(part)); }
    void onTextChanged(int part, const std::string& text) {
        wizard_.onTextChanged(static_cast<Form2Part>(part), text);
    }

    void render(const WizardState& state) override { showStates(ControlsOf(state)); }
    void focus(Form2Part part) override {
        if (window() != nullptr) {
            FocusControl(window(), control(part));
        }
    }

    CreateWizard wizard_;
};

}  // namespace tbr::win32
