// What the installer test reads of an installation, as the system shows it: registry values,
// known folders, Start menu shortcuts, the installed product's own copy of its installer, and the
// texts the system loads from a program's string table.
#pragma once

#include <windows.h>

#include <msi.h>
#include <msidefs.h>
#include <msiquery.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "messages/messages.h"
#include "tests/win32/win32_test_support.h"
#include "ui/win32/catalogue.h"

namespace tbr::testing {

inline std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

// A text value (nullptr: the key's default value), or nothing when there is none.
inline std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key,
                                                const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

inline bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

inline std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
    wchar_t value[1024] = {};
    DWORD length = 1024;
    MsiGetProductInfoW(product.c_str(), property, value, &length);
    return value;
}

// The "Tambrel Wizard" shortcuts in the Start menu: all users' (where Windows puts those of a
// per-machine installation) and the user's (where Wine puts them).
inline std::vector<std::wstring> StartMenuShortcuts() {
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

inline Shortcut ReadShortcut(const std::wstring& path) {
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

// The shortcut's row in the installed product's own copy of its installer: the program file that
// holds the shortcut's name and the number of the string.
struct ShortcutName {
    std::wstring file;
    int string = 0;
};

inline ShortcutName InstalledShortcutName(const std::wstring& product) {
    ShortcutName name;
    MSIHANDLE database = 0, view = 0, row = 0;
    const std::wstring package = ProductInfo(product, L"LocalPackage");
    const LPCWSTR readOnly = nullptr;  // MSIDBOPEN_READONLY, which <msiquery.h> gives as LPCTSTR
    if (MsiOpenDatabaseW(package.c_str(), readOnly, &database) == ERROR_SUCCESS &&
        MsiDatabaseOpenViewW(database,
                             L"SELECT `DisplayResourceDLL`, `DisplayResourceId` FROM `Shortcut`",
                             &view) == ERROR_SUCCESS &&
        MsiViewExecute(view, 0) == ERROR_SUCCESS && MsiViewFetch(view, &row) == ERROR_SUCCESS) {
        wchar_t file[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        MsiRecordGetStringW(row, 1, file, &length);
        name = {file, MsiRecordGetInteger(row, 2)};
    }
    for (MSIHANDLE handle : {row, view, database}) {
        if (handle != 0) {
            MsiCloseHandle(handle);
        }
    }
    return name;
}

// The custom actions that run in the installation's script, from the installed product's own
// copy of its installer: each one's name and whether it runs as the system rather than as the
// one who installs.
struct ScriptAction {
    std::wstring name;
    bool asTheSystem = false;
};

inline std::vector<ScriptAction> InstalledScriptActions(const std::wstring& product) {
    std::vector<ScriptAction> actions;
    MSIHANDLE database = 0, view = 0, row = 0;
    const std::wstring package = ProductInfo(product, L"LocalPackage");
    const LPCWSTR readOnly = nullptr;  // MSIDBOPEN_READONLY, which <msiquery.h> gives as LPCTSTR
    if (MsiOpenDatabaseW(package.c_str(), readOnly, &database) == ERROR_SUCCESS &&
        MsiDatabaseOpenViewW(database, L"SELECT `Action`, `Type` FROM `CustomAction`", &view) ==
            ERROR_SUCCESS &&
        MsiViewExecute(view, 0) == ERROR_SUCCESS) {
        while (MsiViewFetch(view, &row) == ERROR_SUCCESS) {
            wchar_t name[MAX_PATH] = {};
            DWORD length = MAX_PATH;
            MsiRecordGetStringW(row, 1, name, &length);
            const int type = MsiRecordGetInteger(row, 2);
            if ((type & msidbCustomActionTypeInScript) != 0) {
                actions.push_back({name, (type & msidbCustomActionTypeNoImpersonate) != 0});
            }
            MsiCloseHandle(row);
        }
    }
    for (MSIHANDLE handle : {view, database}) {
        if (handle != 0) {
            MsiCloseHandle(handle);
        }
    }
    return actions;
}

// What the system shows for an indirect string ("@<file>,-<number>"), and what the program itself
// would show this user for that text.
inline std::wstring IndirectString(const std::wstring& reference) {
    wchar_t shown[256] = {};
    return SHLoadIndirectString(reference.c_str(), shown, 256, nullptr) == S_OK ? shown : L"?";
}
inline std::wstring ProgramsOwnText(const std::wstring& program, MessageId id) {
    const HMODULE tables = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (tables == nullptr) {
        return L"(no tables)";
    }
    std::wstring text = win32::Catalogue::ForUser(tables).text(id);
    FreeLibrary(tables);
    return text;
}

// Whether a PE file still holds a symbol table or debug sections (long section names, such as
// those of the debug sections, point into the symbol table's strings as "/<offset>").
inline bool HasSymbolsOrDebugSections(const std::string& file) {
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

}  // namespace tbr::testing
