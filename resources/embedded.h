// The program's pictures and the default document icon, compiled into the program as raw bytes.
// The bytes are the committed files in resources/, drawn by tools/draw_resources.
#pragma once

#include <cstddef>
#include <span>

namespace tbr::resources {

std::span<const unsigned char>
DefaultDocumentIcon();                      // 2238-byte ICO: first section of every new document
std::span<const unsigned char> Banner();    // 317 x 81, 24-bit uncompressed BMP, 77,166 bytes
std::span<const unsigned char> Banner2x();  // the banner drawn at twice the size: 634 x 162
// 256-colour icons, 32 x 32 first, then the same picture drawn at other sizes.
std::span<const unsigned char> CreateIcon();  // blank page with a sparkle: 32, 48, 64
std::span<const unsigned char> EditIcon();    // menu card with a pen: 32, 48, 64
std::span<const unsigned char> AppIcon();  // menu card with a magic wand: 32, 16, 24, 48, 64, 256

}  // namespace tbr::resources
