// draw_resources <folder>: draws the program's pictures and writes them into <folder>, replacing
// files of the same names. The output is the same, byte for byte, on every run and machine; the
// committed files in resources/ are this program's output.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "pictures.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const tbr::draw::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "draw_resources: cannot write " << path.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: draw_resources <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    struct Output {
        const char* name;
        tbr::draw::Bytes (*draw)();
    };
    const Output outputs[] = {
        {"banner.bmp", [] { return tbr::draw::DrawBanner(1); }},
        {"banner@2x.bmp", [] { return tbr::draw::DrawBanner(2); }},
        {"create.ico", tbr::draw::DrawCreateIcon},
        {"edit.ico", tbr::draw::DrawEditIcon},
        {"tbrwiz.ico", tbr::draw::DrawAppIcon},
        {"default_document.ico", tbr::draw::DrawDefaultDocumentIcon},
        {"document.ico", tbr::draw::DrawDocumentIcon},
    };
    bool ok = true;
    for (const Output& o : outputs) {
        ok = WriteFile(folder / o.name, o.draw()) && ok;
    }
    return ok ? 0 : 1;
}
