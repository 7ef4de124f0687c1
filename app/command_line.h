// What the Linux program's command line asks for, decided before any window or display exists:
// --help and --version print and end, the toolkit's own options pass through, anything else is
// refused with one line on standard error, and so is a start without a display (checked before
// the toolkit starts, which would otherwise abort with a core dump and a screenful of advice).
#pragma once

#include <optional>
#include <string>

#include "messages/messages.h"

namespace tbr {

// The exit status of a program that found no display to show its windows on.
inline constexpr int kNoDisplayStatus = 1;

// The toolkit options that decide where the windows appear.
struct ToolkitOptions {
    std::string platform;       // the last -platform value; empty when none was given
    bool displayGiven = false;  // -display names the X display
};

// The environment variables that say where a display is.
struct DisplayEnvironment {
    std::string platform;        // QT_QPA_PLATFORM
    std::string x11Display;      // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY, else WAYLAND_SOCKET
    std::string sessionType;     // XDG_SESSION_TYPE

    static DisplayEnvironment FromProcess();
};

// Why the windows certainly cannot appear, a line for standard error: the platform would be
// X11 (or X11 and Wayland, the toolkit's choice) and no display of it is named. Platforms that
// need no display (offscreen, vnc, ...) and every case in doubt pass: the toolkit finds out
// for itself then.
std::optional<MessageId> MissingDisplay(const ToolkitOptions& options,
                                        const DisplayEnvironment& environment);

struct CommandLineDecision {
    bool run = true;                  // start the windows; otherwise print and exit
    int exitStatus = 0;               // when not running: 0 after --help/--version, 2 when refused,
                                      // 1 without a display
    std::string standardOutput = {};  // printed before exiting, in the user's language
    std::string standardError = {};   // one line, ending in a line break
    ToolkitOptions toolkit = {};      // when running
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
