#include "image_files.h"

#include <cstddef>

namespace tbr::draw {
namespace {

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

constexpr std::uint32_t kInfoHeaderSize = 40;

void putInfoHeader(Bytes& out, int width, int height, unsigned bitsPerPixel,
                   std::uint32_t imageSize, std::uint32_t pixelsPerMetre) {
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, bitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, imageSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);  // colours used: all that the bit depth allows
    put32(out, 0);  // important colours: all
}

std::uint32_t rowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// Palette, colour rows and mask rows of one icon image, after its bitmap header.
std::uint32_t iconImageSize(const IndexedImage& image) {
    return kInfoHeaderSize + 256 * 4 + rowBytes(image.size, 8) * image.size +
           rowBytes(image.size, 1) * image.size;
}

void putIconImage(Bytes& out, const IndexedImage& image) {
    const int n = image.size;
    // The height counts the colour image and the mask together; the image size field stays 0,
    // which uncompressed bitmaps allow.
    putInfoHeader(out, n, 2 * n, 8, 0, 0);
    for (const Rgb& c : image.palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const auto at = [n](int x, int y) { return static_cast<std::size_t>(y * n + x); };
    for (int y = n - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < n; ++x) {
            out.push_back(image.transparent[at(x, y)] ? 0 : image.indexes[at(x, y)]);
        }
        out.resize(start + rowBytes(n, 8), 0);
    }
    for (int y = n - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        out.resize(start + rowBytes(n, 1), 0);
        for (int x = 0; x < n; ++x) {
            if (image.transparent[at(x, y)]) {
                out[start + static_cast<std::size_t>(x / 8)] |=
                    static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
    }
}

}  // namespace

Bytes encodeBmp24(const Canvas& canvas, int dotsPerInch) {
    const int w = canvas.width();
    const int h = canvas.height();
    const std::uint32_t stride = rowBytes(w, 24);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(h);
    constexpr std::uint32_t kHeaders = 14 + kInfoHeaderSize;
    // Rounded to the nearest whole pixel per metre: 3780 at 96 dots per inch.
    const auto pixelsPerMetre = static_cast<std::uint32_t>((dotsPerInch * 100000 / 254 + 5) / 10);

    Bytes out;
    out.reserve(kHeaders + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, kHeaders + pixelBytes);
    put32(out, 0);  // two reserved words
    put32(out, kHeaders);
    putInfoHeader(out, w, h, 24, pixelBytes, pixelsPerMetre);
    for (int y = h - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < w; ++x) {
            const Rgba p = canvas.at(x, y);
            out.insert(out.end(), {p.b, p.g, p.r});
        }
        out.resize(start + stride, 0);
    }
    return out;
}

Bytes encodeIco(const std::vector<IcoEntry>& entries) {
    Bytes out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon
    put16(out, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const IcoEntry& e : entries) {
        const std::uint32_t size = iconImageSize(e.image);
        out.push_back(static_cast<std::uint8_t>(e.image.size >= 256 ? 0 : e.image.size));
        out.push_back(static_cast<std::uint8_t>(e.image.size >= 256 ? 0 : e.image.size));
        out.push_back(e.colourCount);
        out.push_back(0);  // reserved
        put16(out, e.planes);
        put16(out, e.bitsPerPixel);
        put32(out, size);
        put32(out, offset);
        offset += size;
    }
    for (const IcoEntry& e : entries) {
        putIconImage(out, e.image);
    }
    return out;
}

}  // namespace tbr::draw
