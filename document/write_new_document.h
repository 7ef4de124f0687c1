// Writes a new document so that the user never ends up with a partial file: either the old file
// at the target stays exactly as it was, or the complete new document replaces it.
#pragma once

#include <string>

#include "common/os_error.h"
#include "document/target_kind.h"  // WhatIsAt: what the writer finds at a path

namespace tbr {

// Writes the 2291 bytes of a new document to targetPath (UTF-8), replacing whatever file is
// there. Refuses folders and special files. On failure nothing at targetPath has changed and no
// temporary file is left behind.
//
// - The error carries the OS error number, a message naming the step and the OS's description,
//   and the source "WriteNewDocument". It shows nothing itself.
// - Success means the complete document is in place. On Linux it will also survive a power cut,
//   unless the disk failed to flush the folder after the rename (not reported: by then the old
//   file is already gone and the new one is there). Windows documents no folder flush: after a
//   power cut soon after success the folder may hold the old document instead, whole, on a drive
//   with a journal (NTFS); on one without (FAT) nothing is promised.
// - A symbolic link at targetPath is replaced by the document; where it pointed is never touched.
// - A new document gets the permissions of any new file. On Linux one that replaces a file keeps
//   that file's permissions, extended attributes and access control list and, where the process
//   may set them, its owner and group, never with more access than the old file gave. On Windows
//   it gets what a new file in its folder inherits; the old file's access control list, hidden
//   flag, alternate data streams and extended attributes are not kept, its creation time only
//   where the file system keeps it by itself.
// - On Windows, a file that another program (a virus scanner, a sync client, the preview pane)
//   holds open for a moment is waited for, about a second at most; held longer, the write fails
//   as above.
// - A process killed half-way can leave a temporary file (".tbrwiz-" and six letters or digits,
//   hidden on Windows) in the folder, never a partial document at targetPath. Such files of ours
//   that have not changed for an hour are removed by the next write into the folder; a fresh one is
//   left alone, as another copy of the program may be writing it.
Status WriteNewDocument(const std::string& targetPath);

}  // namespace tbr
