// The content of every new document, byte by byte.
#include "document/new_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "resources/embedded.h"

namespace tbr {
namespace {

std::uint32_t LittleEndian(std::span<const unsigned char> bytes, std::size_t offset,
                           std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i > 0; --i) {
        value = (value << 8) | bytes[offset + i - 1];
    }
    return value;
}

std::string TextAt(std::span<const unsigned char> bytes, std::size_t offset, std::size_t size) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

TEST(NewDocument, IsTheDefaultIconFollowedByTheTextSection) {
    const auto document = NewDocumentBytes();
    const auto icon = resources::DefaultDocumentIcon();
    const auto text = TextSectionBytes();
    ASSERT_EQ(document.size(), 2291u);
    ASSERT_EQ(icon.size(), 2238u);
    ASSERT_EQ(text.size(), 53u);
    EXPECT_TRUE(std::equal(icon.begin(), icon.end(), document.begin()));
    EXPECT_TRUE(std::equal(text.begin(), text.end(), document.begin() + 2238));
    // The same bytes at every call.
    EXPECT_EQ(NewDocumentBytes().data(), document.data());
}

struct HeaderField {
    const char* name;
    std::size_t offset;
    std::size_t size;
    std::uint32_t value;
};

TEST(NewDocument, IconHeaderFieldsHoldTheirValues) {
    const HeaderField fields[] = {
        {"reserved", 0, 2, 0},
        {"resource type (icon)", 2, 2, 1},
        {"number of images", 4, 2, 1},
        {"image width", 6, 1, 32},
        {"image height", 7, 1, 32},
        {"colour count", 8, 1, 255},
        {"reserved", 9, 1, 0},
        {"colour planes", 10, 2, 0},
        {"bits per pixel", 12, 2, 0},
        {"size of the image data", 14, 4, 2216},
        {"offset of the image data", 18, 4, 22},
        {"bitmap header size", 22, 4, 40},
        {"bitmap width", 26, 4, 32},
        {"bitmap height (image and mask)", 30, 4, 64},
        {"planes", 34, 2, 1},
        {"bits per pixel", 36, 2, 8},
        {"compression", 38, 4, 0},
        {"image size", 42, 4, 0},
        {"horizontal resolution", 46, 4, 0},
        {"vertical resolution", 50, 4, 0},
        {"colours used", 54, 4, 0},
        {"important colours", 58, 4, 0},
    };
    const auto document = NewDocumentBytes();
    for (const HeaderField& field : fields) {
        EXPECT_EQ(LittleEndian(document, field.offset, field.size), field.value)
            << field.name << " at offset " << field.offset;
    }
    // The image data named by the directory entry ends exactly where the icon section ends.
    EXPECT_EQ(LittleEndian(document, 18, 4) + LittleEndian(document, 14, 4), kDefaultIconSize);
}

TEST(NewDocument, TextSectionLinesStartAtTheirOffsets) {
    const auto document = NewDocumentBytes();
    struct Piece {
        std::size_t offset;
        std::string text;
    };
    const Piece pieces[] = {
        {2238, "\r\n"},        {2240, "<START TBR>"}, {2251, "\r\n"},
        {2253, "\"USERDEF\""}, {2262, "\r\n"},        {2264, "1,\"MS Sans Serif\",\"8\",0,0"},
        {2289, "\r\n"},
    };
    std::size_t covered = 2238;
    for (const Piece& piece : pieces) {
        EXPECT_EQ(piece.offset, covered) << "pieces leave a gap";
        EXPECT_EQ(TextAt(document, piece.offset, piece.text.size()), piece.text)
            << "at offset " << piece.offset;
        covered = piece.offset + piece.text.size();
    }
    EXPECT_EQ(covered, document.size());
}

TEST(NewDocument, ValueLineIsTheExactBytes) {
    const unsigned char expected[] = {0x31, 0x2C, 0x22, 0x4D, 0x53, 0x20, 0x53, 0x61, 0x6E,
                                      0x73, 0x20, 0x53, 0x65, 0x72, 0x69, 0x66, 0x22, 0x2C,
                                      0x22, 0x38, 0x22, 0x2C, 0x30, 0x2C, 0x30};
    const auto document = NewDocumentBytes();
    ASSERT_EQ(sizeof(expected), 25u);
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), document.begin() + 2264));
}

TEST(NewDocument, EndsInZeroCrLfWithNoTerminator) {
    const auto document = NewDocumentBytes();
    ASSERT_GE(document.size(), 3u);
    EXPECT_EQ(document[document.size() - 3], 0x30);
    EXPECT_EQ(document[document.size() - 2], 0x0D);
    EXPECT_EQ(document[document.size() - 1], 0x0A);
    // The icon's last byte is followed directly by the 0D of the leading line end.
    EXPECT_EQ(document[2238], 0x0D);
    EXPECT_EQ(document[2239], 0x0A);
    EXPECT_EQ(document[2240], '<');
}

}  // namespace
}  // namespace tbr
