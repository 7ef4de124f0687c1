// The Linux program's command line and its display check.
//
// Input: one byte choosing the display environment, then the arguments, each ending in a NUL byte.
// Properties:
// - the program either starts its windows, saying nothing, or ends with 0 after printing help or
//   its version to standard output, 2 after one line on standard error for a refused argument, or
//   1 after one line for a missing display;
// - every line on standard error begins with "tbrwiz: ", ends in its one line break and holds no
//   other control character (C0, DEL or C1), whatever the arguments held;
// - help, version and refusals do not depend on the display: they come out the same without one.
#include <cstdint>

#include "app/command_line.h"
#include "fuzz/fuzz_support.h"

namespace tbr::fuzz {
namespace {

const DisplayEnvironment kEnvironments[] = {
    {"", ":0", "", ""},         {"", "", "", "tty"},       {"", "", "wayland-0", ""},
    {"xcb", "", "", "wayland"}, {"offscreen", "", "", ""}, {"wayland;xcb", "", "", ""},
};

bool IsOneCleanLine(const std::string& text) {
    if (!text.starts_with("tbrwiz: ") || !text.ends_with('\n')) {
        return false;
    }
    for (const char32_t c : Characters(std::string_view(text).substr(0, text.size() - 1))) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            return false;
        }
    }
    return true;
}

CommandLineDecision Decide(const std::vector<std::string>& arguments,
                           const DisplayEnvironment& environment) {
    std::vector<const char*> argv{"tbrwiz"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    return DecideCommandLine(static_cast<int>(argv.size() - 1), argv.data(), environment, English);
}

}  // namespace
}  // namespace tbr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tbr;
    using namespace tbr::fuzz;
    std::string_view input = AsText(data, size);
    const unsigned choice = TakeChoice(input);
    // Each argument ends in a NUL, the last one perhaps at the end of the input instead.
    std::vector<std::string> arguments = Split(input, '\0');
    if (arguments.back().empty()) {
        arguments.pop_back();
    }
    const CommandLineDecision d = Decide(arguments, kEnvironments[choice % 6]);

    if (d.run) {
        FUZZ_CHECK(d.standardOutput.empty() && d.standardError.empty());
        return 0;
    }
    switch (d.exitStatus) {
        case 0:
            FUZZ_CHECK(!d.standardOutput.empty() && d.standardError.empty());
            break;
        case 1:
        case 2:
            FUZZ_CHECK(d.standardOutput.empty() && IsOneCleanLine(d.standardError));
            break;
        default:
            FUZZ_CHECK(d.exitStatus == 0 || d.exitStatus == 1 || d.exitStatus == 2);
    }
    if (d.exitStatus != kNoDisplayStatus) {
        const CommandLineDecision withoutDisplay = Decide(arguments, kEnvironments[1]);
        FUZZ_CHECK(!withoutDisplay.run && withoutDisplay.exitStatus == d.exitStatus &&
                   withoutDisplay.standardOutput == d.standardOutput &&
                   withoutDisplay.standardError == d.standardError);
    }
    return 0;
}
