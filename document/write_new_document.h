// Writes a new document so that the user never ends up with a partial file: either the old file
// at the target stays exactly as it was, or the complete new document replaces it.
#pragma once

#include <string>

#include "common/os_error.h"

namespace tbr {

// Writes the 2291 bytes of a new document to targetPath (UTF-8), replacing whatever file is
// there. Refuses folders and special files. On failure nothing at targetPath has changed and no
// temporary file is left behind.
//
// - The error carries the OS error number, a message naming the step and the OS's description,
//   and the source "WriteNewDocument". It shows nothing itself.
// - Success means the complete document is in place and, unless the disk failed to flush the
//   folder after the rename, will survive a power cut. A failed folder flush is not reported:
//   by then the old file is already gone and the new one is there.
// - A symbolic link at targetPath is replaced by the document; where it pointed is never touched.
// - The document gets the permissions of any new file (0666 less the umask), also when it
//   replaces a file that had others.
// - A process killed half-way can leave a temporary file (".tbrwiz-" and six letters or digits)
//   in the folder, never a partial document at targetPath.
Status WriteNewDocument(const std::string& targetPath);

// True when anything at all (file, folder, link, even a dangling one) exists at path.
bool SomethingExistsAt(const std::string& path);

}  // namespace tbr
