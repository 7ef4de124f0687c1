// The pictures at their other sizes: the banner at twice its size and the icons' further images.
// Each must be in the format its readers expect and must show the same picture as the natural
// size, in the same place: both, averaged down to a common size, agree closely.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "bytes.h"
#include "resources/embedded.h"

namespace tbr::test {
namespace {

// A picture as premultiplied red, green, blue and coverage per pixel, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::array<long, 4>> pixels;

    // Each pixel of the result averages a factor x factor block.
    Picture reduced(int factor) const {
        Picture out{width / factor, height / factor, {}};
        for (int y = 0; y < out.height; ++y) {
            for (int x = 0; x < out.width; ++x) {
                std::array<long, 4> sum{};
                for (int j = 0; j < factor; ++j) {
                    for (int i = 0; i < factor; ++i) {
                        const auto& p = at(x * factor + i, y * factor + j);
                        for (std::size_t c = 0; c < 4; ++c) {
                            sum[c] += p[c];
                        }
                    }
                }
                for (long& c : sum) {
                    c /= factor * factor;
                }
                out.pixels.push_back(sum);
            }
        }
        return out;
    }
    const std::array<long, 4>& at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)];
    }
};

Picture FromIcon(const IconImage& image, int size) {
    Picture p{size, size, {}};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint32_t c = image.rgb(x, y);
            const long a = image.transparent(x, y) ? 0 : 255;
            const auto channel = [&](unsigned shift) {
                return static_cast<long>((c >> shift) & 0xFFu) * a / 255;
            };
            p.pixels.push_back({channel(16), channel(8), channel(0), a});
        }
    }
    return p;
}

Picture FromBmp(Bytes b) {
    Picture p{static_cast<int>(le32(b, 18)), static_cast<int>(le32(b, 22)), {}};
    const std::size_t stride = (static_cast<std::size_t>(p.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < p.height; ++y) {
        const std::size_t row = le32(b, 10) + stride * static_cast<std::size_t>(p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            p.pixels.push_back({b[at + 2], b[at + 1], b[at], 255});
        }
    }
    return p;
}

// The mean difference of two pictures of one size, over every pixel and channel (0 to 255).
double MeanDifference(const Picture& a, const Picture& b) {
    long total = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        for (std::size_t c = 0; c < 4; ++c) {
            total += std::labs(a.pixels[i][c] - b.pixels[i][c]);
        }
    }
    return static_cast<double>(total) / static_cast<double>(a.pixels.size() * 4);
}

// Both pictures averaged down to the largest size that divides both.
double DifferenceAtCommonSize(const Picture& a, const Picture& b) {
    const int common = std::gcd(a.width, b.width);
    return MeanDifference(a.reduced(a.width / common), b.reduced(b.width / common));
}

// Palette steps and edges differ a little; the same picture one pixel off differs by about 27.
// Below 32 pixels a picture loses its finer lines, so it is held to less.
constexpr double kSamePicture = 8.0;
constexpr double kSameSmallPicture = 16.0;

TEST(DrawnSizes, TheBannerAtTwiceItsSizeIsTheSamePictureAt192Dpi) {
    const Bytes b = tbr::resources::Banner2x();
    constexpr std::size_t stride = 1904;  // 634 pixels of 3 bytes, padded to a multiple of 4
    ASSERT_EQ(b.size(), 54 + stride * 162);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 18), 634u);
    EXPECT_EQ(le32(b, 22), 162u);
    EXPECT_EQ(le16(b, 28), 24u);
    EXPECT_EQ(le32(b, 30), 0u) << "uncompressed";
    EXPECT_EQ(le32(b, 38), 7559u) << "192 dots per inch";
    const double difference = DifferenceAtCommonSize(FromBmp(b), FromBmp(tbr::resources::Banner()));
    EXPECT_LT(difference, kSamePicture);
}

struct IconFile {
    const char* name;
    Bytes (*bytes)();
    std::vector<int> sizes;  // in the order of the file
};

const IconFile kIconFiles[] = {
    {"create", [] { return Bytes(tbr::resources::CreateIcon()); }, {32, 48, 64}},
    {"edit", [] { return Bytes(tbr::resources::EditIcon()); }, {32, 48, 64}},
    {"app", [] { return Bytes(tbr::resources::AppIcon()); }, {32, 16, 24, 48, 64, 256}},
};

TEST(DrawnSizes, EachIconHoldsItsSizesIn256ColoursAllShowingOnePicture) {
    for (const IconFile& file : kIconFiles) {
        const Bytes b = file.bytes();
        ASSERT_EQ(le16(b, 4), file.sizes.size()) << file.name;
        const Picture natural = FromIcon(Icon32(b, icoEntry(b, 0).offset), 32);
        for (std::size_t i = 0; i < file.sizes.size(); ++i) {
            const int n = file.sizes[i];
            const IcoEntry e = icoEntry(b, i);
            SCOPED_TRACE(std::string(file.name) + " at " + std::to_string(n));
            ASSERT_EQ(e.width, static_cast<unsigned>(n));
            ASSERT_EQ(e.height, static_cast<unsigned>(n));
            EXPECT_EQ(e.bitsPerPixel, 8u);
            const std::size_t rows = static_cast<std::size_t>(n);
            ASSERT_EQ(e.size, 40 + 1024 + (rows + 3) / 4 * 4 * rows + (rows + 31) / 32 * 4 * rows);
            ASSERT_LE(std::size_t{e.offset} + e.size, b.size());
            EXPECT_EQ(le32(b, e.offset + 4), e.width);
            EXPECT_EQ(le32(b, e.offset + 8), 2 * e.height) << "colour image and mask";
            const IconImage image(b, e.offset, n);
            for (int y = 0; y < n; ++y) {
                for (int x = 0; x < n; ++x) {
                    if (image.transparent(x, y)) {
                        ASSERT_EQ(image.rgb(x, y), 0u) << "pixel " << x << "," << y;
                    }
                }
            }
            EXPECT_LT(DifferenceAtCommonSize(FromIcon(image, n), natural),
                      n < 32 ? kSameSmallPicture : kSamePicture);
        }
    }
}

}  // namespace
}  // namespace tbr::test
