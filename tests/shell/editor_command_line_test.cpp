// The editor's command line as text (the form the Windows launcher hands to the system).
#include <gtest/gtest.h>

#include "shell/editor_launch.h"

namespace tbr {
namespace {

TEST(EditorCommandLine, PathStandsUnalteredBetweenDoubleQuotes) {
    const std::pair<std::string, std::string> cases[] = {
        {"D:\\Docs\\Weekly menu.tbr", "tbredit \"D:\\Docs\\Weekly menu.tbr\""},
        {"/home/u/Desktop/a.tbr", "tbredit \"/home/u/Desktop/a.tbr\""},
        {"say \"hi\" $(x) `y`.tbr", "tbredit \"say \"hi\" $(x) `y`.tbr\""},
        {"", "tbredit \"\""},
    };
    for (const auto& [path, line] : cases) {
        EXPECT_EQ(EditorCommandLine(path), line);
    }
    const std::string longPath(5000, 'x');
    EXPECT_EQ(EditorCommandLine(longPath), "tbredit \"" + longPath + "\"");
}

}  // namespace
}  // namespace tbr
