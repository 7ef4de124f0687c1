// The command line as the program decides it, before any window: what it prints, where, and with
// which status; and whether a display is there for the windows.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <list>
#include <optional>
#include <utility>
#include <vector>

#include "tests/shell/scoped_env.h"

namespace tbr {
namespace {

const DisplayEnvironment kX11{"", ":0", "", ""};
const DisplayEnvironment kNone{"", "", "", "tty"};
const std::string kSee = " (see 'tbrwiz --help')\n";

struct Case {
    const char* name;
    std::vector<const char*> args;  // after the program's own name
    DisplayEnvironment environment;
    int status;                 // -1: the windows start
    std::string out;            // the start of standard output
    std::string err;            // all of standard error
    std::string platform = "";  // for the windows: the -platform value
    // When given, these variables are set (nullptr: unset) and the environment is read from the
    // process instead of taken from `environment`.
    std::vector<std::pair<const char*, const char*>> variables = {};
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, DecidesBeforeAnyWindow) {
    const Case& c = GetParam();
    std::vector<const char*> argv{"tbrwiz"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::list<testing::ScopedEnv> variables;
    for (const auto& [name, value] : c.variables) {
        variables.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    const DisplayEnvironment environment =
        c.variables.empty() ? c.environment : DisplayEnvironment::FromProcess();
    const CommandLineDecision d =
        DecideCommandLine(static_cast<int>(argv.size()), argv.data(), environment, English);
    EXPECT_EQ(d.run ? -1 : d.exitStatus, c.status);
    EXPECT_EQ(d.standardOutput.substr(0, c.out.size()), c.out);
    EXPECT_EQ(d.standardOutput.empty(), c.out.empty());
    EXPECT_EQ(d.standardError, c.err);
    if (d.run) {
        EXPECT_EQ(d.toolkit.platform, c.platform);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    ::testing::Values(
        Case{"NothingStartsTheWindows", {}, kX11, -1, "", ""},
        Case{"Help", {"--help"}, kNone, 0, "Usage: tbrwiz [--help | --version]\n", ""},
        Case{"ShortHelpBeatsVersion", {"-v", "-h"}, kNone, 0, "Usage: tbrwiz", ""},
        Case{"Version", {"--version"}, kNone, 0, "tbrwiz 1.00\n", ""},
        Case{"ShortVersionAmongQtOptions",
             {"-style", "Fusion", "-v"},
             kNone,
             0,
             "tbrwiz 1.00\n",
             ""},
        Case{"UnknownOption",
             {"--frobnicate"},
             kX11,
             2,
             "",
             "tbrwiz: unknown option '--frobnicate'" + kSee},
        Case{"RefusalBeatsHelp",
             {"--help", "x.tbr"},
             kX11,
             2,
             "",
             "tbrwiz: unexpected argument 'x.tbr'" + kSee},
        Case{"ControlCharactersStayOnOneLine",
             {"a\nb\x1b\xc2\x9b\xc2\xa0"},  // C1 U+009B; U+00A0 is no control
             kX11,
             2,
             "",
             "tbrwiz: unexpected argument 'a\\x0ab\\x1b\\xc2\\x9b\xc2\xa0'" + kSee},
        Case{"DeleteAndAByteThatStartsNoControl",  // C2 starts U+0080-U+009F only before 80-9F
             {"a\x7f\xc2z\xc2"},
             kX11,
             2,
             "",
             "tbrwiz: unexpected argument 'a\\x7f\xc2z\xc2'" + kSee},
        Case{"LoneDash", {"-"}, kX11, 2, "", "tbrwiz: unexpected argument '-'" + kSee},
        Case{"EmptyArgument", {""}, kX11, 2, "", "tbrwiz: unexpected argument ''" + kSee},
        Case{"DoubleDash", {"--"}, kX11, 2, "", "tbrwiz: unknown option '--'" + kSee},
        Case{"HelpWithValue",
             {"--help=all"},
             kX11,
             2,
             "",
             "tbrwiz: unknown option '--help=all'" + kSee},
        Case{"QtValueMissing",
             {"-platform"},
             kX11,
             2,
             "",
             "tbrwiz: option '-platform' needs a value" + kSee},
        Case{"QtOptionsWithOneOrTwoDashes",
             {"-platform", "xcb", "--style", "Fusion", "-reverse", "--session", "1-2",
              "-stylesheet=a.qss", "--style=Windows", "-display", ":1", "-nograb"},
             kX11,
             -1,
             "",
             "",
             "xcb"},
        Case{"QtValueIsTheNextArgumentWhatever", {"-qwindowtitle", "--help"}, kX11, -1, "", ""},
        Case{"OnlyStyleTakesEquals",
             {"-platform=offscreen"},
             kX11,
             2,
             "",
             "tbrwiz: unknown option '-platform=offscreen'" + kSee},
        Case{"ThreeDashes",
             {"---reverse"},
             kX11,
             2,
             "",
             "tbrwiz: unknown option '---reverse'" + kSee}));

const std::string kNoDisplay = "tbrwiz: cannot open the display: ";
const std::string kNeither = kNoDisplay + "neither DISPLAY nor WAYLAND_DISPLAY is set\n";
const std::string kNoX = kNoDisplay + "DISPLAY is not set\n";

INSTANTIATE_TEST_SUITE_P(
    Display, CommandLine,
    ::testing::Values(
        Case{"NoneAtAll", {}, kNone, 1, "", kNeither},
        Case{"EmptyVariablesAreNone", {}, {"", "", "", ""}, 1, "", kNeither},
        Case{"Wayland", {}, {"", "", "wayland-0", ""}, -1, "", ""},
        Case{"WaylandSessionFindsItsOwnSocket", {}, {"", "", "", "wayland"}, -1, "", ""},
        Case{"XOnTheCommandLine", {"-display", ":3"}, kNone, -1, "", ""},
        Case{"OffscreenByVariable", {}, {"offscreen", "", "", ""}, -1, "", ""},
        Case{"OffscreenByOptionOutranksVariable",
             {"-platform", "offscreen"},
             {"xcb", "", "", ""},
             -1,
             "",
             "",
             "offscreen"},
        Case{"XcbWithoutDisplay", {}, {"xcb:option", "", "wayland-0", ""}, 1, "", kNoX},
        Case{"XcbByOptionWithoutDisplay",
             {"-platform", "xcb"},
             {"offscreen", "", "", ""},
             1,
             "",
             kNoX},
        Case{"FallbackListWithAnotherPlatform", {}, {"xcb;offscreen", "", "", ""}, -1, "", ""},
        Case{"WaylandByVariableIsLeftToTheToolkit", {}, {"wayland", "", "", ""}, -1, "", ""},
        Case{"WaylandSocketWithoutWaylandDisplay",
             {},
             {},
             -1,
             "",
             "",
             "",
             {{"QT_QPA_PLATFORM", nullptr},
              {"DISPLAY", nullptr},
              {"WAYLAND_DISPLAY", nullptr},
              {"WAYLAND_SOCKET", "3"},
              {"XDG_SESSION_TYPE", "tty"}}},
        Case{"WaylandDisplayFromTheEnvironment",
             {},
             {},
             -1,
             "",
             "",
             "",
             {{"QT_QPA_PLATFORM", nullptr},
              {"DISPLAY", nullptr},
              {"WAYLAND_DISPLAY", "wayland-0"},
              {"WAYLAND_SOCKET", nullptr},
              {"XDG_SESSION_TYPE", "tty"}}},
        Case{"HelpNeedsNoDisplay", {"-h"}, kNone, 0, "Usage:", ""}));

}  // namespace
}  // namespace tbr
