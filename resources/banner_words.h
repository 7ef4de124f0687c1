// The banner's words: the program's name (MessageId::MainWindowTitle) and the line under it
// (MessageId::BannerTagline), in the user's language, English too. The banner's picture holds only
// the emblem; both front ends write the words over it, right of the emblem, by these rules: the
// same places, colours and sizes, and the same shrinking. Lengths are pixels of the picture at 1x;
// at another scale every length is multiplied by it.
#pragma once

#include <algorithm>

namespace tbr::resources {

struct BannerColour {
    int red, green, blue;
};

struct BannerLine {
    int baseline;      // from the picture's top
    double capHeight;  // the height of its capitals, which sets the font's size
    bool bold;
    BannerColour colour;
};

inline constexpr int kBannerWidth = 317;
inline constexpr int kBannerHeight = 81;
// The room for the words: from the emblem's right to a margin short of the picture's edge. Left to
// right, both lines begin at its left; right to left, both end at its right.
inline constexpr int kBannerWordsLeft = 86;
inline constexpr int kBannerWordsRight = kBannerWidth - 6;
inline constexpr BannerLine kBannerTitle{44, 20.5, true, {26, 36, 86}};     // bold dark blue
inline constexpr BannerLine kBannerTagline{60, 8.0, false, {88, 96, 116}};  // slate grey

// A line's size is set by the height of its capitals; where the font does not tell its capitals'
// share of the em, Arial's is taken.
inline constexpr double kBannerCapsPerEm = 0.716;

// A line too long for the room is written smaller, down to this share of its size (enough for a
// translation 40 % longer than the English, as the pseudo-language's); what is still too long
// then is cut short with an ellipsis.
inline constexpr double kBannerSmallestShrink = 0.6;

// The share of its size at which a line of `width` is written in a room of `room`: 1 where it
// fits, else as much smaller as it must be, but never below kBannerSmallestShrink.
constexpr double BannerShrink(double width, double room) {
    return width <= room ? 1.0 : std::max(room / width, kBannerSmallestShrink);
}

}  // namespace tbr::resources
