// The banner and the three 32 x 32 icons: the formats the windows rely on.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "bytes.h"
#include "resources/banner_words.h"
#include "resources/embedded.h"

namespace tbr::test {
namespace {

constexpr std::size_t kBannerSize = 77166;

TEST(Banner, Is317By81Uncompressed24BitBmp) {
    const Bytes b = tbr::resources::Banner();
    ASSERT_EQ(b.size(), kBannerSize);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    struct {
        std::size_t offset;
        int size;
        std::uint32_t value;
        const char* name;
    } const fields[] = {
        {2, 4, kBannerSize, "file size"},
        {6, 4, 0, "reserved"},
        {10, 4, 54, "offset of the pixel rows"},
        {14, 4, 40, "info header size"},
        {18, 4, 317, "width"},
        {22, 4, 81, "height: positive, rows stored bottom up"},
        {26, 2, 1, "planes"},
        {28, 2, 24, "bits per pixel"},
        {30, 4, 0, "compression"},
        {34, 4, 77112, "size of the pixel rows"},
        {46, 4, 0, "colours used"},
        {50, 4, 0, "important colours"},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(f.size == 2 ? le16(b, f.offset) : le32(b, f.offset), f.value)
            << f.name << " at offset " << f.offset;
    }
}

// The picture holds only the emblem: from where the windows write the banner's words to the
// right edge, every pixel is white at both sizes, and the rows' padding is zero.
TEST(Banner, IsWhiteWhereTheWordsAreWritten) {
    const struct {
        Bytes bytes;
        std::size_t scale;
    } sizes[] = {{tbr::resources::Banner(), 1}, {tbr::resources::Banner2x(), 2}};
    for (const auto& [b, scale] : sizes) {
        const std::size_t width = 317 * scale;
        const std::size_t stride = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(b.size(), 54 + stride * 81 * scale);
        for (std::size_t row = 0; row < 81 * scale; ++row) {
            const std::size_t at = 54 + row * stride;
            for (std::size_t i = width * 3; i < stride; ++i) {
                EXPECT_EQ(b[at + i], 0)
                    << "padding of stored row " << row << " at " << scale << "x";
            }
            for (std::size_t i = resources::kBannerWordsLeft * scale * 3; i < width * 3; ++i) {
                ASSERT_EQ(b[at + i], 0xFF)
                    << "stored row " << row << ", byte " << i << " at " << scale << "x";
            }
        }
    }
}

struct IconCase {
    const char* name;
    Bytes (*bytes)();
};

const IconCase kIcons[] = {
    {"create", [] { return Bytes(tbr::resources::CreateIcon()); }},
    {"edit", [] { return Bytes(tbr::resources::EditIcon()); }},
    {"app", [] { return Bytes(tbr::resources::AppIcon()); }},
};

// Finds the 32 x 32, 8-bit image of an ICO file and checks the file's structure on the way.
std::optional<std::size_t> find32x32(Bytes b, const char* name) {
    EXPECT_GE(b.size(), 6u) << name;
    if (b.size() < 6) {
        return std::nullopt;
    }
    EXPECT_EQ(le16(b, 0), 0u) << name << ": reserved";
    EXPECT_EQ(le16(b, 2), 1u) << name << ": resource type icon";
    const unsigned count = le16(b, 4);
    EXPECT_GE(count, 1u) << name;
    std::optional<std::size_t> found;
    for (unsigned i = 0; i < count && 6 + 16 * (i + 1) <= b.size(); ++i) {
        const IcoEntry e = icoEntry(b, i);
        EXPECT_LE(std::size_t{e.offset} + e.size, b.size()) << name << ": image " << i;
        if (e.width == 32 && e.height == 32 && e.bitsPerPixel == 8) {
            found = e.offset;
            EXPECT_EQ(e.size, 40u + 1024 + 1024 + 128) << name << ": image data size";
            EXPECT_EQ(e.planes, 1u) << name;
            EXPECT_EQ(e.colourCount, 0u) << name << ": 256 colours are written as 0";
        }
    }
    return found;
}

TEST(ButtonAndWindowIcons, Hold32By32ImagesWith256ColourPalettes) {
    for (const IconCase& icon : kIcons) {
        const Bytes b = icon.bytes();
        const std::optional<std::size_t> at = find32x32(b, icon.name);
        ASSERT_TRUE(at.has_value()) << icon.name << " has no 32 x 32 8-bit image";
        EXPECT_EQ(le32(b, *at), 40u) << icon.name << ": bitmap header size";
        EXPECT_EQ(le32(b, *at + 4), 32u) << icon.name << ": width";
        EXPECT_EQ(le32(b, *at + 8), 64u) << icon.name << ": height of image and mask";
        EXPECT_EQ(le16(b, *at + 12), 1u) << icon.name << ": planes";
        EXPECT_EQ(le16(b, *at + 14), 8u) << icon.name << ": bits per pixel";
        EXPECT_EQ(le32(b, *at + 16), 0u) << icon.name << ": compression";
        EXPECT_TRUE(le32(b, *at + 32) == 0 || le32(b, *at + 32) == 256)
            << icon.name << ": colours used: all 256, written as 0 or 256";
    }
}

// Where the mask makes a pixel transparent its colour must be black; anything else would show
// through as an inverted speck on the background behind the icon.
TEST(ButtonAndWindowIcons, TransparentPixelsAreBlackAndThePictureIsMostlyOpaque) {
    for (const IconCase& icon : kIcons) {
        const Bytes b = icon.bytes();
        const std::optional<std::size_t> at = find32x32(b, icon.name);
        ASSERT_TRUE(at.has_value()) << icon.name;
        const Icon32 image(b, *at);
        int opaque = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (image.transparent(x, y)) {
                    EXPECT_EQ(image.rgb(x, y), 0u) << icon.name << " pixel " << x << "," << y;
                } else {
                    ++opaque;
                }
            }
        }
        EXPECT_GT(opaque, 32 * 32 / 3) << icon.name;
        EXPECT_LT(opaque, 32 * 32) << icon.name << " has a transparent surround";
    }
}

}  // namespace
}  // namespace tbr::test
