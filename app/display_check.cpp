#include "app/display_check.h"

#include <cstdlib>
#include <string_view>

namespace tbr {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Every entry of a platform list ("xcb;wayland", each perhaps with ":options") is the X11 one.
bool OnlyX11(std::string_view platforms) {
    while (true) {
        const std::string_view entry = platforms.substr(0, platforms.find(';'));
        if (entry.substr(0, entry.find(':')) != "xcb") {
            return false;
        }
        if (entry.size() == platforms.size()) {
            return true;
        }
        platforms.remove_prefix(entry.size() + 1);
    }
}

}  // namespace

DisplayEnvironment DisplayEnvironment::FromProcess() {
    DisplayEnvironment e;
    e.platform = Variable("QT_QPA_PLATFORM");
    e.x11Display = Variable("DISPLAY");
    e.waylandDisplay = Variable("WAYLAND_DISPLAY");
    if (e.waylandDisplay.empty()) {
        e.waylandDisplay = Variable("WAYLAND_SOCKET");
    }
    e.sessionType = Variable("XDG_SESSION_TYPE");
    return e;
}

std::optional<MessageId> MissingDisplay(const ToolkitOptions& options,
                                        const DisplayEnvironment& environment) {
    if (options.displayGiven || !environment.x11Display.empty()) {
        return std::nullopt;
    }
    // A -platform option outranks the variable, as in the toolkit.
    const std::string& platform =
        options.platform.empty() ? environment.platform : options.platform;
    if (platform.empty()) {
        // The toolkit's own choice: X11, or Wayland in a Wayland session.
        if (!environment.waylandDisplay.empty() || environment.sessionType == "wayland") {
            return std::nullopt;
        }
        return MessageId::NoDisplay;
    }
    if (OnlyX11(platform)) {
        return MessageId::NoX11Display;
    }
    return std::nullopt;
}

}  // namespace tbr
