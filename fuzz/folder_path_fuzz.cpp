// The typed folder text and the folder rules: the folder that Finish writes into when the user
// typed one (trimmed, taken as it is when absolute, otherwise below the home folder).
//
// Input: one byte choosing the separator and the home folder, then the folder as typed (UTF-8).
// Properties:
// - the folder is absolute, as IsAbsoluteFolder says and as the system would take it: on Linux
//   it begins with '/'; on Windows the system's path rules (the stand-in GetFullPathNameW) give the
//   same folder whatever the current folder is;
// - an absolute folder is taken unchanged; a relative one lands below the home folder (on
//   Windows: below home, in the root of home's drive or share for "\x", or in the root of the
//   drive it names for "D:x").
#include <cstdint>

#include "common/wide_text_win32.h"
#include "fuzz/fuzz_support.h"
#include "wizard/create_wizard.h"
#include "wizard/folder_path.h"

namespace tbr::fuzz {
namespace {

// The folder as the system would resolve it with the current folder at `current`.
std::wstring Resolved(const std::string& folder, const wchar_t* current) {
    FuzzCurrentFolder() = current;
    return FullPathOf(WideText(folder));
}

bool TakenTheSameEverywhere(const std::string& folder) {
    return Resolved(folder, L"C:\\cwd\\") == Resolved(folder, L"D:\\elsewhere\\deeper\\");
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
