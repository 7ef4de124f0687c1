// cSpecialFolders::GetSpecialFolder: the shapes of its answers and of its errors.
#include "shell/shell_folders.h"

#include <cerrno>
#include <climits>

#include "tests/shell/shell_folders_fixture.h"

namespace tbr::testing {
namespace {

using SpecialFolders = ShellFoldersTest;

std::string Folder(int csidl) {
    Result<std::string> folder = cSpecialFolders{}.GetSpecialFolder(csidl);
    EXPECT_TRUE(folder.ok()) << csidl << ": " << folder.error().message;
    return folder.ok() ? folder.value() : std::string{"<error>"};
}

TEST_F(SpecialFolders, DesktopDirectoryEndsInExactlyOneSeparator) {
    EXPECT_EQ(Folder(kCsidlDesktopDirectory), home() + "/Desktop/");
    configure("XDG_DESKTOP_DIR=\"$HOME/My Desktop//\"\n");
    EXPECT_EQ(Folder(kCsidlDesktopDirectory), home() + "/My Desktop/");
    EXPECT_EQ(Folder(kCsidlDesktopDirectory), GetDesktopDirectory(WindowHandle{}).value() + "/");
}

TEST_F(SpecialFolders, RootStaysAsItIs) {
    configure("XDG_DESKTOP_DIR=\"/\"\n");
    EXPECT_EQ(Folder(kCsidlDesktopDirectory), "/");
    ScopedEnv rootHome("HOME", "/");
    EXPECT_EQ(Folder(kCsidlProfile), "/");
}

TEST_F(SpecialFolders, FoldersWithAnXdgCounterpart) {
    configure("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_PICTURES_DIR=\"/srv/pics/\"\n");
    const std::pair<int, std::string> cases[] = {
        {0x05, home() + "/Dokumente/"},  // documents
        {0x0d, home() + "/Music/"},      // music
        {0x0e, home() + "/Videos/"},     // videos
        {0x27, "/srv/pics/"},            // pictures
        {0x28, home() + "/"},            // the home folder
    };
    for (const auto& [csidl, expected] : cases) {
        EXPECT_EQ(Folder(csidl), expected) << csidl;
    }
}

TEST_F(SpecialFolders, OtherIdentifiersGiveTheEmptyTextWithoutAnError) {
    ScopedEnv noHome("HOME", std::nullopt);  // they do not even look
    for (int csidl : {kCsidlDrives, 0x00, 0x03, 0x0a, 0x19, 0x1a, 0x26, -1, 0x3d, 9999, INT_MIN,
                      INT_MAX, kCsidlDesktopDirectory | 0x8000}) {
        EXPECT_EQ(Folder(csidl), "") << csidl;
    }
}

TEST_F(SpecialFolders, FailureKeepsNumberAndDescriptionUnderItsOwnSource) {
    ScopedEnv noHome("HOME", std::nullopt);
    const OsError desktopError = GetDesktopDirectory(WindowHandle{}).error();
    for (int csidl : {kCsidlDesktopDirectory, 0x05, 0x28}) {
        const Result<std::string> folder = cSpecialFolders{}.GetSpecialFolder(csidl);
        ASSERT_FALSE(folder.ok()) << csidl;
        EXPECT_EQ(folder.error().code, ENOENT);
        EXPECT_NE(folder.error().message.find("HOME is not set"), std::string::npos);
        EXPECT_EQ(folder.error().source, "cSpecialFolders::GetSpecialFolder");
    }
    const OsError error = cSpecialFolders{}.GetSpecialFolder(kCsidlDesktopDirectory).error();
    EXPECT_EQ(error.code, desktopError.code);
    EXPECT_EQ(error.message, desktopError.message);
}

TEST_F(SpecialFolders, UnreadableConfigurationCountsAsMissing) {
    std::filesystem::create_directories(userDirsFile());  // a folder where the file belongs
    EXPECT_EQ(Folder(kCsidlDesktopDirectory), home() + "/Desktop/");
    EXPECT_EQ(Folder(0x05), home() + "/Documents/");
}

}  // namespace
}  // namespace tbr::testing
