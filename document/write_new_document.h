// Writes a new document so that the user never ends up with a partial file: either the old file
// at the target stays exactly as it was, or the complete new document replaces it.
#pragma once

#include <string>

#include "common/os_error.h"
#include "document/target_kind.h"  // WhatIsAt: what the writer finds at a path

namespace tbr {

// Writes the 2291 bytes of a new document to targetPath (UTF-8), replacing whatever file is
// there, as ReplaceFileDurably does (replace_file.h: what is kept of a replaced file, what a
// failure, a power cut or a killed process leaves, and what each system promises). The error
// carries the OS error number, a message naming the step and the OS's description, and the source
// "WriteNewDocument"; it shows nothing itself.
Status WriteNewDocument(const std::string& targetPath);

}  // namespace tbr
