// Writes a new document so that the user never ends up with a partial file: either the old file
// at the target stays exactly as it was, or the complete new document replaces it.
#pragma once

#include <string>

#include "common/os_error.h"

namespace tbr {

// Writes the 2291 bytes of a new document to targetPath (UTF-8), replacing whatever file is
// there. Refuses folders and special files. On failure nothing at targetPath has changed and no
// temporary file is left behind.
Status WriteNewDocument(const std::string& targetPath);

// True when anything at all (file, folder, link, even a dangling one) exists at path.
bool SomethingExistsAt(const std::string& path);

}  // namespace tbr
