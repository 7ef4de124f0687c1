// The typed folder text and the folder rules: the folder that Finish writes into when the user
// typed one (trimmed, taken as it is when absolute, otherwise below the home folder).
//
// Input: one byte choosing the separator and the home folder, then the folder as typed (UTF-8).
// Properties:
// - the folder is absolute, as IsAbsoluteFolder says and as the system would take it: on Linux
//   it begins with '/'; on Windows it is the same folder whatever the current folder is, as
//   Windows' documented resolution of a path (Resolved below) finds it;
// - an absolute folder is taken unchanged; a relative one lands below the home folder (on
//   Windows: below home, in the root of home's drive or share for "\x", or in the root of the
//   drive it names for "D:x").
#include <algorithm>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "wizard/target_path.h"

namespace tbr::fuzz {
namespace {

// The folder Windows makes of path with the current folder at `current` ("C:\\cwd"), as its
// documentation describes the resolution of a path: '/' read as '\\', "." and ".." resolved; a
// "\\server\share" path from its share, "C:\\x" from drive C's root, "C:x" from the current folder
// if that is on drive C and from C's root otherwise, "\\x" from the current drive's root, "x"
// from the current folder; a "\\?\" path as it stands.
std::string Resolved(std::string path, const std::string& current) {
    if (path.starts_with("\\\\?\\")) {
        return path;
    }
    std::replace(path.begin(), path.end(), '/', '\\');
    std::string root = current.substr(0, 2);
    std::string rest = current.substr(2) + "\\" + path;
    if (path.starts_with("\\\\")) {
        const std::size_t server = std::min(path.find('\\', 2), path.size());
        const std::size_t share =
            std::min(path.find('\\', std::min(server + 1, path.size())), path.size());
        root = path.substr(0, share);
        rest = path.substr(share);
    } else if (path.size() >= 2 && path[1] == ':') {
        const bool fromCurrent = path.size() < 3 || path[2] != '\\';
        rest = (fromCurrent && current.starts_with(path.substr(0, 2)) ? current.substr(2) : "") +
               "\\" + path.substr(2);
        root = path.substr(0, 2);
    } else if (path.starts_with('\\')) {
        rest = path;
    }
    std::vector<std::string> names;
    for (const std::string& name : Split(rest, '\\')) {
        if (name == ".." && !names.empty()) {
            names.pop_back();
        } else if (!name.empty() && name != "." && name != "..") {
            names.push_back(name);
        }
    }
    for (const std::string& name : names) {
        root += "\\" + name;
    }
    return root;
}

bool TakenTheSameEverywhere(const std::string& folder) {
    return Resolved(folder, "C:\\cwd") == Resolved(folder, "D:\\elsewhere\\deeper");
}

void Check(const std::string& typed, const std::string& home, char separator) {
    const std::string trimmed = TrimSpaces(typed);
    const bool absolute = IsAbsoluteFolder(trimmed, separator);
    const std::string folder = AbsoluteFolder(trimmed, home, separator);
    FUZZ_CHECK(IsAbsoluteFolder(folder, separator));
    if (absolute) {
        FUZZ_CHECK(folder == trimmed);
    }
    if (separator == '/') {
        FUZZ_CHECK(folder.starts_with('/'));
        FUZZ_CHECK(absolute || folder.starts_with(home));
        return;
    }
    FUZZ_CHECK(!absolute || TakenTheSameEverywhere(trimmed));
    FUZZ_CHECK(TakenTheSameEverywhere(folder));
    const bool driveRelative = trimmed.size() >= 2 && trimmed[1] == ':';
    const bool rootRelative = !trimmed.empty() && (trimmed[0] == '\\' || trimmed[0] == '/');
    if (!absolute && !driveRelative && !rootRelative) {
        FUZZ_CHECK(folder.starts_with(home));
    }
}

}  // namespace
}  // namespace tbr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tbr::fuzz;
    static const char* const kLinuxHomes[] = {"/home/owner/", "/"};
    static const char* const kWindowsHomes[] = {"C:\\Users\\owner\\", "\\\\server\\users\\owner\\",
                                                "\\\\?\\C:\\Users\\owner\\",
                                                "\\\\?\\UNC\\server\\users\\owner\\"};
    std::string_view input = AsText(data, size);
    const unsigned choice = TakeChoice(input);
    const std::string typed(input);
    if (choice % 2 == 0) {
        Check(typed, kLinuxHomes[(choice / 2) % 2], '/');
    } else {
        Check(typed, kWindowsHomes[(choice / 2) % 4], '\\');
    }
    return 0;
}
