// What the Windows installers leave on the machine, as a user would find it: after installing
// (Installed.*), after the next version replaced it (Upgraded.*), and after removing it or after
// an installation that failed (Removed.*). tests/win32/installer_test.sh runs the suites between
// its msiexec runs, in a Wine prefix of its own. The first argument is the stripped tbrwiz.exe
// that the installers carry; the words after it describe the machine: "user" where the
// installation is the user's alone, "editor" where the editor owns .tbr with its New menu entry
// under .tbr\ShellNew, "editor-progid" where it has it under .tbr\<its ProgID>\ShellNew
// (EditorInstalled.* registers it), "listed" where another program is listed under .tbr without
// owning it (OtherProgramListed.*), "typed" where another program gave .tbr a content type
// (ContentTypeGiven.*); OthersRemoved.* takes them away again.
#include "tests/win32/program_under_test.h"

#include <span>

#include "document/new_document.h"
#include "resources/embedded.h"
#include "tests/win32/installed_state.h"

namespace tbr::testing {
namespace {

// The upgrade codes of the installer for all users and of the one for the user alone.
constexpr const wchar_t* kUpgradeCodes[] = {L"{40AEB3F3-6ACA-4E6F-8B78-2B5866958347}",
                                            L"{1B68B139-2526-408B-AEFB-E3669FB59556}"};
constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr wchar_t kClasses[] = L"SOFTWARE\\Classes\\";
constexpr wchar_t kProgId[] = L"Tambrel.Document";
// The editor's own registration, as its installer would write it, for all users.
constexpr wchar_t kEditorProgId[] = L"Tbredit.Document";
constexpr wchar_t kEditorOpenCommand[] = L"\"C:\\Program Files\\Tbredit\\tbredit.exe\" \"%1\"";
constexpr wchar_t kEditorOpenKey[] = L"Tbredit.Document\\shell\\open\\command";
constexpr wchar_t kEditorTemplate[] = L"C:\\tbredit\\blank.tbr";
// Where a New menu entry may be: the type's own, or that of the ProgID that owns the type.
constexpr const wchar_t* kTypesNewMenu = L".tbr\\ShellNew";
constexpr const wchar_t* kEditorsNewMenu = L".tbr\\Tbredit.Document\\ShellNew";
// Another program that lists its ProgID under .tbr, as we do.
constexpr wchar_t kOtherListing[] = L"Other.Document";
// A value of .tbr that another program writes.
constexpr wchar_t kContentType[] = L"application/x-tambrel";

// The machine, as the words after the program's path describe it.
bool forTheUser = false;                 // "user"
const wchar_t* editorNewMenu = nullptr;  // .tbr's subkey with the editor's ShellNew, if any
bool otherListed = false;                // "listed"
bool contentTyped = false;               // "typed"

std::string Bytes(std::span<const unsigned char> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Where each installer puts the program: the user's own programs, or all users'.
std::wstring UserPrograms() {
    return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs";
}
std::wstring InstallFolder(bool user = forTheUser) {
    return (user ? UserPrograms() : KnownFolder(FOLDERID_ProgramFiles)) + L"\\Tambrels Wizard";
}

// The classes that the installer writes: the user's or the machine's. (Wine's HKEY_CLASSES_ROOT
// shows the machine's alone, so both are read as they are.)
HKEY OurClasses() {
    return forTheUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::optional<std::wstring> ClassText(HKEY root, const std::wstring& key, const wchar_t* name) {
    return RegistryText(root, kClasses + key, name);
}

bool ClassExists(HKEY root, const std::wstring& key) {
    return KeyExists(root, kClasses + key);
}

// The product codes installed under either installer's upgrade code.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    for (const wchar_t* upgradeCode : kUpgradeCodes) {
        wchar_t code[39] = {};
        for (DWORD i = 0; MsiEnumRelatedProductsW(upgradeCode, 0, i, code) == ERROR_SUCCESS; ++i) {
            products.emplace_back(code);
        }
    }
    return products;
}

// The Apps & features entry: the user's for a per-user product on Windows, but Wine keeps every
// entry among the machine's.
HKEY UninstallEntryRoot(const std::wstring& product) {
    const std::wstring entry = kUninstallKey + product;
    return KeyExists(HKEY_CURRENT_USER, entry) ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// .tbr's default and New menu entry as they must be, installed or not: the editor's where it is
// there (nobody else's entry beside its own), otherwise ours only where the installation for all
// users is in place (the user's never names the type) and the New menu's where ours is in place.
void ExpectTheTypesDefaultAndNewMenu(bool installed) {
    if (editorNewMenu != nullptr) {
        EXPECT_EQ(ClassText(HKEY_LOCAL_MACHINE, L".tbr", nullptr), kEditorProgId);
        EXPECT_EQ(ClassText(HKEY_LOCAL_MACHINE, kEditorOpenKey, nullptr), kEditorOpenCommand);
        EXPECT_EQ(ClassText(HKEY_LOCAL_MACHINE, editorNewMenu, L"FileName"), kEditorTemplate);
    } else {
        const bool ours = installed && !forTheUser;
        EXPECT_EQ(ClassText(HKEY_LOCAL_MACHINE, L".tbr", nullptr),
                  ours ? std::optional<std::wstring>(kProgId) : std::nullopt);
        EXPECT_EQ(ClassText(OurClasses(), L".tbr\\ShellNew", L"FileName"),
                  installed ? std::optional(InstallFolder() + L"\\template.tbr") : std::nullopt);
    }
    EXPECT_FALSE(ClassText(HKEY_CURRENT_USER, L".tbr", nullptr));
    EXPECT_EQ(ClassText(HKEY_LOCAL_MACHINE, L".tbr\\OpenWithProgids", kOtherListing),
              otherListed ? std::optional<std::wstring>(L"") : std::nullopt);
    for (HKEY classes : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        const bool editors = classes == HKEY_LOCAL_MACHINE && editorNewMenu == kTypesNewMenu;
        const bool ours = classes == OurClasses() && editorNewMenu == nullptr && installed;
        EXPECT_EQ(ClassExists(classes, kTypesNewMenu), editors || ours);
    }
}

TEST(EditorInstalled, OwnsTheDocumentTypeWithItsNewMenuEntry) {
    ASSERT_NE(editorNewMenu, nullptr);
    const struct {
        std::wstring key;
        const wchar_t *name, *value;
    } values[] = {{L".tbr", nullptr, kEditorProgId},
                  {kEditorOpenKey, nullptr, kEditorOpenCommand},
                  {editorNewMenu, L"FileName", kEditorTemplate}};
    for (const auto& value : values) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kClasses + value.key).c_str(), value.name,
                                  REG_SZ, value.value,
                                  static_cast<DWORD>((wcslen(value.value) + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
}

TEST(OtherProgramListed, UnderTheTypeWithoutOwningIt) {
    ASSERT_TRUE(otherListed);
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE,
                              (kClasses + std::wstring(L".tbr\\OpenWithProgids")).c_str(),
                              kOtherListing, REG_SZ, L"", sizeof(wchar_t)),
              ERROR_SUCCESS);
}

TEST(ContentTypeGiven, ByAnotherProgram) {
    ASSERT_TRUE(contentTyped);
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kClasses + std::wstring(L".tbr")).c_str(),
                              L"Content Type", REG_SZ, kContentType, sizeof(kContentType)),
              ERROR_SUCCESS);
}

TEST(OthersRemoved, LeaveNothingOfThem) {
    for (const wchar_t* key : {L".tbr", kEditorProgId}) {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kClasses + std::wstring(key)).c_str());
        EXPECT_FALSE(ClassExists(HKEY_LOCAL_MACHINE, key));
    }
}

TEST(Installed, ProgramTemplateAndDocumentIconInTheProgramsFolder) {
    const std::wstring folder = InstallFolder();
    std::vector<std::wstring> files = FolderEntries(folder);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::wstring>{L"document.ico", L"tbrwiz.exe", L"template.tbr"}));
    const std::optional<std::string> stripped = ReadBytes(programPath);
    ASSERT_TRUE(stripped);
    EXPECT_EQ(ReadBytes(folder + L"\\tbrwiz.exe"), stripped);
    EXPECT_FALSE(HasSymbolsOrDebugSections(*stripped));
    EXPECT_EQ(ReadBytes(folder + L"\\template.tbr"), Bytes(NewDocumentBytes()));
    EXPECT_EQ(ReadBytes(folder + L"\\document.ico"), Bytes(resources::DefaultDocumentIcon()));
    EXPECT_FALSE(Exists(InstallFolder(!forTheUser)));
}

// Our ProgID is listed under .tbr in our classes whoever owns the type; the type's default and
// the New menu are ours only where nobody else has them; nothing of ours opens documents; and the
// installation for the user alone writes nothing among the machine's classes: the installer's
// actions that write them run as the user there, who alone sees the user's classes, and as the
// system for all users (Wine runs both as the user: the installer's rows are checked).
TEST(Installed, DocumentTypeAndNewMenuWithoutAnOpenVerb) {
    ExpectTheTypesDefaultAndNewMenu(true);
    const HKEY classes = OurClasses();
    EXPECT_EQ(ClassText(classes, L".tbr\\OpenWithProgids", kProgId), L"");
    EXPECT_EQ(ClassText(classes, kProgId, nullptr), L"Tambrel document");
    EXPECT_EQ(ClassText(classes, std::wstring(kProgId) + L"\\DefaultIcon", nullptr),
              L"\"" + InstallFolder() + L"\\document.ico\"");
    EXPECT_FALSE(ClassExists(classes, std::wstring(kProgId) + L"\\shell"));
    EXPECT_FALSE(ClassExists(classes, L".tbr\\shell"));
    if (forTheUser) {
        EXPECT_FALSE(ClassExists(HKEY_LOCAL_MACHINE, kProgId));
        EXPECT_FALSE(ClassText(HKEY_LOCAL_MACHINE, L".tbr\\OpenWithProgids", kProgId));
    }
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    const std::vector<ScriptAction> actions = InstalledScriptActions(products[0]);
    EXPECT_FALSE(actions.empty());
    for (const ScriptAction& action : actions) {
        EXPECT_EQ(action.asTheSystem, !forTheUser) << Narrow(action.name);
    }
}

TEST(Installed, StartMenuShortcutWithTheApplicationIcon) {
    const std::vector<std::wstring> shortcuts = StartMenuShortcuts();
    ASSERT_EQ(shortcuts.size(), 1u);
    const Shortcut shortcut = ReadShortcut(shortcuts[0]);
    EXPECT_EQ(shortcut.target, InstallFolder() + L"\\tbrwiz.exe");
    EXPECT_EQ(shortcut.workingFolder,
              InstallFolder() + L"\\");  // as Windows Installer writes folders
    EXPECT_EQ(ReadBytes(shortcut.icon), Bytes(resources::AppIcon())) << Narrow(shortcut.icon);
}

// The file browsers name the type, and the Start menu the shortcut, from the program's own string
// table, through the system's resource loader: in the language the program itself would speak to
// this user (the installer test runs this in English and in German). Wine's installer does not
// apply the shortcut's name, Windows' does: the installer's row is checked, and what the system
// loads by it.
TEST(Installed, NamesComeFromTheProgramsStringTable) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    const ShortcutName shortcut = InstalledShortcutName(products[0]);
    EXPECT_EQ(shortcut.file, L"[#tbrwiz.exe]");
    const std::wstring program = InstallFolder() + L"\\tbrwiz.exe";
    const auto reference = [&program](int string) {
        return L"@" + program + L",-" + std::to_wstring(string);
    };
    const struct {
        const char* what;
        std::wstring reference;  // as the system holds it
        MessageId text;
    } rows[] = {
        {"document type", ClassText(OurClasses(), kProgId, L"FriendlyTypeName").value_or(L""),
         MessageId::DocumentTypeName},
        {"Start menu shortcut", reference(shortcut.string), MessageId::MainWindowTitle},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.reference, reference(static_cast<int>(row.text))) << row.what;
        EXPECT_EQ(IndirectString(row.reference), ProgramsOwnText(program, row.text)) << row.what;
    }
}

TEST(Installed, OneEntryInAppsAndFeatures) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    const HKEY root = UninstallEntryRoot(products[0]);
    const std::wstring entry = kUninstallKey + products[0];
    EXPECT_EQ(RegistryText(root, entry, L"DisplayName"), L"Tambrels Wizard");
    EXPECT_EQ(RegistryText(root, entry, L"Publisher"), L"The Tambrels Wizard developers");
    EXPECT_EQ(RegistryText(root, entry, L"DisplayVersion"), TBR_VERSION_TEXT_W);
    EXPECT_EQ(ReadBytes(ProductInfo(products[0], L"ProductIcon")), Bytes(resources::AppIcon()));
    wchar_t version[64] = {};
    DWORD length = 64;
    const MSIINSTALLCONTEXT context =
        forTheUser ? MSIINSTALLCONTEXT_USERUNMANAGED : MSIINSTALLCONTEXT_MACHINE;
    EXPECT_EQ(MsiGetProductInfoExW(products[0].c_str(), nullptr, context, L"VersionString", version,
                                   &length),
              ERROR_SUCCESS);
}

TEST(Installed, TheInstalledProgramShowsItsMainWindowAndCloses) {
    RunningProgram program(InstallFolder() + L"\\tbrwiz.exe");
    ASSERT_TRUE(program.started());
    const HWND main = program.window(L"Tambrel Wizard");
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(Upgraded, OnlyTheNewerVersionIsInstalledAndTheTypeIsAsItWas) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey + products[0], L"DisplayVersion"),
              TBR_NEWER_VERSION_TEXT_W);
    EXPECT_EQ(ReadBytes(InstallFolder() + L"\\template.tbr"), Bytes(NewDocumentBytes()));
    EXPECT_EQ(StartMenuShortcuts().size(), 1u);
    ExpectTheTypesDefaultAndNewMenu(true);
}

TEST(Removed, NothingIsLeftBehind) {
    EXPECT_TRUE(InstalledProducts().empty());
    for (const bool user : {false, true}) {
        EXPECT_FALSE(Exists(InstallFolder(user)));
    }
    EXPECT_FALSE(Exists(UserPrograms()));  // made for the user's installation alone
    EXPECT_TRUE(StartMenuShortcuts().empty());
    ExpectTheTypesDefaultAndNewMenu(false);
    for (HKEY classes : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        EXPECT_FALSE(ClassExists(classes, kProgId));
        EXPECT_FALSE(ClassText(classes, L".tbr\\OpenWithProgids", kProgId));
        EXPECT_EQ(ClassExists(classes, L".tbr"),
                  classes == HKEY_LOCAL_MACHINE &&
                      (editorNewMenu != nullptr || otherListed || contentTyped));
    }
}

}  // namespace
}  // namespace tbr::testing

// The program's path, then the words that describe the machine.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);  // leaves the program's path and the words
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        tbr::testing::forTheUser = tbr::testing::forTheUser || word == "user";
        tbr::testing::otherListed = tbr::testing::otherListed || word == "listed";
        tbr::testing::contentTyped = tbr::testing::contentTyped || word == "typed";
        if (word == "editor" || word == "editor-progid") {
            tbr::testing::editorNewMenu =
                word == "editor" ? tbr::testing::kTypesNewMenu : tbr::testing::kEditorsNewMenu;
        }
    }
    return tbr::testing::RunTestsOnProgram(std::min(argc, 2), argv);
}
