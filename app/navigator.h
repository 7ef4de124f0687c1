// Which window is on screen, and the end of the program. Each front end's program object is the
// Navigator, handed to a window's behaviour beside the window's services.
#pragma once

namespace tbr {

class Navigator {
  public:
    virtual ~Navigator() = default;
    virtual void showCreateWizard() = 0;  // unloads the main window, then shows a fresh wizard
    virtual void showMainWindow() = 0;    // unloads the wizard, then shows a fresh main window
    virtual void endProgram() = 0;        // ends at once: no further event handling
};

}  // namespace tbr
