#include "icon_palette.h"

namespace tbr::draw {
namespace {

constexpr std::array<Rgb, 16> kStandard{{{0, 0, 0},
                                         {128, 0, 0},
                                         {0, 128, 0},
                                         {128, 128, 0},
                                         {0, 0, 128},
                                         {128, 0, 128},
                                         {0, 128, 128},
                                         {192, 192, 192},
                                         {128, 128, 128},
                                         {255, 0, 0},
                                         {0, 255, 0},
                                         {255, 255, 0},
                                         {0, 0, 255},
                                         {255, 0, 255},
                                         {0, 255, 255},
                                         {255, 255, 255}}};

// The key colour of each ramp.
constexpr std::array<Rgb, 15> kKeys{{
    {128, 128, 128},  // neutral grey
    {0, 0, 0},        // paper: a ramp of its own, see MakePalette()
    {112, 128, 156},  // cool blue grey: outlines and paper shadows
    {255, 212, 0},    // yellow
    {242, 138, 20},   // orange
    {206, 32, 44},    // red
    {140, 28, 64},    // maroon
    {40, 104, 214},   // blue
    {36, 46, 124},    // navy
    {36, 168, 218},   // sky
    {40, 150, 64},    // green
    {118, 62, 178},   // violet
    {218, 58, 148},   // pink
    {150, 94, 44},    // wood
    {204, 162, 40},   // gold
}};

constexpr std::size_t kPaperRamp = 1;

std::array<Rgb, 256> MakePalette() {
    std::array<Rgb, 256> palette{};
    std::copy(kStandard.begin(), kStandard.end(), palette.begin());
    std::size_t n = kStandard.size();
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        const Rgb key = kKeys[k];
        const Rgb dark = Mix({0, 0, 0}, key, 1, 6);
        for (int i = 0; i < 16; ++i) {
            if (k == kPaperRamp) {
                // Paper gets fine steps from white down to a cool light grey, so that the gentle
                // shading of pages and cards stays smooth.
                palette[n++] = Mix({255, 255, 255}, {186, 196, 220}, i, 15);
            } else {
                palette[n++] = i < 8 ? Mix(dark, key, i, 7) : Mix(key, {255, 255, 255}, i - 7, 9);
            }
        }
    }
    return palette;
}

std::uint8_t Nearest(const std::array<Rgb, 256>& palette, Rgb c) {
    std::uint8_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = c.r - palette[i].r;
        const long dg = c.g - palette[i].g;
        const long db = c.b - palette[i].b;
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<std::uint8_t>(i);
        }
    }
    return best;
}

}  // namespace

const std::array<Rgb, 256>& IconPalette() {
    static const std::array<Rgb, 256> palette = MakePalette();
    return palette;
}

IndexedImage ToIndexed(const Canvas& canvas) {
    IndexedImage image;
    image.size = canvas.width();
    image.palette = IconPalette();
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba p = canvas.at(x, y);
            const bool clear = p.a < 128;
            image.transparent.push_back(clear);
            image.indexes.push_back(clear ? 0 : Nearest(image.palette, p.rgb()));
        }
    }
    return image;
}

}  // namespace tbr::draw
