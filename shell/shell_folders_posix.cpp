#include "shell/shell_folders.h"

#include "shell/path_separator.h"
#include "shell/xdg_user_dirs.h"

namespace tbr {
namespace {

// The identifiers of the Windows shell that have a plain counterpart here. Everything else,
// including the shell's virtual folders (the desktop namespace, the drives, the control panel),
// has no folder on this system.
constexpr int kCsidlPersonal = 0x05;  // the user's documents
constexpr int kCsidlMyMusic = 0x0d;
constexpr int kCsidlMyVideo = 0x0e;
constexpr int kCsidlMyPictures = 0x27;

// The folder's path, "" when the identifier has no folder here, or the lookup's error.
Result<std::string> LookUp(int csidl) {
    switch (csidl) {
        case kCsidlDesktopDirectory:
            return xdg::LookUpUserDir(xdg::kDesktop);
        case kCsidlPersonal:
            return xdg::LookUpUserDir(xdg::kDocuments);
        case kCsidlMyMusic:
            return xdg::LookUpUserDir(xdg::kMusic);
        case kCsidlMyVideo:
            return xdg::LookUpUserDir(xdg::kVideos);
        case kCsidlMyPictures:
            return xdg::LookUpUserDir(xdg::kPictures);
        case kCsidlProfile:
            return xdg::HomeDirectory("home folder");
        default:
            return std::string{};
    }
}

// What a lookup found, or its error as raised by source.
Result<std::string> Found(Result<std::string> found, const char* source) {
    if (!found.ok()) {
        OsError error = found.error();
        error.source = source;
        return error;
    }
    return found;
}

}  // namespace

// The owner window matters only to the Windows shell.
Result<std::string> GetDesktopDirectory(WindowHandle /*owner*/) {
    return Found(xdg::LookUpUserDir(xdg::kDesktop), "GetDesktopDirectory");
}

Result<std::string> cSpecialFolders::GetSpecialFolder(int csidl) const {
    Result<std::string> folder = Found(LookUp(csidl), "cSpecialFolders::GetSpecialFolder");
    if (!folder.ok()) {
        return folder;
    }
    return WithTrailingSeparator(std::move(folder).value());
}

}  // namespace tbr
