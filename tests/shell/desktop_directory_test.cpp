// GetDesktopDirectory against a temporary HOME and XDG_CONFIG_HOME.
#include "shell/shell_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "tests/shell/shell_folders_fixture.h"

namespace tbr::testing {
namespace {

using DesktopDirectory = ShellFoldersTest;

std::string Desktop() {
    Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    EXPECT_TRUE(desktop.ok()) << desktop.error().message;
    return desktop.ok() ? desktop.value() : std::string{};
}

TEST_F(DesktopDirectory, UnconfiguredIsDesktopInHomeNeitherCheckedNorCreated) {
    EXPECT_EQ(Desktop(), home() + "/Desktop");
    EXPECT_FALSE(std::filesystem::exists(home() + "/Desktop"));
}

TEST_F(DesktopDirectory, ConfiguredFolderIsUsedWithoutATrailingSeparator) {
    const std::pair<std::string, std::string> cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", "/Schreibtisch"},
        {"XDG_DESKTOP_DIR=\"$HOME/My Desktop/\"\n", "/My Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOME/\xe6\xa1\x8c\xe9\x9d\xa2 \xc3\xa9\"\n",
         "/\xe6\xa1\x8c\xe9\x9d\xa2 \xc3\xa9"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", ""},
        {"XDG_DESKTOP_DIR=\"relative/Desk\"\n", "/Desktop"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n", "/Desktop"},
    };
    for (const auto& [text, below] : cases) {
        configure(text);
        EXPECT_EQ(Desktop(), home() + below) << text;
    }
}

TEST_F(DesktopDirectory, AbsoluteEntriesAndTheRoot) {
    configure("XDG_DESKTOP_DIR=\"/srv/shared desk//\"\n");
    EXPECT_EQ(Desktop(), "/srv/shared desk");
    configure("XDG_DESKTOP_DIR=\"/\"\n");
    EXPECT_EQ(Desktop(), "/");
    ScopedEnv config("XDG_CONFIG_HOME", home() + "/.config");
    ScopedEnv rootHome("HOME", "/");
    configure("XDG_DESKTOP_DIR=\"$HOME\"\n");  // the home itself, here the root
    EXPECT_EQ(Desktop(), "/");
}

TEST_F(DesktopDirectory, ConfigHomeIsHonouredWhenAbsoluteAndIgnoredOtherwise) {
    configure("XDG_DESKTOP_DIR=\"$HOME/FromDefault\"\n");
    WriteFile(tmp_ / "cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/FromConfigHome\"\n");
    {
        ScopedEnv config("XDG_CONFIG_HOME", tmp_ / "cfg");
        EXPECT_EQ(Desktop(), home() + "/FromConfigHome");
    }
    for (const char* ignored : {"", "cfg", "./cfg"}) {
        ScopedEnv config("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(Desktop(), home() + "/FromDefault") << ignored;
    }
}

TEST_F(DesktopDirectory, EnvironmentIsReadAtEveryCall) {
    EXPECT_EQ(Desktop(), home() + "/Desktop");
    ScopedEnv otherHome("HOME", tmp_ / "other/");
    EXPECT_EQ(Desktop(), tmp_ / "other/Desktop");
    ScopedEnv rootHome("HOME", "/");
    EXPECT_EQ(Desktop(), "/Desktop");
}

TEST_F(DesktopDirectory, DesktopVariableAloneIsIgnored) {
    ScopedEnv variable("XDG_DESKTOP_DIR", "/elsewhere");
    EXPECT_EQ(Desktop(), home() + "/Desktop");
}

TEST_F(DesktopDirectory, UnusableHomeIsAnErrorNotAGuess) {
    for (const std::optional<std::string>& bad :
         {std::optional<std::string>{}, std::optional<std::string>{""},
          std::optional<std::string>{"home/user"}}) {
        ScopedEnv badHome("HOME", bad);
        const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
        ASSERT_FALSE(desktop.ok()) << desktop.value();
        EXPECT_EQ(desktop.error().code, ENOENT);
        EXPECT_NE(desktop.error().message.find("HOME"), std::string::npos);
        EXPECT_EQ(desktop.error().source, "GetDesktopDirectory");
    }
}

TEST_F(DesktopDirectory, WithoutHomeOnlyAnAbsoluteEntryFoundThroughConfigHomeWorks) {
    ScopedEnv noHome("HOME", std::nullopt);
    ScopedEnv config("XDG_CONFIG_HOME", tmp_ / "cfg");
    WriteFile(tmp_ / "cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"/srv/desk\"\n");
    EXPECT_EQ(Desktop(), "/srv/desk");
    WriteFile(tmp_ / "cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
    EXPECT_FALSE(GetDesktopDirectory(WindowHandle{}).ok());
}

TEST_F(DesktopDirectory, UnreadableConfigurationCountsAsMissing) {
    const struct {
        const char* what;
        void (*prepare)(const std::string& file);
    } cases[] = {
        {"a folder", [](const std::string& f) { std::filesystem::create_directories(f); }},
        {"a device", [](const std::string& f) { std::filesystem::create_symlink("/dev/zero", f); }},
        {"a FIFO", [](const std::string& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
        {"a dangling link",
         [](const std::string& f) { std::filesystem::create_symlink(f + ".missing", f); }},
        {"not readable",
         [](const std::string& f) {
             WriteFile(f, "XDG_DESKTOP_DIR=\"$HOME/Configured\"\n");
             ::chmod(f.c_str(), 0);
         }},
        {"larger than any user-dirs file",
         [](const std::string& f) {
             WriteFile(f, "XDG_DESKTOP_DIR=\"$HOME/Configured\"\n" + std::string(1 << 20, '#'));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(home());
        std::filesystem::create_directories(home() + "/.config");
        c.prepare(userDirsFile());
        if (std::string(c.what) == "not readable" && ::access(userDirsFile().c_str(), R_OK) == 0) {
            continue;  // root reads it all the same
        }
        EXPECT_EQ(Desktop(), home() + "/Desktop");
    }
}

}  // namespace
}  // namespace tbr::testing
