// Carrying a replaced file's extended attributes and access control list over to the new file,
// with the system's libraries: libacl copies the list (and with it the permission bits, which
// the system keeps in step with it), libattr the attributes that pass IsCopiedAttribute.
#include "document/keep_metadata_posix.h"

#include <acl/libacl.h>
#include <attr/libattr.h>
#include <fcntl.h>
#include <sys/acl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace tbr {
namespace {

// user.* and security.* attributes; not security.ima and security.evm, which hold a hash or
// signature of the old content and metadata: on the new content they would not verify, and a
// system that checks them would refuse to open the document. The list (system.*) is not one.
int IsCopiedAttribute(const char* name, struct error_context* /*context*/) {
    const std::string_view attribute(name);
    if (attribute == "security.ima" || attribute == "security.evm") {
        return 0;
    }
    return attribute.starts_with("user.") || attribute.starts_with("security.") ? 1 : 0;
}

// Gives file the list that mode alone describes, which removes any list it has (one inherited
// from the folder's default list). True when file has none afterwards.
bool RemoveList(int file, mode_t mode) {
    const acl_t bits = ::acl_from_mode(mode);
    const bool removed = bits != nullptr && (::acl_set_fd(file, bits) == 0 || errno == ENOTSUP);
    ::acl_free(bits);
    return removed;
}

}  // namespace

int KeepMetadata(int folder, const char* name, const struct stat& old, int file) {
    struct stat now = {};
    if (::fstat(file, &now) != 0) {
        return errno;
    }
    // Opened for reading its attributes only, never through a link, never blocking on a FIFO that
    // took the file's place; and only when it is still the file that was looked at.
    int source;
    do {
        source = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (source < 0 && errno == EINTR);
    struct stat opened = {};
    if (source >= 0 && (::fstat(source, &opened) != 0 || opened.st_dev != old.st_dev ||
                        opened.st_ino != old.st_ino)) {
        ::close(source);
        source = -1;
    }

    // The list names the owning group's access; in another group's hands it would give that
    // group what it never had. Then the permission bits alone decide (KeepAccess limited them).
    const bool groupKept = now.st_gid == old.st_gid;
    const bool listCopied =
        groupKept && source >= 0 && ::perm_copy_fd(name, source, name, file, nullptr) == 0;
    // Where the old list is unknown, it may have given the group less than its bits say: the
    // group bits are cleared, which gives every group and named entry nothing.
    const bool restrict = !listCopied && (!RemoveList(file, now.st_mode) || groupKept);
    if (source >= 0) {
        // Not permitted (security.* for most users) or not kept here: passed over.
        static_cast<void>(::attr_copy_fd(name, source, name, file, IsCopiedAttribute, nullptr));
        ::close(source);
    }
    if (restrict && ::fchmod(file, now.st_mode & 0707) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace tbr
