// The one operating-system-specific step of writing a document: putting a complete file in place
// of whatever file is at a path, so that a failure or a crash leaves either the old file or the
// new one, never a mix. Implemented once per platform, together with WhatIsAt (target_kind.h), in
// replace_file_posix.cpp and replace_file_win32.cpp; CMake picks the file.
#pragma once

#include <span>
#include <string>

#include "common/os_error.h"

namespace tbr {

// Writes `content` to a new temporary file in the folder of targetPath, flushes it to the disk and
// renames it over targetPath. On Linux the folder is flushed after the rename. Windows documents no
// way to flush a folder: the file is flushed once more after the rename, and the file system's
// journal (NTFS) keeps the rename whole, but a power cut soon after success may bring back the old
// file instead of the new one; on a drive without a journal (FAT) nothing is promised after a power
// cut. On Windows the temporary file is hidden, and a step that another program's handle on a file
// refuses for a moment is tried again for about a second.
//
// - Before the rename, any failure removes the temporary file and leaves targetPath as it was.
// - A regular file at targetPath is replaced whole. A symbolic link at targetPath is itself
//   replaced by the new file; whatever it points at is never opened or changed.
// - A folder or a special file (FIFO, device, socket) at targetPath is refused.
// - A new file gets the permissions of any newly created file. On Linux, one that replaces a
//   regular file gets that file's permission bits, and its owner and group where the process may
//   set them; where the group cannot be kept, no bit beyond those of a new file is given. It also
//   gets that file's extended attributes (user.*, and security.* where permitted) and access
//   control list, where the file system keeps them, and nothing from the folder's default list
//   that the old file did not have (keep_metadata_posix.h); it never gets more access than the
//   old file gave, and a missing attribute never fails the write. On Windows it gets the
//   permissions a new file inherits in its folder: the old file's owner, access control list,
//   hidden flag, alternate data streams and extended attributes are not carried over, and its
//   creation time is kept only where the file system does so by itself.
// - After a successful replace, temporary files of ours (content.size() bytes at most) that a
//   killed write left in the folder and that have not changed for an hour are removed.
// - A failed flush after the rename is not reported as a failure: the complete new file is in
//   place by then and the old one is gone, so "failed" would be false.
// - On Windows, a file at targetPath is replaced only where the writer sees one; where it cannot
//   tell (access to the name denied and the folder not to be listed), the rename may only create,
//   and a file there fails the write. An error that the rename reports after it took place (on a
//   network share, behind a filter driver) is a success: the new file is in place. The temporary
//   file is deleted only while it still bears its temporary name.
//
// `source` names the caller in the returned error.
Status ReplaceFileDurably(const std::string& targetPath, std::span<const unsigned char> content,
                          const char* source);

}  // namespace tbr
