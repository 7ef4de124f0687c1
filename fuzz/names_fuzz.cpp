// The typed name and the name rules: what the wizard refuses before anything is written
// (IsRefusedName), the path it composes from a name it takes (ComposeTargetPath), and on Windows
// what the writer then takes (DocumentPath: reserved device names, names ending in a dot or a
// space, streams, wildcards), built here on the stand-in of the Windows calls it makes.
//
// Input: one byte choosing a folder, then the name as typed (UTF-8); or, when the input holds a
// NUL byte, a folder as typed before it (taken below the home folder when relative) and the name
// after it.
// Properties:
// - a name is refused exactly when it holds a separator, a C0 or C1 control, DEL, or a
//   bidirectional embedding, override or isolate, read as characters here;
// - a name that is taken makes exactly one file name, the trimmed name and ".tbr", in the folder;
// - on Windows, a path the writer takes is absolute, its file is that same file name, and
//   Windows' own path rules (trailing dots and spaces dropped, device names) rename nothing in
//   it; the file name holds no character that Windows refuses.
#include <algorithm>
#include <cstdint>

#include "document/document_path_win32.h"
#include "fuzz/fuzz_support.h"
#include "wizard/create_wizard.h"
#include "wizard/folder_path.h"

namespace tbr::fuzz {
namespace {

bool HoldsRefusedCharacter(std::string_view name, char separator) {
    for (const char32_t c : Characters(name)) {
        if (c == U'/' || c == static_cast<char32_t>(separator) || c < 0x20 ||
            (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
            (c >= 0x2066 && c <= 0x2069)) {
            return true;
        }
    }
    return false;
}

// The part of path after its last separator.
std::string_view LastName(std::string_view path, std::string_view separators) {
    const std::size_t at = path.find_last_of(separators);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

void CheckLinux(const std::string& name, const std::string& folder) {
    const bool refused = IsRefusedName(name, '/');
    FUZZ_CHECK(refused == HoldsRefusedCharacter(name, '/'));
    if (refused) {
        return;
    }
    const std::string target = ComposeTargetPath(folder, name, '/');
    FUZZ_CHECK(target.starts_with(folder));
    FUZZ_CHECK(LastName(target, "/") == TrimSpaces(name) + kDocumentExtension);
    FUZZ_CHECK(target.size() ==
               folder.size() + (folder.ends_with('/') ? 0 : 1) + TrimSpaces(name).size() + 4);
}

// A folder that is a server without a share (\\server, \\?\UNC\server) or in the device
// namespace (\\.\ with either separator) holds no file: the writer's rules leave such a path to
// the system, which reaches no server or share with it and creates nothing.
bool HoldsNoFile(std::string folder) {
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder.starts_with("\\\\.\\")) {
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

void CheckWindows(const std::string& name, const std::string& folder) {
    const bool refused = IsRefusedName(name, '\\');
    FUZZ_CHECK(refused == HoldsRefusedCharacter(name, '\\'));
    if (refused) {
        return;
    }
    const std::string target = ComposeTargetPath(folder, name, '\\');
    const std::string fileName = TrimSpaces(name) + kDocumentExtension;
    FUZZ_CHECK(LastName(target, "\\/") == fileName);

    const Result<std::wstring> path = DocumentPath(target, "fuzz");
    if (!path) {
        FUZZ_CHECK(path.error().code == static_cast<int>(ERROR_INVALID_NAME));
        return;
    }
    if (HoldsNoFile(folder)) {
        return;
    }
    const std::wstring& full = path.value();
    FUZZ_CHECK(full.starts_with(L"\\\\?\\"));
    const Result<std::wstring> wideName = WideFromUtf8(fileName, "fuzz");
    FUZZ_CHECK(wideName.ok());
    FUZZ_CHECK(full.ends_with(L"\\" + wideName.value()));
    FUZZ_CHECK(FullPathOf(WideText(target)) == FullPathOf(WideText(target), false));
    for (const wchar_t c : wideName.value()) {
        FUZZ_CHECK(c >= 32 && std::wstring_view(L"<>:\"|?*\\/").find(c) == std::wstring_view::npos);
    }
    FUZZ_CHECK(!fileName.ends_with('.') && !fileName.ends_with(' '));
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
