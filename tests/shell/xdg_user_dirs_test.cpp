// Reading user-dirs.dirs lines and the separator rules, without touching the environment.
#include "shell/xdg_user_dirs.h"

#include <gtest/gtest.h>

#include "shell/path_separator.h"

namespace tbr::xdg {
namespace {

struct EntryCase {
    const char* what;
    std::string text;
    std::optional<UserDirEntry> expected;
};

std::optional<UserDirEntry> Home(std::string rest) {
    return UserDirEntry{true, std::move(rest)};
}
std::optional<UserDirEntry> Absolute(std::string path) {
    return UserDirEntry{false, std::move(path)};
}

TEST(FindUserDirEntry, ReadsTheDesktopLineAsTheConventionWritesIt) {
    using namespace std::string_literals;
    const EntryCase cases[] = {
        {"default", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", Home("/Desktop")},
        {"absolute", "XDG_DESKTOP_DIR=\"/srv/desk\"\n", Absolute("/srv/desk")},
        {"braced home", "XDG_DESKTOP_DIR=\"${HOME}/D\"\n", Home("/D")},
        {"home itself", "XDG_DESKTOP_DIR=\"$HOME/\"\n", Home("/")},
        {"bare home", "XDG_DESKTOP_DIR=\"$HOME\"\n", Home("")},
        {"spaces", "XDG_DESKTOP_DIR=\"$HOME/My Desktop\"\n", Home("/My Desktop")},
        {"non-ASCII",
         "XDG_DESKTOP_DIR=\"$HOME/Bureau \xc3\xa9t\xc3\xa9 \xe6\xa1\x8c\xe9\x9d\xa2\"\n",
         Home("/Bureau \xc3\xa9t\xc3\xa9 \xe6\xa1\x8c\xe9\x9d\xa2")},
        {"shell escapes", R"(XDG_DESKTOP_DIR="$HOME/a\"b\\c\$d\`e\x")", Home(R"(/a"b\c$d`e\x)")},
        {"blanks", "  XDG_DESKTOP_DIR =\t\"/x\"   # note\n", Absolute("/x")},
        {"no final line end", "XDG_DESKTOP_DIR=\"/x\"", Absolute("/x")},
        {"CRLF", "XDG_DESKTOP_DIR=\"/x\"\r\n", Absolute("/x")},
        {"last line wins", "XDG_DESKTOP_DIR=\"/a\"\nXDG_DESKTOP_DIR=\"$HOME/b\"\n", Home("/b")},
        {"unusable later line", "XDG_DESKTOP_DIR=\"/a\"\nXDG_DESKTOP_DIR=\"rel\"\n",
         Absolute("/a")},
        {"among others",
         "# comment\nXDG_DOCUMENTS_DIR=\"/docs\"\nXDG_DESKTOP_DIR=\"/d\"\nXDG_MUSIC_DIR=\"/m\"\n",
         Absolute("/d")},
        {"commented out", "# XDG_DESKTOP_DIR=\"/x\"\n", std::nullopt},
        {"other folder", "XDG_DOCUMENTS_DIR=\"/docs\"\n", std::nullopt},
        {"longer name", "XDG_DESKTOPS_DIR=\"/x\"\nXDG_DESKTOP_DIRS=\"/y\"\n", std::nullopt},
        {"relative", "XDG_DESKTOP_DIR=\"Desktop\"\n", std::nullopt},
        {"empty", "XDG_DESKTOP_DIR=\"\"\n", std::nullopt},
        {"escaped $HOME", "XDG_DESKTOP_DIR=\"\\$HOME/x\"\n", std::nullopt},
        {"longer variable", "XDG_DESKTOP_DIR=\"$HOMEDIR/x\"\n", std::nullopt},
        {"unquoted", "XDG_DESKTOP_DIR=/x\n", std::nullopt},
        {"single quotes", "XDG_DESKTOP_DIR='/x'\n", std::nullopt},
        {"unterminated", "XDG_DESKTOP_DIR=\"/x\nXDG_MUSIC_DIR=\"/m\"\n", std::nullopt},
        {"NUL inside", "XDG_DESKTOP_DIR=\"/a\0b\"\n"s, std::nullopt},
        {"empty file", "", std::nullopt},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<UserDirEntry> found = FindUserDirEntry(c.text, "DESKTOP");
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (found) {
            EXPECT_EQ(found->relativeToHome, c.expected->relativeToHome);
            EXPECT_EQ(found->path, c.expected->path);
        }
    }
}

TEST(FindUserDirEntry, FindsEachFolderByItsOwnName) {
    const std::string text = "XDG_DESKTOP_DIR=\"/d\"\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    EXPECT_EQ(FindUserDirEntry(text, "MUSIC")->path, "/Musik");
    EXPECT_FALSE(FindUserDirEntry(text, "PICTURES"));
}

TEST(Separators, TrailingSeparatorsComeOffButTheRootStays) {
    const std::pair<std::string, std::string> cases[] = {
        {"/a/b", "/a/b"}, {"/a/b/", "/a/b"}, {"/a//", "/a"}, {"/", "/"},
        {"//", "/"},      {"/a\\", "/a\\"},  {"", ""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(WithoutTrailingSeparators(in), out) << in;
    }
}

TEST(Separators, OneSeparatorIsAddedWhereMissing) {
    const std::pair<std::string, std::string> cases[] = {
        {"/a/b", "/a/b/"}, {"/a/b/", "/a/b/"}, {"/", "/"}, {"/a\\", "/a\\/"}, {"", ""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(WithTrailingSeparator(in), out) << in;
    }
    EXPECT_TRUE(IsPathSeparator('/'));
    EXPECT_FALSE(IsPathSeparator('\\'));  // an ordinary character of a name on Linux
}

}  // namespace
}  // namespace tbr::xdg
