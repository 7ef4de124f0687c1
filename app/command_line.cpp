#include "app/command_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tbr {
namespace {

// The options that QApplication takes out of the command line (Qt 6.4 and its X11 platform: from
// "display" on), each also with two dashes. Those with a value take the next argument; "style"
// and "stylesheet" also take it after '='.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
// clang-format off
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"session", true},
    {"style", true}, {"stylesheet", true}, {"reverse", false}, {"widgetcount", false},
    {"display", true}, {"geometry", true}, {"name", true}, {"title", true}, {"icon", true},
    {"visual", true}, {"nograb", false}, {"dograb", false}};
// clang-format on

// The argument in quotes, with control characters written out byte by byte so that the message
// stays one line whatever was typed: C0 and DEL, and the C1 characters in UTF-8 (C2 80-9F), among
// them a line break (U+0085) and the start of a terminal's control sequence (U+009B).
std::string Quoted(std::string_view text) {
    std::string out = "'";
    bool c1 = false;  // the byte before was the first of a C1 character
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0u;
        const bool startsC1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
        if (byte < 0x20 || byte == 0x7f || startsC1 || c1) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += text[at];
        }
        c1 = startsC1;
    }
    return out + "'";
}

CommandLineDecision Refuse(const std::string& why) {
    return {.run = false, .exitStatus = 2, .standardError = why + "\n"};
}

CommandLineDecision Print(std::string text) {
    return {.run = false, .standardOutput = std::move(text)};
}

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
    const std::string wayland = Variable("WAYLAND_DISPLAY");
    return {.platform = Variable("QT_QPA_PLATFORM"),
            .x11Display = Variable("DISPLAY"),
            .waylandDisplay = wayland.empty() ? Variable("WAYLAND_SOCKET") : wayland,
            .sessionType = Variable("XDG_SESSION_TYPE")};
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

CommandLineDecision DecideCommandLine(int argc, const char* const argv[],
                                      const DisplayEnvironment& environment, const Wording& words) {
    auto refused = [&words](MessageId why, std::string_view arg) {
        return Refuse(FillPlaceholders(words(why), {Quoted(arg)}));
    };
    bool help = false;
    bool version = false;
    ToolkitOptions toolkit;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            help = true;
            continue;
        }
        if (arg == "-v" || arg == "--version") {
            version = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            return refused(MessageId::UnexpectedArgument, arg);
        }
        const std::string_view body = arg.substr(arg[1] == '-' ? 2 : 1);
        const std::string_view name = body.substr(0, body.find('='));
        const auto* option = std::ranges::find(kToolkitOptions, name, &ToolkitOption::name);
        if (option == std::end(kToolkitOptions) ||
            (name != body && name != "style" && name != "stylesheet")) {
            return refused(MessageId::UnknownOption, arg);
        }
        if (!option->takesValue || name != body) {
            continue;
        }
        if (i + 1 >= argc) {
            return refused(MessageId::OptionNeedsValue, arg);
        }
        ++i;
        if (name == "platform") {
            toolkit.platform = argv[i];
        } else if (name == "display") {
            toolkit.displayGiven = true;
        }
    }
    if (help) {
        return Print(words(MessageId::Usage));
    }
    if (version) {
        return Print("tbrwiz " TBR_VERSION_TEXT "\n");
    }
    if (auto missing = MissingDisplay(toolkit, environment)) {
        return {.run = false,
                .exitStatus = kNoDisplayStatus,
                .standardError = words(*missing) + "\n",
                .toolkit = toolkit};
    }
    return {.toolkit = toolkit};
}

int ReportCommandLine(const CommandLineDecision& decision) {
    std::fputs(decision.standardOutput.c_str(), stdout);
    std::fputs(decision.standardError.c_str(), stderr);
    return std::fflush(stdout) == 0 ? decision.exitStatus : 1;
}

}  // namespace tbr
