// What the Windows installer leaves on the machine, as a user would find it: after installing
// (Installed.*), after the next version replaced it (Upgraded.*), and after removing it
// (Removed.*). tests/win32/installer_test.sh runs the suites between its msiexec runs, in a Wine
// prefix of its own. The first argument is the stripped tbrwiz.exe that the installer carries; a
// second, "editor", says that the machine is one where the editor owns .tbr, as
// EditorInstalled.* registers it.
#include "tests/win32/program_under_test.h"

#include <msi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>

#include <cstring>
#include <span>

#include "document/new_document.h"
#include "resources/embedded.h"
#include "ui/win32/catalogue.h"

namespace tbr::testing {
namespace {

constexpr wchar_t kUpgradeCode[] = L"{40AEB3F3-6ACA-4E6F-8B78-2B5866958347}";
constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr wchar_t kProgId[] = L"Tambrel.Document";
// The editor's own registration, as its installer would write it.
constexpr wchar_t kEditorProgId[] = L"Tbredit.Document";
constexpr wchar_t kEditorOpenCommand[] = L"\"C:\\Program Files\\Tbredit\\tbredit.exe\" \"%1\"";
constexpr wchar_t kEditorOpenKey[] = L"Tbredit.Document\\shell\\open\\command";

bool editorOwnsType = false;

std::string Bytes(std::span<const unsigned char> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

std::wstring InstallFolder() {
    return KnownFolder(FOLDERID_ProgramFiles) + L"\\Tambrels Wizard";
}

// A text value (nullptr: the key's default value), or nothing when there is none.
std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

// The product codes installed under the installer's upgrade code.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t code[39] = {};
    for (DWORD i = 0; MsiEnumRelatedProductsW(kUpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i) {
        products.emplace_back(code);
    }
    return products;
}

std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
    wchar_t value[1024] = {};
    DWORD length = 1024;
    MsiGetProductInfoW(product.c_str(), property, value, &length);
    return value;
}

// The "Tambrel Wizard" shortcuts in the Start menu: all users' (where Windows puts those of a
// per-machine installation) and the user's (where Wine puts them).
std::vector<std::wstring> StartMenuShortcuts() {
    std::vector<std::wstring> shortcuts;
    for (const KNOWNFOLDERID& folder : {FOLDERID_CommonPrograms, FOLDERID_Programs}) {
        const std::wstring path = KnownFolder(folder) + L"\\Tambrel Wizard.lnk";
        if (Exists(path)) {
            shortcuts.push_back(path);
        }
    }
    return shortcuts;
}

struct Shortcut {
    std::wstring target, workingFolder, icon;
};

Shortcut ReadShortcut(const std::wstring& path) {
    Shortcut read;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH] = {};
        int index = 0;
        link->GetPath(text, MAX_PATH, nullptr, 0);
        read.target = text;
        link->GetWorkingDirectory(text, MAX_PATH);
        read.workingFolder = text;
        link->GetIconLocation(text, MAX_PATH, &index);
        read.icon = text;
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return read;
}

// Whether a PE file still holds a symbol table or debug sections (long section names, such as
// those of the debug sections, point into the symbol table's strings as "/<offset>").
bool HasSymbolsOrDebugSections(const std::string& file) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(file.data() + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    bool found = nt->FileHeader.PointerToSymbolTable != 0 || nt->FileHeader.NumberOfSymbols != 0;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
        const std::string name(reinterpret_cast<const char*>(sections[i].Name),
                               strnlen(reinterpret_cast<const char*>(sections[i].Name), 8));
        found = found || name.starts_with("/") || name.starts_with(".debug");
    }
    return found;
}

// The editor's association, as its installer left it.
void ExpectTheEditorsTypeIntact() {
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, L".tbr", nullptr), kEditorProgId);
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, kEditorOpenKey, nullptr), kEditorOpenCommand);
}

TEST(EditorInstalled, OwnsTheDocumentType) {
    const std::wstring classes = L"SOFTWARE\\Classes\\";
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (classes + L".tbr").c_str(), nullptr, REG_SZ,
                              kEditorProgId, sizeof(kEditorProgId)),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (classes + kEditorOpenKey).c_str(), nullptr,
                              REG_SZ, kEditorOpenCommand, sizeof(kEditorOpenCommand)),
              ERROR_SUCCESS);
}

TEST(Installed, ProgramTemplateAndDocumentIconInProgramFiles) {
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
}

// .tbr names our ProgID only where nobody owned it; ours is listed under it in any case, and the
// New menu makes the document.
TEST(Installed, DocumentTypeAndNewMenuWithoutAnOpenVerb) {
    const std::wstring folder = InstallFolder();
    if (editorOwnsType) {
        ExpectTheEditorsTypeIntact();
    } else {
        EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, L".tbr", nullptr), kProgId);
    }
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, L".tbr\\OpenWithProgids", kProgId), L"");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, L".tbr\\ShellNew", L"FileName"),
              folder + L"\\template.tbr");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, kProgId, nullptr), L"Tambrel document");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, std::wstring(kProgId) + L"\\DefaultIcon", nullptr),
              L"\"" + folder + L"\\document.ico\"");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, std::wstring(kProgId) + L"\\shell"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".tbr\\shell"));
}

// The file browsers name the type from the program's own string table, through the system's
// resource loader: in the language the program itself would speak to this user (the installer
// test runs this in English and in German).
TEST(Installed, TheDocumentTypeIsNamedByTheProgramsStringTable) {
    const std::wstring program = InstallFolder() + L"\\tbrwiz.exe";
    const std::wstring name = L"@" + program + L",-40";
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, kProgId, L"FriendlyTypeName"), name);
    wchar_t shown[256] = {};
    ASSERT_EQ(SHLoadIndirectString(name.c_str(), shown, 256, nullptr), S_OK);
    const HMODULE tables = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(tables, nullptr);
    EXPECT_EQ(shown, win32::Catalogue::ForUser(tables).text(MessageId::DocumentTypeName));
    FreeLibrary(tables);
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

TEST(Installed, OneEntryInAppsAndFeatures) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    const std::wstring entry = kUninstallKey + products[0];
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, entry, L"DisplayName"), L"Tambrels Wizard");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, entry, L"Publisher"),
              L"The Tambrels Wizard developers");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, entry, L"DisplayVersion"), TBR_VERSION_TEXT_W);
    EXPECT_EQ(ReadBytes(ProductInfo(products[0], L"ProductIcon")), Bytes(resources::AppIcon()));
}

TEST(Installed, TheInstalledProgramShowsItsMainWindowAndCloses) {
    RunningProgram program(InstallFolder() + L"\\tbrwiz.exe");
    ASSERT_TRUE(program.started());
    const HWND main = program.window(L"Tambrel Wizard");
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(Upgraded, OnlyTheNewerVersionIsInstalled) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey + products[0], L"DisplayVersion"),
              TBR_NEWER_VERSION_TEXT_W);
    EXPECT_EQ(ReadBytes(InstallFolder() + L"\\template.tbr"), Bytes(NewDocumentBytes()));
    EXPECT_EQ(StartMenuShortcuts().size(), 1u);
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, L".tbr", nullptr), kProgId);  // still ours
}

TEST(Removed, NothingIsLeftBehind) {
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_TRUE(StartMenuShortcuts().empty());
    if (editorOwnsType) {
        ExpectTheEditorsTypeIntact();
        EXPECT_FALSE(RegistryText(HKEY_CLASSES_ROOT, L".tbr\\OpenWithProgids", kProgId));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".tbr\\ShellNew"));
    } else {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".tbr"));
    }
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kProgId));
}

}  // namespace
}  // namespace tbr::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);  // leaves the program's path and "editor"
    tbr::testing::editorOwnsType = argc > 2 && std::strcmp(argv[2], "editor") == 0;
    return tbr::testing::RunTestsOnProgram(std::min(argc, 2), argv);
}
