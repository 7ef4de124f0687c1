#include "ui/qt/pictures.h"

#include <QImage>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "resources/embedded.h"

namespace tbr::qt {
namespace {

// The pictures are decoded here rather than by Qt's image readers: reading the banner with
// format detection loads every installed image plugin, and the ICO plugin's mask handling makes
// Qt build a colour lookup table first; together about a tenth of the program's start-up. Even
// with the formats named, Qt's readers took 13 % more processor time and 0.8 MiB more memory
// until the window appeared (bench/README.md, "Pictures from SVG sources").

using Bytes = std::span<const unsigned char>;

// A little-endian number of `n` bytes at `at`; the caller has checked the bounds.
std::uint32_t Le(Bytes b, std::size_t at, int n) {
    std::uint32_t value = 0;
    for (int i = n - 1; i >= 0; --i) {
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

std::size_t RowBytes(std::size_t width, std::size_t bits) {
    return (width * bits + 31) / 32 * 4;
}

// One image of an icon file: a device-independent bitmap of 1, 4 or 8 bits with a palette, or of
// 24 or 32 bits, of twice the image's height: the colours, then the transparency mask, both
// bottom-up. Null when the bytes do not hold such an image.
QImage DecodeIconImage(Bytes b) {
    if (b.size() < 40 || Le(b, 0, 4) < 40 || Le(b, 16, 4) != 0) {
        return {};
    }
    const std::size_t width = Le(b, 4, 4);
    const std::size_t height = Le(b, 8, 4) / 2;
    const std::size_t bits = Le(b, 14, 2);
    const bool palette = bits == 1 || bits == 4 || bits == 8;
    if (width == 0 || height == 0 || width > 256 || height > 256 ||
        (!palette && bits != 24 && bits != 32)) {
        return {};
    }
    std::size_t colours = Le(b, 32, 4);
    if (colours == 0 || colours > (std::size_t{1} << bits)) {
        colours = palette ? std::size_t{1} << bits : 0;
    }
    const std::size_t table = Le(b, 0, 4);
    const std::size_t pixels = table + (palette ? colours * 4 : 0);
    const std::size_t mask = pixels + RowBytes(width, bits) * height;
    if (mask + RowBytes(width, 1) * height > b.size()) {
        return {};
    }
    // Without an alpha channel every pixel is either opaque or fully transparent, so its values
    // are already premultiplied: the form the toolkit draws from, taken over without a copy.
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 bits == 32 ? QImage::Format_ARGB32 : QImage::Format_ARGB32_Premultiplied);
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t row = pixels + RowBytes(width, bits) * (height - 1 - y);
        const std::size_t mask_row = mask + RowBytes(width, 1) * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::size_t x = 0; x < width; ++x) {
            QRgb colour = 0;
            if (palette) {
                const std::size_t bit = x * bits;
                const unsigned index =
                    (b[row + bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                const std::size_t entry = table + 4 * std::min<std::size_t>(index, colours - 1);
                colour = qRgb(b[entry + 2], b[entry + 1], b[entry]);
            } else {
                const std::size_t at = row + x * (bits / 8);
                colour = qRgba(b[at + 2], b[at + 1], b[at], bits == 32 ? b[at + 3] : 255);
            }
            const bool transparent = ((b[mask_row + x / 8] >> (7 - x % 8)) & 1) != 0;
            out[x] = transparent && bits != 32 ? 0 : colour;
        }
    }
    return image;
}

// Every image of an icon file up to `largest` pixels wide, so that the window system can pick the
// size it needs. Images stored as PNG go to Qt's built-in PNG reader.
QIcon DecodeIcon(Bytes bytes, std::size_t largest = 256) {
    QIcon icon;
    if (bytes.size() < 6 || Le(bytes, 0, 2) != 0 || Le(bytes, 2, 2) != 1) {
        return icon;
    }
    const std::size_t count = Le(bytes, 4, 2);
    for (std::size_t i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
        const std::size_t size = Le(bytes, 6 + 16 * i + 8, 4);
        const std::size_t offset = Le(bytes, 6 + 16 * i + 12, 4);
        const std::size_t width = bytes[6 + 16 * i] == 0 ? 256 : bytes[6 + 16 * i];
        if (offset > bytes.size() || size > bytes.size() - offset || width > largest) {
            continue;
        }
        const Bytes image = bytes.subspan(offset, size);
        const bool png = size >= 4 && image[0] == 0x89 && image[1] == 'P' && image[2] == 'N';
        QImage decoded = png ? QImage::fromData(image.data(), static_cast<int>(size), "PNG")
                             : DecodeIconImage(image);
        if (!decoded.isNull()) {
            icon.addPixmap(QPixmap::fromImage(std::move(decoded)));
        }
    }
    return icon;
}

// A 24-bit uncompressed BMP file, rows bottom-up. Null for anything else.
QPixmap DecodeBmp(Bytes b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Le(b, 14, 4) < 40 || Le(b, 28, 2) != 24 ||
        Le(b, 30, 4) != 0) {
        return {};
    }
    const std::size_t width = Le(b, 18, 4);
    const auto height = static_cast<std::int32_t>(Le(b, 22, 4));
    const std::size_t offset = Le(b, 10, 4);
    const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
    if (width == 0 || width > 32767 || rows == 0 || rows > 32767 || offset > b.size() ||
        RowBytes(width, 24) * rows > b.size() - offset) {
        return {};
    }
    const QImage stored(b.data() + offset, static_cast<int>(width), static_cast<int>(rows),
                        static_cast<qsizetype>(RowBytes(width, 24)), QImage::Format_BGR888);
    return QPixmap::fromImage(height > 0 ? stored.mirrored() : stored.copy());
}

}  // namespace

QPixmap BannerPixmap(qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) {
        return DecodeBmp(resources::Banner());
    }
    // Above 1x the banner drawn at 2x, brought to the screen's own ratio: a screen between 1x and
    // 2x shows it made smaller, which stays sharp, rather than the 1x banner made larger.
    QPixmap twice = DecodeBmp(resources::Banner2x());
    if (devicePixelRatio != 2.0 && !twice.isNull()) {
        const QSize logical = twice.size() / 2;
        twice = twice.scaled(qRound(logical.width() * devicePixelRatio),
                             qRound(logical.height() * devicePixelRatio), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    twice.setDevicePixelRatio(devicePixelRatio);
    return twice;
}
QIcon CreateButtonIcon() {
    return DecodeIcon(resources::CreateIcon());
}
QIcon EditButtonIcon() {
    return DecodeIcon(resources::EditIcon());
}
// A window hands its icon to the window system in every size it has: up to 64 pixels (twice the
// usual 32). The 256-pixel image would cost the program most of a mebibyte before its window
// appears; the desktop takes large icons from the installed icon theme instead.
QIcon ApplicationIcon() {
    return DecodeIcon(resources::AppIcon(), 64);
}

}  // namespace tbr::qt
