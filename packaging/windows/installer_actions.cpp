// The installer's own custom action, in a DLL that the .msi carries (tbrwiz.wxs): what Windows
// Installer's registry searches cannot tell, because they read values and never whether a key
// is there. FindTypeKeys runs before anything is installed or removed and sets:
//   TBR_TYPE_KEY       "" where our classes have no .tbr key, "ours" where it holds nothing but
//                      what this installer writes, "shared" where it holds anything else;
//   TBR_NEW_MENU_FOUND "1" where Explorer's New menu has an entry for .tbr that is not ours:
//                      .tbr\ShellNew or .tbr\<owner>\ShellNew, in the user's classes or the
//                      machine's, for any owner that either names.
// Our classes are the user's where TBR_FOR_THE_USER is set, otherwise the machine's; our
// template is TBR_OWN_TEMPLATE. Everything else of the installation is the .msi's.
#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kClasses[] = L"SOFTWARE\\Classes\\";
constexpr wchar_t kProgId[] = L"Tambrel.Document";

std::wstring Property(MSIHANDLE install, const wchar_t* name) {
    wchar_t empty[1] = {};
    DWORD length = 0;
    if (MsiGetPropertyW(install, name, empty, &length) != ERROR_MORE_DATA) {
        return {};
    }
    std::wstring value(++length, L'\0');
    MsiGetPropertyW(install, name, value.data(), &length);
    value.resize(length);
    return value;
}

// An open key of the 64-bit registry, closed with the object.
class Key {
  public:
    Key(HKEY root, const std::wstring& path) {
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key_) !=
            ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }

    bool exists() const { return key_ != nullptr; }

    // The key's value names ("" for the default) and the names of its subkeys.
    std::vector<std::wstring> valueNames() const { return namesOf(true); }
    std::vector<std::wstring> subkeyNames() const { return namesOf(false); }

    // A text value, or "" where there is none.
    std::wstring text(const wchar_t* name) const {
        wchar_t value[1024] = {};
        DWORD size = sizeof(value) - sizeof(wchar_t);
        if (key_ == nullptr || RegGetValueW(key_, nullptr, name, RRF_RT_REG_SZ, nullptr, value,
                                            &size) != ERROR_SUCCESS) {
            return {};
        }
        return value;
    }

  private:
    std::vector<std::wstring> namesOf(bool values) const {
        std::vector<std::wstring> names;
        for (DWORD i = 0; key_ != nullptr; ++i) {
            wchar_t name[256] = {};
            DWORD length = 256;
            const LSTATUS status =
                values ? RegEnumValueW(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr)
                       : RegEnumKeyExW(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) {
                break;
            }
            names.emplace_back(name, length);
        }
        return names;
    }

    HKEY key_ = nullptr;
};

bool SameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Whether a key holds exactly the values named, and no subkey.
bool HoldsOnly(const Key& key, const std::vector<std::wstring>& names) {
    for (const std::wstring& name : key.valueNames()) {
        bool known = false;
        for (const std::wstring& allowed : names) {
            known = known || SameText(name, allowed);
        }
        if (!known) {
            return false;
        }
    }
    return key.subkeyNames().empty();
}

// Whether a ShellNew key is ours: it names our template and nothing else.
bool IsOurNewMenu(const Key& shellNew, const std::wstring& ownTemplate) {
    return shellNew.exists() && HoldsOnly(shellNew, {L"FileName"}) &&
           SameText(shellNew.text(L"FileName"), ownTemplate);
}

// Whether our .tbr key holds nothing but what this installer writes: the default naming our
// ProgID, our ProgID under OpenWithProgids, our New menu entry.
bool HoldsOnlyOurs(HKEY classes, const std::wstring& ownTemplate) {
    const std::wstring type = std::wstring(kClasses) + L".tbr";
    const Key key(classes, type);
    for (const std::wstring& name : key.valueNames()) {
        if (!name.empty() || !SameText(key.text(nullptr), kProgId)) {
            return false;
        }
    }
    for (const std::wstring& subkey : key.subkeyNames()) {
        const Key inner(classes, type + L"\\" + subkey);
        const bool ours = SameText(subkey, L"OpenWithProgids")
                              ? HoldsOnly(inner, {kProgId})
                              : SameText(subkey, L"ShellNew") && IsOurNewMenu(inner, ownTemplate);
        if (!ours) {
            return false;
        }
    }
    return true;
}

bool OtherNewMenuFound(HKEY ownClasses, bool forTheUser, const std::wstring& ownTemplate) {
    const std::wstring type = std::wstring(kClasses) + L".tbr";
    const Key own(ownClasses, type + L"\\ShellNew");
    if (own.exists() && !IsOurNewMenu(own, ownTemplate)) {
        return true;
    }
    std::vector<HKEY> places = {HKEY_LOCAL_MACHINE};
    if (forTheUser) {
        places.push_back(HKEY_CURRENT_USER);
        if (Key(HKEY_LOCAL_MACHINE, type + L"\\ShellNew").exists()) {
            return true;  // the machine's, which the user's would hide
        }
    }
    for (HKEY owners : places) {
        const std::wstring owner = Key(owners, type).text(nullptr);
        for (HKEY classes : places) {
            if (!owner.empty() && Key(classes, type + L"\\" + owner + L"\\ShellNew").exists()) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall FindTypeKeys(MSIHANDLE install) {
    const bool forTheUser = !Property(install, L"TBR_FOR_THE_USER").empty();
    const std::wstring ownTemplate = Property(install, L"TBR_OWN_TEMPLATE");
    const HKEY classes = forTheUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    const wchar_t* typeKey = L"";
    if (Key(classes, std::wstring(kClasses) + L".tbr").exists()) {
        typeKey = HoldsOnlyOurs(classes, ownTemplate) ? L"ours" : L"shared";
    }
    const bool found = OtherNewMenuFound(classes, forTheUser, ownTemplate);
    if (MsiSetPropertyW(install, L"TBR_TYPE_KEY", typeKey) != ERROR_SUCCESS ||
        MsiSetPropertyW(install, L"TBR_NEW_MENU_FOUND", found ? L"1" : L"") != ERROR_SUCCESS) {
        return ERROR_INSTALL_FAILURE;
    }
    return ERROR_SUCCESS;
}
