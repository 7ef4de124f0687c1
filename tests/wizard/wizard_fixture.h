// A create wizard over recording fakes, for the wizard's tests: the desktop and home folders
// are Windows-like, so that the separator rules are the strictest ones.
#pragma once

#include <vector>

#include "tests/support/fake_services.h"
#include "wizard/create_wizard.h"

namespace tbr::testing {

struct RecordingView : WizardView {
    std::vector<WizardState> renders;
    std::vector<Form2Part> focused;
    void render(const WizardState& s) override { renders.push_back(s); }
    void focus(Form2Part control) override { focused.push_back(control); }
};

struct Wizard {
    FakeServices services;
    RecordingView view;
    CreateWizard wizard{services, services, view, '\\'};
    Wizard() {
        services.desktop = std::string("C:\\Users\\owner\\Desktop");
        services.home = std::string("C:\\Users\\owner\\");
    }
    const WizardState& state() const { return wizard.state(); }
};

}  // namespace tbr::testing
