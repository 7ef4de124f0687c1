// The create wizard Form2, described once for both front ends; where its controls go (as
// designed, with room for longer texts); and what each control shows in a state of the wizard.
#pragma once

#include <array>

#include "common/window_description.h"
#include "wizard/wizard_state.h"

namespace tbr {

// Form2's controls, in the order of its description (tab order).
enum class Form2Part {
    Command1,  // "Next >"
    Label1,    // the location question
    Option1,   // "Windows Desktop"
    Option2,   // "Other Location"
    Text1,     // the folder box
    Command3,  // "Browse..."
    Label2,    // the name's prompt
    Text2,     // the name box
    Command4,  // "< Back"
    Command5,  // "Finish"
    Command2,  // "Cancel"
    Count
};

// "Create Tambrel", 4710 x 3630 twips, where the window system places it: the location page
// and the name page (pages numbered as WizardPage), and "Cancel" on both.
extern const WindowDescription kForm2;

// Longer texts get room in this order: the buttons of the bottom row take one width, the widest
// text's; "Browse..." widens to the left, taking it from the folder box; the question wraps over
// the window's whole width and pushes the page down; the name's prompt wraps; and the window
// grows where a row still does not fit.
WindowLayout LayOutForm2(const TextMeasure& measure, bool rightToLeft);

// What every control shows in state: its page's controls visible, the options checked and the
// boxes' texts and enabled buttons as the wizard says.
using Form2Controls = std::array<ControlState, static_cast<std::size_t>(Form2Part::Count)>;
Form2Controls ControlsOf(const WizardState& state);

}  // namespace tbr
