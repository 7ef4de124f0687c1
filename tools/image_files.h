// Encoders for the two picture file formats the program carries: uncompressed 24-bit BMP and
// 256-colour ICO with a transparency mask.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "raster.h"

namespace tbr::draw {

using Bytes = std::vector<std::uint8_t>;

// A square palette image: one palette index and one transparency flag a pixel, top row first.
struct IndexedImage {
    int size = 0;
    std::array<Rgb, 256> palette{};
    std::vector<std::uint8_t> indexes;
    std::vector<bool> transparent;
};

// One image of an ICO file with the values of its directory entry.
struct IcoEntry {
    IndexedImage image;
    std::uint8_t colourCount = 0;  // 0 is the usual value for 256 colours
    std::uint16_t planes = 1;
    std::uint16_t bitsPerPixel = 8;
};

// The canvas as a bottom-up 24-bit BMP file that declares its resolution; alpha is ignored.
Bytes EncodeBmp24(const Canvas& canvas, int dotsPerInch = 96);

// An ICO file holding the images in order, each as an 8-bit bitmap with its AND mask.
Bytes EncodeIco(const std::vector<IcoEntry>& entries);

}  // namespace tbr::draw
