// Where the create wizard's controls go: as designed, with room for longer texts.
#pragma once

#include "common/window_layout.h"

namespace tbr {

enum class Form2Part {
    Label1,
    Option1,
    Option2,
    Text1,
    Command3,
    Command1,
    Label2,
    Text2,
    Command4,
    Command5,
    Command2,
    Count
};

// The wizard at 4710 x 3630 twips. Longer texts get room in this order: the buttons of the bottom
// row take one width, the widest text's; "Browse..." widens to the left, taking it from the
// folder box; the question wraps over the window's whole width and pushes the page down; the
// name's prompt wraps; and the window grows where a row still does not fit.
WindowLayout LayOutForm2(const TextMeasure& measure, bool rightToLeft);

}  // namespace tbr
