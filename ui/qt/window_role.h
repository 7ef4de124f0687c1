// The role under which screen readers announce a top-level window. Qt reports a plain QWidget
// window as a mere "filler", so a reader would not say that a window opened; a window given a
// role here is reported as that role (a frame or a dialog), with its title as its name.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace tbr::qt {

// Gives the window its role for assistive technology; nothing else about it changes.
void SetAccessibleWindowRole(QWidget* window, QAccessible::Role role);

}  // namespace tbr::qt
