// Writes one new document and says how it went, for tests that run the writer in a process of
// its own (under the fault shim, or killed half-way).
//   document_write_driver <target path>
// Exit status: 0 written, 1 an error was reported (printed on stdout), 2 wrong usage.
#include <cstdio>

#include "document/write_new_document.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: document_write_driver <target path>\n", stderr);
        return 2;
    }
    const tbr::Status status = tbr::WriteNewDocument(argv[1]);
    if (!status.ok()) {
        std::printf("%d %s\n", status.error().code, status.error().message.c_str());
        return 1;
    }
    return 0;
}
