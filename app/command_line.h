// What the Linux program's command line asks for, decided before any window or display exists:
// --help and --version print and end, the toolkit's own options pass through, anything else is
// refused with one line on standard error, and so is a start without a display.
#pragma once

#include <string>

#include "app/display_check.h"

namespace tbr {

struct CommandLineDecision {
    bool run = true;             // start the windows; otherwise print and exit
    int exitStatus = 0;          // when not running: 0 after --help/--version, 2 when refused,
                                 // 1 without a display
    std::string standardOutput;  // printed before exiting, in the user's language
    std::string standardError;   // one line, ending in a line break
    ToolkitOptions toolkit;      // when running
};

// argv as main() received it; argv[0] is the program and is not looked at. Arguments are checked
// from left to right and the first one refused decides; only when all are accepted do --help
// (before --version) or the windows follow. The options that take a value take the next
// argument, whatever it is, as the toolkit does. A start that got this far still needs a
// display in environment (see MissingDisplay). What is printed is put into words by words.
CommandLineDecision DecideCommandLine(int argc, const char* const argv[],
                                      const DisplayEnvironment& environment, const Wording& words);

// Writes the decision's texts to standard output and standard error and returns its exit status.
int ReportCommandLine(const CommandLineDecision& decision);

}  // namespace tbr
