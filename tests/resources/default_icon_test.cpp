// The default document icon is the first section of every new document, so its bytes are fixed:
// these tests pin its header, palette, mask and picture rules.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "bytes.h"
#include "resources/embedded.h"

namespace tbr::test {
namespace {

Bytes icon() {
    return tbr::resources::DefaultDocumentIcon();
}

// Every byte is fixed: the file's length and a 64-bit FNV-1a checksum of its bytes.
TEST(DefaultDocumentIcon, IsTheFixed2238Bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const unsigned char byte : icon()) {
        hash = (hash ^ byte) * 0x100000001b3u;
    }
    EXPECT_EQ(icon().size(), 2238u);
    EXPECT_EQ(hash, 0x6b96c3e6204ae001u) << std::hex << hash;
}

struct Field {
    std::size_t offset;
    int size;  // 1, 2 or 4 bytes
    std::uint32_t value;
    const char* name;
};

constexpr Field kFields[] = {
    {0, 2, 0, "reserved"},
    {2, 2, 1, "resource type: icon"},
    {4, 2, 1, "number of images"},
    {6, 1, 32, "image width"},
    {7, 1, 32, "image height"},
    {8, 1, 255, "colour count"},
    {9, 1, 0, "reserved"},
    {10, 2, 0, "colour planes"},
    {12, 2, 0, "bits per pixel"},
    {14, 4, 2216, "size of the image data"},
    {18, 4, 22, "offset of the image data"},
    {22, 4, 40, "bitmap header size"},
    {26, 4, 32, "bitmap width"},
    {30, 4, 64, "bitmap height: colour image and mask"},
    {34, 2, 1, "planes"},
    {36, 2, 8, "bits per pixel"},
    {38, 4, 0, "compression"},
    {42, 4, 0, "image size"},
    {46, 4, 0, "horizontal resolution"},
    {50, 4, 0, "vertical resolution"},
    {54, 4, 0, "colours used"},
    {58, 4, 0, "important colours"},
};

TEST(DefaultDocumentIcon, HeaderFields) {
    const Bytes b = icon();
    ASSERT_EQ(b.size(), 2238u);
    for (const Field& f : kFields) {
        const std::uint32_t actual = f.size == 1   ? b[f.offset]
                                     : f.size == 2 ? le16(b, f.offset)
                                                   : le32(b, f.offset);
        EXPECT_EQ(actual, f.value) << f.name << " at offset " << f.offset;
    }
}

TEST(DefaultDocumentIcon, PaletteUsesSixteenEntriesStartingWithBlack) {
    const Bytes palette = icon().subspan(62, 1024);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(palette[i], 0) << "entry 0 is black";
    }
    for (std::size_t entry = 0; entry < 256; ++entry) {
        EXPECT_EQ(palette[entry * 4 + 3], 0) << "reserved byte of entry " << entry;
        if (entry >= 16) {
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(palette[entry * 4 + i], 0) << "entry " << entry << " is unused";
            }
        }
    }
}

bool ruledTransparent(int x, int y) {
    return y < 2 || y > 30 || x < 6 || x > 25;
}

TEST(DefaultDocumentIcon, MaskLeavesTheMenuPanelOpaque) {
    const Icon32 image(icon(), 22);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(image.transparent(x, y), ruledTransparent(x, y)) << "pixel " << x << "," << y;
        }
    }
}

TEST(DefaultDocumentIcon, ColourImageUsesTheFirstSixteenEntriesAndBlackWhereTransparent) {
    const Icon32 image(icon(), 22);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_LT(image.index(x, y), 16u) << "pixel " << x << "," << y;
            if (image.transparent(x, y)) {
                EXPECT_EQ(image.index(x, y), 0u) << "pixel " << x << "," << y;
            }
        }
    }
}

// The picture: a light panel with a dark right and bottom edge and a blue first row.
unsigned brightness(std::uint32_t rgb) {
    return ((rgb >> 16u) & 0xFFu) + ((rgb >> 8u) & 0xFFu) + (rgb & 0xFFu);
}

TEST(DefaultDocumentIcon, LooksLikeAPopUpMenu) {
    const Icon32 image(icon(), 22);
    for (int y = 2; y <= 30; ++y) {
        EXPECT_LT(brightness(image.rgb(25, y)), 3u * 96) << "right edge, row " << y;
    }
    for (int x = 6; x <= 25; ++x) {
        EXPECT_LT(brightness(image.rgb(x, 30)), 3u * 96) << "bottom edge, column " << x;
    }
    EXPECT_GE(brightness(image.rgb(20, 16)), 3u * 160) << "the panel is light";
    const std::uint32_t highlight = image.rgb(20, 4);
    EXPECT_GT(highlight & 0xFFu, (highlight >> 16u) & 0xFFu) << "the first row is blue";
    EXPECT_GT(highlight & 0xFFu, (highlight >> 8u) & 0xFFu) << "the first row is blue";
}

}  // namespace
}  // namespace tbr::test
