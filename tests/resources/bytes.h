// Little-endian reads and the parts of ICO and BMP files that the resource tests look at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tbr::test {

using Bytes = std::span<const unsigned char>;

inline unsigned le16(Bytes b, std::size_t at) {
    return b[at] | (b[at + 1] << 8u);
}
inline std::uint32_t le32(Bytes b, std::size_t at) {
    return le16(b, at) | (static_cast<std::uint32_t>(le16(b, at + 2)) << 16u);
}

// One directory entry of an ICO file.
struct IcoEntry {
    unsigned width, height, colourCount, reserved, planes, bitsPerPixel;
    std::uint32_t size, offset;
};

inline IcoEntry icoEntry(Bytes b, std::size_t index) {
    const std::size_t at = 6 + 16 * index;
    return {b[at] == 0 ? 256u : b[at],
            b[at + 1] == 0 ? 256u : b[at + 1],
            b[at + 2],
            b[at + 3],
            le16(b, at + 4),
            le16(b, at + 6),
            le32(b, at + 8),
            le32(b, at + 12)};
}

// The pixels of a square 8-bit icon image whose bitmap header starts at `at`, in display order
// (top row first). The palette, colour rows and mask rows follow the 40-byte header.
class IconImage {
  public:
    IconImage(Bytes file, std::size_t at, int size) : file_(file), at_(at), size_(size) {}

    Bytes palette() const { return file_.subspan(at_ + 40, 1024); }
    unsigned index(int x, int y) const {
        return file_[at_ + 40 + 1024 + row(y) * colourRowBytes() + static_cast<std::size_t>(x)];
    }
    bool transparent(int x, int y) const {
        const std::size_t masks = at_ + 40 + 1024 + colourRowBytes() * n();
        const unsigned char maskByte =
            file_[masks + row(y) * maskRowBytes() + static_cast<std::size_t>(x / 8)];
        return (maskByte & (0x80u >> (x % 8))) != 0;
    }
    // The colour of a pixel as red, green, blue.
    std::uint32_t rgb(int x, int y) const {
        const Bytes p = palette().subspan(index(x, y) * 4, 4);
        return (static_cast<std::uint32_t>(p[2]) << 16u) | (p[1] << 8u) | p[0];
    }

  private:
    std::size_t n() const { return static_cast<std::size_t>(size_); }
    std::size_t row(int y) const { return n() - 1 - static_cast<std::size_t>(y); }
    std::size_t colourRowBytes() const { return (n() + 3) / 4 * 4; }
    std::size_t maskRowBytes() const { return (n() + 31) / 32 * 4; }

    Bytes file_;
    std::size_t at_;
    int size_;
};

// The 32 x 32 image of the icons that the windows show.
class Icon32 : public IconImage {
  public:
    Icon32(Bytes file, std::size_t at) : IconImage(file, at, 32) {}
};

}  // namespace tbr::test
