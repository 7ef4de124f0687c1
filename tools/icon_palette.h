// The 256-colour palette that the program's 32 x 32 icons share, and the step that turns a drawn
// canvas into a palette image with a one-bit transparency mask.
#pragma once

#include <array>

#include "image_files.h"
#include "raster.h"

namespace tbr::draw {

// Entries 0-15 are the 16 standard colours (0 black, 15 white); entries 16-255 are 15 ramps of
// 16 shades each, from near black through a key colour to near white.
const std::array<Rgb, 256>& IconPalette();

// Each pixel at least half covered becomes opaque with the nearest palette colour; the rest
// becomes transparent with index 0.
IndexedImage ToIndexed(const Canvas& canvas);

}  // namespace tbr::draw
