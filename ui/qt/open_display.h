// Starts the toolkit on the display. Where its platform cannot connect after all (a DISPLAY that
// names no running server, a missing platform plugin), the program ends with one line on
// standard error and status 1 instead of the toolkit's abort and core dump; its own warnings
// before that line say why.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "app/display_check.h"

namespace tbr::qt {

// argc and argv as main() received them, already checked; the toolkit takes its own options
// out of them. argc must outlive the application. failure is the line printed when the display
// cannot be opened.
std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv, std::string failure);

}  // namespace tbr::qt
