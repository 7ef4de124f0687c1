// The program's pictures and the default document icon, compiled in as raw bytes from the
// committed files in resources/ (README.md there). Each file is an object of its own in the
// library, so a program holds only the files it reads: the Windows program, which takes its
// pictures from its resources, holds only the default document icon from here.
#pragma once

#include <cstddef>
#include <span>

namespace tbr::embedded {  // generated at build time from the files (cmake/Embed.cmake)
extern const unsigned char default_document_icon[], banner_bmp[], banner_2x_bmp[], create_icon[],
    edit_icon[], app_icon[];
extern const std::size_t default_document_icon_size, banner_bmp_size, banner_2x_bmp_size,
    create_icon_size, edit_icon_size, app_icon_size;
}  // namespace tbr::embedded

namespace tbr::resources {

using Bytes = std::span<const unsigned char>;

// 2238-byte ICO: the first section of every new document.
inline Bytes DefaultDocumentIcon() {
    return {embedded::default_document_icon, embedded::default_document_icon_size};
}
// The banner's emblem on white: 317 x 81, 24-bit uncompressed BMP of 77,166 bytes, and the same
// drawn at twice the size (634 x 162).
inline Bytes Banner() {
    return {embedded::banner_bmp, embedded::banner_bmp_size};
}
inline Bytes Banner2x() {
    return {embedded::banner_2x_bmp, embedded::banner_2x_bmp_size};
}
// 256-colour icons, 32 x 32 first, then the same picture drawn at other sizes.
inline Bytes CreateIcon() {  // blank page with a sparkle: 32, 48, 64
    return {embedded::create_icon, embedded::create_icon_size};
}
inline Bytes EditIcon() {  // menu card with a pen: 32, 48, 64
    return {embedded::edit_icon, embedded::edit_icon_size};
}
inline Bytes AppIcon() {  // menu card with a magic wand: 32, 16, 24, 48, 64, 256
    return {embedded::app_icon, embedded::app_icon_size};
}

}  // namespace tbr::resources
