#include "shell/xdg_user_dirs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "shell/path_separator.h"

namespace tbr::xdg {
namespace {

constexpr std::string_view kUserDirsFile = "user-dirs.dirs";
// A user-dirs.dirs is a few hundred bytes; the cap only guards against a runaway file standing in
// its place.
constexpr std::size_t kMaxUserDirsBytes = 1 << 20;

void SkipBlanks(std::string_view& s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
}

bool Consume(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) {
        return false;
    }
    s.remove_prefix(prefix.size());
    return true;
}

// The text of a double-quoted shell word whose opening quote has been consumed, up to its closing
// quote; std::nullopt when the line ends first. Inside double quotes a backslash escapes only
// $ ` " and \; before any other character it stands for itself.
std::optional<std::string> ReadQuoted(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') {
            return out;
        }
        if (s[i] == '\\' && i + 1 < s.size() &&
            std::string_view("$`\"\\").find(s[i + 1]) != std::string_view::npos) {
            ++i;  // the escaped character stands for itself
        }
        out += s[i];
    }
    return std::nullopt;
}

// The value of one line when it is a usable XDG_<name>_DIR line.
std::optional<UserDirEntry> ParseLine(std::string_view line, std::string_view name) {
    SkipBlanks(line);
    if (!Consume(line, "XDG_") || !Consume(line, name) || !Consume(line, "_DIR")) {
        return std::nullopt;
    }
    for (const std::string_view mark : {"=", "\""}) {  // each after blanks
        SkipBlanks(line);
        if (!Consume(line, mark)) {
            return std::nullopt;
        }
    }
    // $HOME counts only as a whole word: "$HOME", "$HOME/...", never "$HOMEDIR/...". An escaped
    // \$HOME is a literal folder name and therefore not absolute.
    UserDirEntry entry;
    for (std::string_view home : {"$HOME", "${HOME}"}) {
        if (line.starts_with(home) && line.size() > home.size() &&
            (line[home.size()] == '/' || line[home.size()] == '"')) {
            line.remove_prefix(home.size());
            entry.relativeToHome = true;
            break;
        }
    }
    std::optional<std::string> value = ReadQuoted(line);
    if (!value || value->find('\0') != std::string::npos) {
        return std::nullopt;
    }
    if (!entry.relativeToHome && (value->empty() || !IsPathSeparator(value->front()))) {
        return std::nullopt;  // relative: meaningless to a program whose folder is not $HOME
    }
    entry.path = std::move(*value);
    return entry;
}

OsError Error(int code, std::string message) {
    return OsError{code, std::move(message), {}};
}

// The text of the file, or "" when it cannot be read: a missing file, one that is not a regular
// file (a folder, a device, a FIFO), one we may not read, or one too large to be a user-dirs
// file all count as no configuration, as the user-dirs convention says.
std::string ReadUserDirsFile(const std::string& path) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};  // not even opened: opening a device can have effects of its own
    }
    // O_NONBLOCK: should a FIFO be put in the file's place after the check, it must not hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    std::string text;
    char buffer[4096];
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    while (readable) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            readable = errno == EINTR;
            continue;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        readable = text.size() <= kMaxUserDirsBytes;
    }
    ::close(fd);
    return readable ? text : std::string{};
}

// The configuration folder, or "" when none can be named.
std::string ConfigDirectory(const Result<std::string>& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && IsPathSeparator(configHome[0])) {
        return configHome;
    }
    return home.ok() ? home.value() + "/.config" : std::string{};
}

}  // namespace

std::optional<UserDirEntry> FindUserDirEntry(std::string_view fileText, std::string_view name) {
    std::optional<UserDirEntry> found;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        const std::string_view line = fileText.substr(0, end);
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        if (std::optional<UserDirEntry> entry = ParseLine(line, name)) {
            found = std::move(entry);  // the shell would keep the last assignment, so do we
        }
    }
    return found;
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && IsPathSeparator(path.back())) {
        path.pop_back();
    }
    return path;
}

Result<std::string> HomeDirectory(std::string_view description) {
    const std::string what = "Cannot determine the " + std::string(description) + ": HOME is ";
    const char* home = std::getenv("HOME");
    if (home == nullptr) {
        return Error(ENOENT, what + "not set");
    }
    if (home[0] == '\0') {
        return Error(ENOENT, what + "empty");
    }
    if (!IsPathSeparator(home[0])) {
        return Error(ENOENT, what + "not an absolute path");
    }
    return WithoutTrailingSeparators(home);
}

Result<std::string> LookUpUserDir(const UserDir& dir) {
    Result<std::string> home = HomeDirectory(dir.description);
    std::optional<UserDirEntry> entry;
    if (const std::string configDir = ConfigDirectory(home); !configDir.empty()) {
        entry = FindUserDirEntry(ReadUserDirsFile(configDir + "/" + std::string(kUserDirsFile)),
                                 dir.name);
    }
    if (entry && !entry->relativeToHome) {
        return WithoutTrailingSeparators(std::move(entry->path));
    }
    if (!home.ok()) {
        return home.error();
    }
    // A home of "/" leaves "" here, so joining never doubles the separator.
    std::string path = home.value() == "/" ? std::string{} : home.value();
    path += entry ? entry->path : "/" + std::string(dir.fallbackLeaf);
    return path.empty() ? std::string(1, kPathSeparator) : WithoutTrailingSeparators(path);
}

}  // namespace tbr::xdg
