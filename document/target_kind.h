// What a path holds, as far as writing a new document there is concerned.
#pragma once

#include <string>

namespace tbr {

enum class TargetKind {
    Nothing,          // free: the document is created
    ReplaceableFile,  // a file (or a link) that the writer replaces whole
    Unreplaceable,    // something the writer refuses to replace: a folder, a device, a FIFO...
};

// What is at path, a link not followed: nothing; a file that WriteNewDocument replaces (a
// regular file or a link, even a dangling one); or something it refuses (a folder, a FIFO, a
// device, a socket; on Windows also a read-only file). A path WriteNewDocument refuses outright
// (empty, holding a NUL, a device name on Windows) holds nothing, and so does one where the system
// cannot tell (on Windows: access to the name denied and the folder not to be listed): the writer
// then creates the document or fails on a file it finds there. Implemented with the writer's other
// platform rules in replace_file_posix.cpp and replace_file_win32.cpp.
TargetKind WhatIsAt(const std::string& path);

}  // namespace tbr
