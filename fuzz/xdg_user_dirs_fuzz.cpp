// The user-dirs file ($XDG_CONFIG_HOME/user-dirs.dirs) and the folder looked up through it.
//
// Input: one byte choosing the folder asked for and the HOME variable, then the file's text.
// Properties:
// - an entry found is absolute, or the rest of a path below $HOME ("" or "/..."), and is one line;
// - the last usable line wins: a line appended to the file decides;
// - a folder written into a line as the shell quotes it (\ before $ ` " \) is read back exactly;
// - the lookup through the real file gives an absolute folder without a trailing separator (the
//   root stays "/"), and fails only when HOME is not an absolute path.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "shell/xdg_user_dirs.h"

namespace tbr::fuzz {
namespace {

const xdg::UserDir kDirs[] = {xdg::kDesktop, xdg::kDocuments, xdg::kMusic, xdg::kPictures,
                              xdg::kVideos};

std::string QuotedForTheShell(std::string_view text) {
    std::string quoted;
    for (const char c : text) {
        if (c == '$' || c == '`' || c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted;
}

void CheckEntry(const std::optional<xdg::UserDirEntry>& entry) {
    if (!entry) {
        return;
    }
    const std::string& path = entry->path;
    FUZZ_CHECK(path.find('\n') == std::string::npos && path.find('\0') == std::string::npos);
    FUZZ_CHECK(entry->relativeToHome ? path.empty() || path[0] == '/' : path.starts_with('/'));
}

void CheckParsing(std::string_view text, const xdg::UserDir& dir) {
    CheckEntry(xdg::FindUserDirEntry(text, dir.name));

    const std::string line = "XDG_" + std::string(dir.name) + "_DIR";
    const std::optional<xdg::UserDirEntry> last =
        xdg::FindUserDirEntry(std::string(text) + "\n" + line + "=\"/last\"\n", dir.name);
    FUZZ_CHECK(last && !last->relativeToHome && last->path == "/last");

    // The text as one folder name, without the line breaks and NULs that no line can hold.
    std::string folder = "/";
    for (const char c : text) {
        if (c != '\n' && c != '\0') {
            folder += c;
        }
    }
    const std::optional<xdg::UserDirEntry> exact =
        xdg::FindUserDirEntry(line + "=\"" + QuotedForTheShell(folder) + "\"\n", dir.name);
    FUZZ_CHECK(exact && !exact->relativeToHome && exact->path == folder);
    const std::optional<xdg::UserDirEntry> belowHome =
        xdg::FindUserDirEntry(line + "=\"$HOME" + QuotedForTheShell(folder) + "\"", dir.name);
    FUZZ_CHECK(belowHome && belowHome->relativeToHome && belowHome->path == folder);
}

// The configuration folder of this process, in memory where the system offers it; it exists only
// while one lookup reads it, so that no run leaves it behind.
const std::string& ConfigFolder() {
    static const std::string folder = [] {
        struct stat info = {};
        const bool memory = ::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode);
        return std::string(memory ? "/dev/shm" : "/tmp") + "/tbr-fuzz-xdg-" +
               std::to_string(::getpid());
    }();
    return folder;
}

void CheckLookUp(std::string_view text, const xdg::UserDir& dir, const char* home) {
    const std::string file = ConfigFolder() + "/user-dirs.dirs";
    FUZZ_CHECK(::mkdir(ConfigFolder().c_str(), 0700) == 0 || errno == EEXIST);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0 &&
               ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()));
    ::close(fd);
    ::setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
    if (home != nullptr) {
        ::setenv("HOME", home, 1);
    } else {
        ::unsetenv("HOME");
    }
    const Result<std::string> folder = xdg::LookUpUserDir(dir);
    const bool homeUsable = home != nullptr && home[0] == '/';
    FUZZ_CHECK(folder.ok() || !homeUsable);
    if (folder.ok()) {
        const std::string& path = folder.value();
        FUZZ_CHECK(path.starts_with('/') && (path == "/" || !path.ends_with('/')));
    } else {
        FUZZ_CHECK(folder.error().code == ENOENT);
    }
    ::unlink(file.c_str());
    ::rmdir(ConfigFolder().c_str());
}

}  // namespace
}  // namespace tbr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tbr::fuzz;
    static const char* const kHomes[] = {"/home/owner", "/",    "/home/owner//", "",
                                         "relative",    nullptr};
    std::string_view input = AsText(data, size);
    const unsigned choice = TakeChoice(input);
    const tbr::xdg::UserDir& dir = kDirs[choice % 5];
    CheckParsing(input, dir);
    CheckLookUp(input, dir, kHomes[(choice / 5) % 6]);
    return 0;
}
