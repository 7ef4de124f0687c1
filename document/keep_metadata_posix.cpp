// Carrying a replaced file's extended attributes and access control list over to the new file.
// The list travels as the raw system.posix_acl_access attribute: the system itself keeps it in
// step with the permission bits, so nothing here needs to read what it says.
#include "document/keep_metadata_posix.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace tbr {
namespace {

constexpr char kAccessList[] = "system.posix_acl_access";

// The attributes copied besides the list. security.ima and security.evm hold a hash or signature
// of the old content and metadata: on the new content they would not verify, and a system that
// checks them would refuse to open the document.
bool IsCopiedAttribute(std::string_view name) {
    if (name == "security.ima" || name == "security.evm") {
        return false;
    }
    return name.starts_with("user.") || name.starts_with("security.");
}

// What a query of the old file gave: the text, std::nullopt for nothing there, or a failure.
struct Reading {
    bool failed = false;
    std::optional<std::string> text;
};

// Asks query(buffer, size) twice, first for the size, then for the text; tries again when the
// text grew in between. ENODATA (no such attribute) and ENOTSUP (a file system without
// attributes) are "nothing there".
template <typename Query>
Reading Read(Query query) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = query(nullptr, 0);
        if (size < 0) {
            return {errno != ENODATA && errno != ENOTSUP, std::nullopt};
        }
        std::string text(static_cast<std::size_t>(size), '\0');
        const ssize_t got = size == 0 ? 0 : query(text.data(), text.size());
        if (got >= 0) {
            text.resize(static_cast<std::size_t>(got));
            return {false, std::move(text)};
        }
        if (errno != ERANGE) {
            return {errno != ENODATA && errno != ENOTSUP, std::nullopt};
        }
    }
    return {true, std::nullopt};
}

Reading ReadAttribute(int fd, const char* name) {
    return Read(
        [fd, name](char* buffer, std::size_t size) { return ::fgetxattr(fd, name, buffer, size); });
}

// Copies the user.* and security.* attributes of source onto file, each as far as permitted.
void CopyAttributes(int source, int file) {
    const Reading names = Read(
        [source](char* buffer, std::size_t size) { return ::flistxattr(source, buffer, size); });
    std::string_view list = names.text ? std::string_view(*names.text) : std::string_view();
    while (!list.empty()) {
        const std::string name(list.substr(0, list.find('\0')));
        list.remove_prefix(std::min(list.size(), name.size() + 1));
        if (!IsCopiedAttribute(name)) {
            continue;
        }
        const Reading value = ReadAttribute(source, name.c_str());
        if (value.text) {
            // Not permitted (security.* for most users) or not kept here: passed over.
            static_cast<void>(
                ::fsetxattr(file, name.c_str(), value.text->data(), value.text->size(), 0));
        }
    }
}

// Removes the list that file has (one inherited from the folder's default list). True when file
// has none afterwards.
bool RemoveList(int file) {
    return ::fremovexattr(file, kAccessList) == 0 || errno == ENODATA || errno == ENOTSUP;
}

}  // namespace

int KeepMetadata(int folder, const char* name, const struct stat& old, int file) {
    struct stat now {};
    if (::fstat(file, &now) != 0) {
        return errno;
    }
    // Opened for reading its attributes only, never through a link, never blocking on a FIFO that
    // took the file's place; and only when it is still the file that was looked at.
    int source;
    do {
        source = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (source < 0 && errno == EINTR);
    struct stat opened {};
    if (source >= 0 && (::fstat(source, &opened) != 0 || opened.st_dev != old.st_dev ||
                        opened.st_ino != old.st_ino)) {
        ::close(source);
        source = -1;
    }

    // The list names the owning group's access; in another group's hands it would give that
    // group what it never had. Then the permission bits alone decide (KeepAccess limited them).
    const bool groupKept = now.st_gid == old.st_gid;
    const Reading list = source >= 0 ? ReadAttribute(source, kAccessList) : Reading{true, {}};
    bool listSet = false;
    bool restrict = false;
    if (groupKept && list.text) {
        listSet = ::fsetxattr(file, kAccessList, list.text->data(), list.text->size(), 0) == 0;
        restrict = !listSet;
    } else if (groupKept && list.failed) {
        restrict = true;  // unknown: it may have given the group less than its bits say
    }
    if (!listSet && !RemoveList(file)) {
        restrict = true;
    }
    if (source >= 0) {
        CopyAttributes(source, file);
        ::close(source);
    }
    if (restrict && ::fchmod(file, now.st_mode & 0707) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace tbr
