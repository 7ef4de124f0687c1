// The Qt front end's Navigator: shows one window at a time, the main window or the create wizard,
// each created afresh with its own services, and ends the program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/navigator.h"

namespace tbr::qt {

// The launcher entry's name without ".desktop" (packaging/): the desktop matches the program's
// windows to it for their icon and grouping in the taskbar.
inline constexpr char kDesktopFileName[] = "org.example.tbrwiz";

class WindowSwitcher final : public Navigator {
  public:
    // quit ends the program's event loop; tests pass a recorder instead.
    explicit WindowSwitcher(std::function<void()> quit);
    ~WindowSwitcher() override;
    WindowSwitcher(const WindowSwitcher&) = delete;
    WindowSwitcher& operator=(const WindowSwitcher&) = delete;

    void showMainWindow() override;    // unloads the current window, then shows a fresh Form1
    void showCreateWizard() override;  // unloads the current window, then shows a fresh Form2
    void endProgram() override;        // hides the window and leaves the event loop

    QWidget* current() const { return current_; }

  private:
    template <class Form>
    void replaceWith();

    std::function<void()> quit_;
    QPointer<QWidget> current_;
};

}  // namespace tbr::qt
