// Replacing a file without ever losing data, on POSIX systems:
//   temporary file in the target's folder -> the old file's permissions, owner, group, extended
//   attributes and access control list -> write all -> fsync -> close -> rename over the target
//   -> fsync the folder.
// Every step goes through a descriptor of the folder, so the folder that was checked is the one
// written to, and a link at the target is never followed: the target's own name is opened only to
// read the attributes of the regular file there (keep_metadata_posix.cpp).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string_view>
#include <utility>

#include "document/keep_metadata_posix.h"
#include "document/replace_file.h"
#include "document/target_kind.h"
#include "document/temporary_name.h"

namespace tbr {
namespace {

// Owns a file descriptor; closes it (ignoring the result) unless released first.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

OsError Failure(int code, const char* source, const std::string& what) {
    return OsError{code, what + ": " + std::strerror(code), source};
}

// The folder and the name: "a/b/c.tbr" -> "a/b" and "c.tbr"; "c.tbr" -> "." and "c.tbr"; "/c.tbr"
// -> "/" and "c.tbr". A path that ends in '/' gives an empty name.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}

// Makes a system call (-1 and errno on failure) again while a signal interrupts it; returns its
// last result.
template <typename Call>
int Retrying(Call call) {
    int rc = 0;
    do {
        rc = call();
    } while (rc < 0 && errno == EINTR);
    return rc;
}

// Creates a new, empty temporary file in the folder with the permissions of any new file
// (0666 less the umask). Returns the descriptor, or -1 with errno set.
int CreateTemporaryFile(int folder, std::string& name) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        name = TemporaryName(static_cast<std::uint64_t>(now.tv_nsec) ^
                             (static_cast<std::uint64_t>(now.tv_sec) << 30) ^
                             (static_cast<std::uint64_t>(::getpid()) << 40) ^
                             (static_cast<std::uint64_t>(attempt) * 0x9E3779B97F4A7C15ULL));
        const int fd = Retrying([&] {
            return ::openat(folder, name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        });
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Gives the new file the permission bits of the regular file it replaces, and its owner and group
// where the process may set them (root always; anyone else a group they belong to). Where the
// group cannot be kept, the bits that the old group had would go to another group: then no bit
// beyond those of any new file is given. Returns 0, or an errno when the new file would end up
// more open than the old one.
int KeepAccess(int fd, const struct stat& old) {
    struct stat now = {};
    if (::fstat(fd, &now) != 0) {
        return errno;
    }
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not allowed to give the file away: at least the group, where the user belongs to
            // it. What was kept is read back below either way.
            const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
            static_cast<void>(groupKept);
        }
        if (::fstat(fd, &now) != 0) {
            return errno;
        }
    }
    const mode_t created = now.st_mode & 0777;
    mode_t wanted = old.st_mode & 0777;
    if (now.st_gid != old.st_gid) {
        wanted &= created;
    }
    if (created == wanted || ::fchmod(fd, wanted) == 0) {
        return 0;
    }
    const int code = errno;
    return (created & ~wanted) != 0 ? code : 0;  // only stricter than wanted is acceptable
}

// Removes the temporary files that killed writes left in the folder: regular files of ours by
// name and owner, no larger than the content, unchanged for an hour. A younger one may belong to
// another copy of the program writing right now. Best effort: nothing here can fail the write.
void RemoveStaleTemporaryFiles(int folder, std::size_t largest) {
    constexpr time_t kStaleAfterSeconds = 60 * 60;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) {
        return;
    }
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(entries)) {
        struct stat info = {};
        if (IsTemporaryName(entry->d_name) &&
            ::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            static_cast<std::size_t>(info.st_size) <= largest &&
            now - info.st_mtime >= kStaleAfterSeconds) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

// Writes all bytes, carrying on after interruptions and short writes. Returns 0 or an errno.
int WriteAll(int fd, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        } else if (written == 0) {
            return EIO;  // no progress at all: never loop forever
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

int SyncRetrying(int fd) {
    return Retrying([fd] { return ::fsync(fd); }) == 0 ? 0 : errno;
}

// Writes, flushes and closes the temporary file. Returns 0, or the errno of the failing step and
// the step's description in `what`.
int FillAndClose(Descriptor& file, std::span<const unsigned char> content, const char*& what) {
    if (const int error = WriteAll(file.get(), content); error != 0) {
        what = "Cannot write the temporary file";
        return error;
    }
    if (const int error = SyncRetrying(file.get()); error != 0) {
        what = "Cannot flush the temporary file to the disk";
        return error;
    }
    // On Linux the descriptor is gone even when close() reports EINTR, and the data is already
    // on the disk; every other close error counts.
    if (::close(file.release()) != 0 && errno != EINTR) {
        what = "Cannot close the temporary file";
        return errno;
    }
    return 0;
}

}  // namespace

Status ReplaceFileDurably(const std::string& targetPath, std::span<const unsigned char> content,
                          const char* source) {
    if (targetPath.empty()) {
        return Failure(ENOENT, source, "The path is empty");
    }
    if (targetPath.find('\0') != std::string::npos) {
        // The system would silently cut the path at the NUL and write somewhere else.
        return Failure(EINVAL, source, "The path holds a NUL character");
    }
    const auto [folderPath, name] = SplitPath(targetPath);
    if (name.empty()) {
        return Failure(EISDIR, source, "'" + targetPath + "' names a folder");
    }

    Descriptor folder(Retrying(
        [path = folderPath.c_str()] { return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (!folder.valid()) {
        const int code = errno;  // read before building the message can touch it
        return Failure(code, source, "Cannot open the folder '" + folderPath + "'");
    }

    struct stat existing = {};
    if (::fstatat(folder.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            return Failure(EISDIR, source, "'" + targetPath + "' is a folder");
        }
        if (!S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode)) {
            return Failure(EINVAL, source,
                           "'" + targetPath + "' is a FIFO, device or socket, not a regular file");
        }
    } else if (const int code = errno; code != ENOENT) {
        return Failure(code, source, "Cannot look at '" + targetPath + "'");
    }

    const bool replacesFile = S_ISREG(existing.st_mode);

    std::string temporaryName;
    Descriptor file(CreateTemporaryFile(folder.get(), temporaryName));
    if (!file.valid()) {
        const int code = errno;
        return Failure(code, source, "Cannot create a temporary file in '" + folderPath + "'");
    }

    const char* what = "";
    int error = replacesFile ? KeepAccess(file.get(), existing) : 0;
    if (error == 0 && replacesFile) {
        error = KeepMetadata(folder.get(), name.c_str(), existing, file.get());
    }
    if (error != 0) {
        what = "Cannot give the new file the permissions of the old one";
    } else {
        error = FillAndClose(file, content, what);
    }
    if (error == 0 &&
        ::renameat(folder.get(), temporaryName.c_str(), folder.get(), name.c_str()) != 0) {
        error = errno;
        what = "Cannot put the new file in place";
    }
    if (error != 0) {
        ::unlinkat(folder.get(), temporaryName.c_str(), 0);  // the old file stays as it was
        return Failure(error, source, std::string(what) + " ('" + targetPath + "')");
    }

    // The complete new file is in place and the old one is gone. Flushing the folder makes the
    // rename survive a power cut. If that flush fails, reporting "failed" would be wrong: the
    // user would believe the old file still there. The new file's data is on the disk already,
    // so at worst a power cut right now brings back the old file whole, never a partial one.
    (void)SyncRetrying(folder.get());
    RemoveStaleTemporaryFiles(folder.get(), content.size());
    return {};
}

TargetKind WhatIsAt(const std::string& path) {
    struct stat info = {};
    if (path.empty() || path.find('\0') != std::string::npos || ::lstat(path.c_str(), &info) != 0) {
        return TargetKind::Nothing;
    }
    return S_ISREG(info.st_mode) || S_ISLNK(info.st_mode) ? TargetKind::ReplaceableFile
                                                          : TargetKind::Unreplaceable;
}

}  // namespace tbr
