// The program's pictures, each drawn from scratch into the bytes of its file.
#pragma once

#include "image_files.h"

namespace tbr::draw {

// 317 x 81 24-bit BMP: the main window's logo banner.
Bytes drawBanner();

// 32 x 32 256-colour ICO files.
Bytes drawCreateIcon();  // a blank page with a sparkle: create a new document
Bytes drawEditIcon();    // a menu card with a pen: edit an existing document
Bytes drawAppIcon();     // a menu card with a magic wand: the window and program icon

// The 2238-byte ICO that starts every new document: a small pop-up menu in 16 colours.
Bytes drawDefaultDocumentIcon();

}  // namespace tbr::draw
