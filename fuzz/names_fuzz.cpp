// The typed name and the name rules: what the wizard refuses before anything is written
// (IsRefusedName), the path it composes from a name it takes (ComposeTargetPath), and the rules
// by which the Windows writer takes a path (IsAcceptableWindowsPath: reserved device names, names
// ending in a dot or a space, streams, wildcards), called here as they are. What the system
// itself then makes of a path is tested under Wine (tests/win32).
//
// Input: one byte choosing a folder, then the name as typed (UTF-8); or, when the input holds a
// NUL byte, a folder as typed before it (taken below the home folder when relative) and the name
// after it.
// Properties:
// - a name is refused by its characters: exactly when one of them is refused alone; with a
//   separator it always is, and spaces around it change nothing;
// - a name that is taken makes exactly one file name, the trimmed name and ".tbr", in the folder;
// - on Windows, the writer's rules judge each name of a path alone: a taken name in a folder they
//   take is taken exactly when the same name is in any other such folder, and a path of two names
//   exactly when each name is; letter case never matters; and no name they take ends in a dot or
//   a space or holds a character that Windows' documentation reserves (< > : " | ? * and
//   controls).
#include <algorithm>
#include <cstdint>

#include "document/windows_names.h"
#include "fuzz/fuzz_support.h"
#include "wizard/target_path.h"

namespace tbr::fuzz {
namespace {

// The part of path after its last separator.
std::string_view LastName(std::string_view path, std::string_view separators) {
    const std::size_t at = path.find_last_of(separators);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

void CheckRefusal(const std::string& name, char separator) {
    const bool refused = IsRefusedName(name, separator);
    const std::vector<std::string> characters = CharacterTexts(name);
    FUZZ_CHECK(refused == std::any_of(characters.begin(), characters.end(),
                                      [&](const auto& c) { return IsRefusedName(c, separator); }));
    FUZZ_CHECK(IsRefusedName(name + '/', separator) &&
               IsRefusedName(std::string(1, separator) + name, separator));
    FUZZ_CHECK(IsRefusedName(" " + name + "  ", separator) == refused);
}

void CheckLinux(const std::string& name, const std::string& folder) {
    CheckRefusal(name, '/');
    if (IsRefusedName(name, '/')) {
        return;
    }
    const std::string target = ComposeTargetPath(folder, name, '/');
    FUZZ_CHECK(target.starts_with(folder));
    FUZZ_CHECK(LastName(target, "/") == TrimSpaces(name) + kDocumentExtension);
    FUZZ_CHECK(target.size() ==
               folder.size() + (folder.ends_with('/') ? 0 : 1) + TrimSpaces(name).size() + 4);
}

// A folder that is a server without a share (\\server, \\?\UNC\server, and \\? which a separator
// turns into the "\\?\" prefix) or in the device namespace (\\.\ with either separator) holds no
// file: a name after it is the share's, which the writer leaves to the system, which reaches no
// server or share with it and creates nothing.
bool HoldsNoFile(std::string folder) {
    std::replace(folder.begin(), folder.end(), '/', '\\');
    folder += '\\';
    if (folder.starts_with("\\\\.\\") || folder == "\\\\?\\") {
        return true;
    }
    if (folder.starts_with("\\\\?\\UNC\\")) {
        folder.erase(0, 8);
    } else if (folder.starts_with("\\\\") && !folder.starts_with("\\\\?\\")) {
        folder.erase(0, 2);
    } else {
        return false;
    }
    while (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder.find('\\') == std::string::npos;
}

bool IsUtf8(const std::string& text) {
    const std::vector<char32_t> characters = Characters(text);
    return std::find(characters.begin(), characters.end(), kNotACharacter) == characters.end();
}

// Whether the Windows rules take path, given in UTF-8.
bool Taken(const std::string& path) {
    std::wstring wide;
    for (const char32_t c : Characters(path)) {
        wide += static_cast<wchar_t>(c);
    }
    return IsAcceptableWindowsPath(wide);
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

void CheckWindows(const std::string& name, const std::string& folder) {
    CheckRefusal(name, '\\');
    // Text that is no UTF-8 never reaches the rules: the writer refuses it first.
    if (IsRefusedName(name, '\\') || HoldsNoFile(folder) || !IsUtf8(name) || !IsUtf8(folder)) {
        return;
    }
    const std::string target = ComposeTargetPath(folder, name, '\\');
    const std::string fileName = TrimSpaces(name) + kDocumentExtension;
    FUZZ_CHECK(LastName(target, "\\/") == fileName);

    const std::string home = "C:\\Users\\owner\\";
    const bool nameTaken = Taken(home + fileName);
    FUZZ_CHECK(Taken(target) == (Taken(folder) && nameTaken));
    FUZZ_CHECK(Taken(home + Upper(fileName)) == nameTaken);
    const std::string stem = TrimSpaces(name);
    FUZZ_CHECK(Taken(home + stem + "\\" + fileName) == (Taken(home + stem) && nameTaken));
    for (const std::string& taken : {fileName, stem}) {
        if (taken != "." && taken != ".." && Taken(home + taken)) {
            FUZZ_CHECK(!taken.ends_with('.') && !taken.ends_with(' '));
            FUZZ_CHECK(std::none_of(taken.begin(), taken.end(), [](char c) {
                return static_cast<unsigned char>(c) < 32 ||
                       std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
            }));
        }
    }
}

// The folder Finish writes into when one was typed, as the wizard finds it.
std::string TypedFolder(std::string_view typed, const char* home, char separator) {
    return AbsoluteFolder(TrimSpaces(std::string(typed)), home, separator);
}

}  // namespace
}  // namespace tbr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tbr::fuzz;
    static const char* const kLinuxFolders[] = {"/home/owner/Desktop", "/", "/tmp/a b/"};
    static const char* const kWindowsFolders[] = {"C:\\Users\\owner\\Desktop", "D:\\Work\\",
                                                  "\\\\server\\share\\Docs",
                                                  "\\\\?\\C:\\Users\\owner", "C:/Users/owner/"};
    std::string_view input = AsText(data, size);
    const unsigned choice = TakeChoice(input);
    const std::size_t nul = input.find('\0');
    const std::string name(nul == std::string_view::npos ? input : input.substr(nul + 1));
    if (nul == std::string_view::npos) {
        CheckLinux(name, kLinuxFolders[choice % 3]);
        CheckWindows(name, kWindowsFolders[choice % 5]);
    } else {
        CheckLinux(name, TypedFolder(input.substr(0, nul), "/home/owner/", '/'));
        CheckWindows(name, TypedFolder(input.substr(0, nul), "C:\\Users\\owner\\", '\\'));
    }
    return 0;
}
