#include "document/write_new_document.h"

#include <cerrno>

#include "document/new_document.h"
#include "document/replace_file.h"

namespace tbr {

Status WriteNewDocument(const std::string& targetPath) {
    const std::span<const unsigned char> bytes = NewDocumentBytes();
    if (bytes.size() != kNewDocumentSize) {
        // Only a broken build gets here (a default icon of the wrong size); write nothing.
        return OsError{EINVAL, "The built-in document content has the wrong size",
                       "WriteNewDocument"};
    }
    return ReplaceFileDurably(targetPath, bytes, "WriteNewDocument");
}

}  // namespace tbr
