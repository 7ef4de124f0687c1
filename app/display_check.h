// Whether the windows can appear at all. Checked before the toolkit starts, which would otherwise
// abort with a core dump and a screenful of advice when there is no display.
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

}  // namespace tbr
