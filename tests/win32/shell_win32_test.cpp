// The shell services on Windows: the desktop in both forms, virtual and unknown folders, and the
// editor's start through the system's program search.
#include <shlobj.h>

#include "shell/editor_launch.h"
#include "shell/shell_folders.h"
#include "tests/win32/win32_test_support.h"

namespace tbr::testing {
namespace {

std::string ShellDesktop() {
    wchar_t buffer[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_DESKTOPDIRECTORY, FALSE);
    return Narrow(buffer);
}

TEST(GetSpecialFolder, DesktopEndsInExactlyOneBackslash) {
    const Result<std::string> folder = cSpecialFolders{}.GetSpecialFolder(kCsidlDesktopDirectory);
    ASSERT_TRUE(folder) << folder.error().message;
    const std::string& path = folder.value();
    ASSERT_GE(path.size(), 4u);
    EXPECT_EQ(path, ShellDesktop() + "\\");
    EXPECT_NE(path[path.size() - 2], '\\');
    EXPECT_EQ(path.find('\0'), std::string::npos);
    EXPECT_NE(path[path.size() - 2], ' ');
}

TEST(GetSpecialFolder, FoldersWithoutAPathGiveTheEmptyText) {
    for (const int csidl : {kCsidlDrives, 0x7ffe, -1}) {
        const Result<std::string> folder = cSpecialFolders{}.GetSpecialFolder(csidl);
        ASSERT_TRUE(folder) << csidl << ": " << folder.error().message;
        EXPECT_EQ(folder.value(), "") << csidl;
    }
}

// The user's desktop moved to a drive root, for the length of one test.
class DesktopAtDriveRoot {
  public:
    DesktopAtDriveRoot() {
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        DWORD size = sizeof(old_);
        had_ = RegQueryValueExW(key_, L"Desktop", nullptr, &type_, reinterpret_cast<BYTE*>(old_),
                                &size) == ERROR_SUCCESS;
        static constexpr wchar_t kRoot[] = L"C:\\";
        RegSetValueExW(key_, L"Desktop", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(kRoot),
                       sizeof(kRoot));
    }
    DesktopAtDriveRoot(const DesktopAtDriveRoot&) = delete;
    DesktopAtDriveRoot& operator=(const DesktopAtDriveRoot&) = delete;
    ~DesktopAtDriveRoot() {
        if (had_) {
            RegSetValueExW(key_, L"Desktop", 0, type_, reinterpret_cast<const BYTE*>(old_),
                           static_cast<DWORD>((wcslen(old_) + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key_, L"Desktop");
        }
        RegCloseKey(key_);
    }

  private:
    static constexpr wchar_t kKey[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    DWORD type_ = REG_EXPAND_SZ;
    wchar_t old_[MAX_PATH] = {};
    bool had_ = false;
};

TEST(GetSpecialFolder, ADriveRootKeepsItsOneBackslash) {
    DesktopAtDriveRoot moved;
    const Result<std::string> folder = cSpecialFolders{}.GetSpecialFolder(kCsidlDesktopDirectory);
    ASSERT_TRUE(folder) << folder.error().message;
    EXPECT_EQ(folder.value(), "C:\\");
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(desktop) << desktop.error().message;
    EXPECT_EQ(desktop.value(), "C:\\");
}

TEST(GetDesktopDirectory, HasNoTrailingBackslash) {
    const Result<std::string> desktop = GetDesktopDirectory(WindowHandle{});
    ASSERT_TRUE(desktop) << desktop.error().message;
    EXPECT_EQ(desktop.value(), ShellDesktop());
    EXPECT_NE(desktop.value().back(), '\\');
    EXPECT_EQ(desktop.value().size(), ShellDesktop().size());
}

// The editor gets the path as one argument, in double quotes, whatever the path holds.
TEST(LaunchEditor, StartsTbreditWithTheQuotedPathAsOneArgument) {
    const std::vector<std::string> paths = {
        "D:\\Docs\\Weekly menu.tbr",
        "C:\\Users\\owner\\Desktop\\Notes.tbr",
        "C:\\Dokumente\\Men\xC3\xBC f\xC3\xBCr Gr\xC3\xBC\xC3\x9F"
        "e \xE2\x9C\x93.tbr",
        "C:\\a  b\\-x.tbr",
    };
    for (const std::string& path : paths) {
        ScratchFolder scratch;
        StandInEditor editor(scratch);
        const Status started = LaunchEditor(path);
        ASSERT_TRUE(started) << started.error().message;
        const std::vector<std::string> record = editor.record();
        ASSERT_EQ(record.size(), 3u) << path;
        EXPECT_EQ(record[0], "tbredit \"" + path + "\"");
        EXPECT_EQ(record[1], "tbredit");
        EXPECT_EQ(record[2], path);
    }
}

TEST(LaunchEditor, AMissingEditorIsErrorTwo) {
    ScratchFolder scratch;
    StandInEditor editor(scratch, /*installed=*/false);
    const Status started = LaunchEditor("C:\\Docs\\Notes.tbr");
    ASSERT_FALSE(started);
    EXPECT_EQ(started.error().code, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(started.error().source, "LaunchEditor");
    EXPECT_FALSE(started.error().message.empty());
    EXPECT_TRUE(editor.record(std::chrono::milliseconds(300)).empty());
}

// The user's environment reaches the editor as it is, whether or not it turns off the search of
// the current folder; our own environment is as it was afterwards.
TEST(LaunchEditor, TheEditorGetsTheEnvironmentUnchanged) {
    for (const std::optional<std::wstring>& userSetting :
         {std::optional<std::wstring>(), std::optional<std::wstring>(L"yes")}) {
        ScratchFolder scratch;
        StandInEditor editor(scratch);
        ScopedEnvironment setting(L"NoDefaultCurrentDirectoryInExePath", userSetting);
        const std::vector<std::string> before = EnvironmentLines();
        const Status started = LaunchEditor("C:\\Docs\\Notes.tbr");
        ASSERT_TRUE(started) << started.error().message;
        ASSERT_EQ(editor.record().size(), 3u);
        EXPECT_EQ(editor.environment(), before);
        EXPECT_EQ(EnvironmentLines(), before);
    }
}

// The current folder for the length of one test.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::wstring& folder) {
        GetCurrentDirectoryW(MAX_PATH, old_);
        SetCurrentDirectoryW(folder.c_str());
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { SetCurrentDirectoryW(old_); }

  private:
    wchar_t old_[MAX_PATH] = {};
};

// A tbredit.exe planted in the current folder is never what starts.
TEST(LaunchEditor, NeverStartsATbreditFromTheCurrentFolder) {
    ScratchFolder scratch;
    StandInEditor editor(scratch, /*installed=*/false);
    ASSERT_TRUE(CopyFileW((EditorFolder() + L"\\tbredit.exe").c_str(),
                          (scratch / L"tbredit.exe").c_str(), TRUE));
    CurrentFolder planted(scratch.path());
    const Status started = LaunchEditor("C:\\Docs\\Notes.tbr");
    ASSERT_FALSE(started);
    EXPECT_EQ(started.error().code, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(editor.record(std::chrono::milliseconds(300)).empty());
}

TEST(LaunchEditor, APathWithANulCharacterIsRefused) {
    ScratchFolder scratch;
    StandInEditor editor(scratch);
    const Status started = LaunchEditor(std::string("C:\\a.tbr\0\" evil", 15));
    ASSERT_FALSE(started);
    EXPECT_EQ(started.error().code, ERROR_INVALID_NAME);
    EXPECT_TRUE(editor.record(std::chrono::milliseconds(300)).empty());
}

TEST(GetSpecialFolder, ProfileIsTheHomeOfRelativeFolders) {
    wchar_t buffer[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_PROFILE, FALSE));
    const Result<std::string> folder = cSpecialFolders{}.GetSpecialFolder(kCsidlProfile);
    ASSERT_TRUE(folder) << folder.error().message;
    EXPECT_EQ(folder.value(), Narrow(buffer) + "\\");
}

TEST(IsExistingFile, OnlyFilesThatAreThere) {
    ScratchFolder scratch;
    WriteBytes(scratch / L"Notes.tbr", "x");
    CreateDirectoryW((scratch / L"Folder.tbr").c_str(), nullptr);
    // Beyond MAX_PATH, which takes the "\\?\" form where LongPathsEnabled is off.
    std::wstring deep = scratch.path();
    while (deep.size() < 300) {
        deep += L"\\a-rather-long-folder-name";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    }
    WriteBytes(L"\\\\?\\" + deep + L"\\Long.tbr", "x");
    const std::pair<std::string, bool> cases[] = {
        {Narrow(scratch / L"Notes.tbr"), true},
        {Narrow(deep + L"\\Long.tbr"), true},
        {Narrow(scratch.path()) + "/Notes.tbr", true},
        {Narrow(scratch / L"Folder.tbr"), false},
        {Narrow(scratch / L"Gone.tbr"), false},
        {Narrow(scratch / L"half \xD800.tbr"), false},  // kept as no UTF-8: names no file
        {Narrow(scratch / L"half \xFFFD.tbr"), false},
        {"", false},
    };
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(IsExistingFile(path), exists) << path;
    }
}

}  // namespace
}  // namespace tbr::testing
