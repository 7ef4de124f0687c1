// Where the banner's words stand: the program's name and the line under it, right of the emblem.
// The drawn banner holds them in English. In another language a front end paints the banner white
// from kBannerWordsLeft to its right edge and writes the catalogue's words there instead
// (MessageId::MainWindowTitle and MessageId::BannerTagline), in these places and colours, so that
// no English is left in the picture. Pixels of the banner at 1x; at 2x every length doubles.
#pragma once

namespace tbr::resources {

struct BannerColour {
    int red, green, blue;
};

inline constexpr int kBannerWordsLeft = 86;            // where the words begin
inline constexpr int kBannerTitleBaseline = 44;        // the name's baseline
inline constexpr double kBannerTitleCapHeight = 20.5;  // the height of its capitals
inline constexpr BannerColour kBannerTitleColour{26, 36, 86};
inline constexpr int kBannerTaglineBaseline = 60;
inline constexpr double kBannerTaglineCapHeight = 8;
inline constexpr BannerColour kBannerTaglineColour{88, 96, 116};
inline constexpr int kBannerWordsRightMargin = 6;  // the words never come closer to the edge

}  // namespace tbr::resources
