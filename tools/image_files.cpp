#include "image_files.h"

#include <cstddef>

namespace tbr::draw {
namespace {

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

constexpr std::uint32_t kInfoHeaderSize = 40;

void PutInfoHeader(Bytes& out, int width, int height, unsigned bitsPerPixel,
                   std::uint32_t imageSize, std::uint32_t pixelsPerMetre) {
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);  // planes
    Put16(out, bitsPerPixel);
    Put32(out, 0);  // no compression
    Put32(out, imageSize);
    Put32(out, pixelsPerMetre);
    Put32(out, pixelsPerMetre);
    Put32(out, 0);  // colours used: all that the bit depth allows
    Put32(out, 0);  // important colours: all
}

std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// Palette, colour rows and mask rows of one icon image, after its bitmap header.
std::uint32_t IconImageSize(const IndexedImage& image) {
    return kInfoHeaderSize + 256 * 4 + RowBytes(image.size, 8) * image.size +
           RowBytes(image.size, 1) * image.size;
}

void PutIconImage(Bytes& out, const IndexedImage& image) {
    const int n = image.size;
    // The height counts the colour image and the mask together; the image size field stays 0,
    // which uncompressed bitmaps allow.
    PutInfoHeader(out, n, 2 * n, 8, 0, 0);
    for (const Rgb& c : image.palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const auto at = [n](int x, int y) { return static_cast<std::size_t>(y * n + x); };
    for (int y = n - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < n; ++x) {
            out.push_back(image.transparent[at(x, y)] ? 0 : image.indexes[at(x, y)]);
        }
        out.resize(start + RowBytes(n, 8), 0);
    }
    for (int y = n - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        out.resize(start + RowBytes(n, 1), 0);
        for (int x = 0; x < n; ++x) {
            if (image.transparent[at(x, y)]) {
                out[start + static_cast<std::size_t>(x / 8)] |=
                    static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
    }
}

}  // namespace

Bytes EncodeBmp24(const Canvas& canvas, int dotsPerInch) {
    const int w = canvas.width();
    const int h = canvas.height();
    const std::uint32_t stride = RowBytes(w, 24);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(h);
    constexpr std::uint32_t kHeaders = 14 + kInfoHeaderSize;
    // Rounded to the nearest whole pixel per metre: 3780 at 96 dots per inch.
    const auto pixelsPerMetre = static_cast<std::uint32_t>((dotsPerInch * 100000 / 254 + 5) / 10);

    Bytes out;
    out.reserve(kHeaders + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaders + pixelBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, kHeaders);
    PutInfoHeader(out, w, h, 24, pixelBytes, pixelsPerMetre);
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

Bytes EncodeIco(const std::vector<IcoEntry>& entries) {
    Bytes out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const IcoEntry& e : entries) {
        const std::uint32_t size = IconImageSize(e.image);
        out.push_back(static_cast<std::uint8_t>(e.image.size >= 256 ? 0 : e.image.size));
        out.push_back(static_cast<std::uint8_t>(e.image.size >= 256 ? 0 : e.image.size));
        out.push_back(e.colourCount);
        out.push_back(0);  // reserved
        Put16(out, e.planes);
        Put16(out, e.bitsPerPixel);
        Put32(out, size);
        Put32(out, offset);
        offset += size;
    }
    for (const IcoEntry& e : entries) {
        PutIconImage(out, e.image);
    }
    return out;
}

}  // namespace tbr::draw
