// What the main window Form1 does when its buttons are clicked. The window itself only draws the
// controls and forwards the clicks here.
#pragma once

#include "app/navigator.h"
#include "app/services.h"
#include "launcher/form1_window.h"

namespace tbr {

inline constexpr char kTambrelFilterPattern[] = "*.tbr";

class Launcher {
  public:
    Launcher(Services& services, Navigator& navigator)
        : services_(services), navigator_(navigator) {}

    // Command1, the create button: the main window makes way for a fresh create wizard.
    void onCreateClicked();
    // Command2, the edit button: pick an existing document and hand it to the editor.
    void onEditClicked();
    // Command4, "Close": the program ends at once.
    void onCloseClicked();
    // The same, by the button clicked; the labels and the banner do nothing.
    void onClicked(Form1Part control);

  private:
    Services& services_;
    Navigator& navigator_;
};

}  // namespace tbr
