// The program's pictures and the default document icon, compiled into the program as raw bytes.
// The bytes are the committed files in resources/, drawn by tools/draw_resources.
#pragma once

#include <cstddef>
#include <span>

namespace tbr::resources {

std::span<const unsigned char>
DefaultDocumentIcon();                        // 2238-byte ICO: first section of every new document
std::span<const unsigned char> Banner();      // 317 x 81, 24-bit uncompressed BMP, 77,166 bytes
std::span<const unsigned char> CreateIcon();  // 32 x 32, 256 colours: blank page with a sparkle
std::span<const unsigned char> EditIcon();    // 32 x 32, 256 colours: menu card with a pen
std::span<const unsigned char> AppIcon();     // 32 x 32, 256 colours: menu card with a magic wand

}  // namespace tbr::resources
