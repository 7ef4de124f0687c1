// The create wizard (wizard/form2_window.h): a location page and a name page in one window. Every
// event goes to the CreateWizard behaviour; the window draws whatever state the behaviour hands
// back.
#pragma once

#include "ui/qt/described_window.h"
#include "wizard/create_wizard.h"

namespace tbr::qt {

class Form2 : public DescribedWindow, private WizardView {
    Q_OBJECT
  public:
    Form2(Services& services, Navigator& navigator, QWidget* parent = nullptr);

    const WizardState& state() const { return wizard_.state(); }

  private:
    void render(const WizardState& state) override { DescribedWindow::render(ControlsOf(state)); }
    void focus(Form2Part part) override { control(part)->setFocus(); }

    CreateWizard wizard_;
};

}  // namespace tbr::qt
