// The main window Form1, described once for both front ends, and where its controls go: as
// designed, with room for longer texts.
#pragma once

#include "common/window_description.h"

namespace tbr {

// Form1's controls, in the order of its description (tab order).
enum class Form1Part { Command4, Label1, Command1, Label2, Command2, Picture1, Count };

// "Tambrel Wizard", 5145 x 5400 twips, centred on the screen: the banner, the create and edit
// picture buttons each with its label, and "Close".
extern const WindowDescription kForm1;

// The labels each centred on their picture button; a label whose text is wider than the room to
// the right of its button wraps; "Close" widens to the left.
WindowLayout LayOutForm1(const TextMeasure& measure, bool rightToLeft);

}  // namespace tbr
