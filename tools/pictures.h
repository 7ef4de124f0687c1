// The program's pictures, each drawn from scratch into the bytes of its file.
#pragma once

#include "image_files.h"

namespace tbr::draw {

// The main window's logo banner, a 24-bit BMP of 317 x 81 pixels times `scale`.
Bytes DrawBanner(int scale);

// 256-colour ICO files, each drawn at every size it holds; the 32 x 32 image comes first.
Bytes DrawCreateIcon();  // a blank page with a sparkle: create a new document (32, 48, 64)
Bytes DrawEditIcon();    // a menu card with a pen: edit an existing document (32, 48, 64)
Bytes DrawAppIcon();     // a menu card with a magic wand: the window and program icon
                         // (32, 16, 24, 48, 64, 256)

// The 2238-byte ICO that starts every new document: a small pop-up menu in 16 colours.
Bytes DrawDefaultDocumentIcon();
// The same picture as the desktop's icon for documents: 32 x 32 and 64 x 64.
Bytes DrawDocumentIcon();

}  // namespace tbr::draw
