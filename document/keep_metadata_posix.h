// What a new file takes over from the regular file it replaces, besides its permission bits,
// owner and group (replace_file_posix.cpp): its extended attributes and its access control list.
// Used by the POSIX writer only.
#pragma once

#include <sys/stat.h>

namespace tbr {

// Gives `file`, the new file, the metadata of the regular file `old`, found as `name` in the open
// folder `folder`, where the file system keeps it and the process may set it:
// - user.* attributes, and security.* ones where the system permits (not security.ima and
//   security.evm, which seal the old content and would not match the new);
// - the access control list (system.posix_acl_access), when the new file kept the old group,
//   whose entry in the list it is; one that the new file inherited from the folder's default list
//   is removed, since the old file did not have it.
// The new file never gets more access than the old one had: where the list cannot be read or set,
// the new file's group bits are cleared, which gives every group and named entry nothing.
// Any other failure is passed over: a missing attribute never fails a write. Returns 0, or an
// errno when even that restriction failed.
int KeepMetadata(int folder, const char* name, const struct stat& old, int file);

}  // namespace tbr
