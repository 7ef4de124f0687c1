// Where the main window's controls go: as designed, with room for longer texts.
#pragma once

#include "common/window_layout.h"

namespace tbr {

enum class Form1Part { Picture1, Command1, Label1, Command2, Label2, Command4, Count };

// The main window at 5145 x 5400 twips, its labels each centred on their picture button. A label
// whose text is wider than the room to the right of its button wraps; "Close" widens to the left.
WindowLayout LayOutForm1(const TextMeasure& measure, bool rightToLeft);

}  // namespace tbr
