// write_document <path>: writes a new Tambrel document to path with the program's own writer, so
// that the templates installed for file managers are always exactly what the wizard creates.
#include <cstdio>

#include "document/write_new_document.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_document <path>\n");
        return 2;
    }
    if (const tbr::Status written = tbr::WriteNewDocument(argv[1]); !written) {
        std::fprintf(stderr, "write_document: %s\n", written.error().message.c_str());
        return 1;
    }
    return 0;
}
