// What a path holds, as far as writing a new document there is concerned.
#pragma once

namespace tbr {

enum class TargetKind {
    Nothing,          // free: the document is created
    ReplaceableFile,  // a file (or a link) that the writer replaces whole
    Unreplaceable,    // something the writer refuses to replace: a folder, a device, a FIFO...
};

}  // namespace tbr
