// The shrinking rule both front ends write the banner's words by.
#include <gtest/gtest.h>

#include "resources/banner_words.h"

namespace tbr::resources {
namespace {

struct ShrinkRow {
    const char* name;
    double width;
    double room;
    double shrink;
};

constexpr ShrinkRow kShrinkRows[] = {
    {"shorter than the room", 120, 225, 1.0},
    {"exactly the room", 225, 225, 1.0},
    {"a little long: just small enough", 250, 225, 0.9},
    {"as long as the smallest size allows", 225 / 0.6, 225, 0.6},
    {"longer still: the smallest size, then cut short", 600, 225, 0.6},
};

TEST(BannerWords, ShrinkToTheRoomButNotBelowTheSmallestShare) {
    for (const ShrinkRow& row : kShrinkRows) {
        EXPECT_NEAR(BannerShrink(row.width, row.room), row.shrink, 1e-9) << row.name;
    }
}

// Both lines stand in the picture, the tagline under the name, in a room right of the emblem.
TEST(BannerWords, LinesStandInThePictureRightOfTheEmblem) {
    EXPECT_LT(kBannerTitle.baseline + kBannerTagline.capHeight, kBannerTagline.baseline);
    EXPECT_LT(kBannerTagline.baseline + 4, kBannerHeight);
    EXPECT_GT(kBannerTitle.baseline - kBannerTitle.capHeight, 0);
    EXPECT_GT(kBannerWordsRight - kBannerWordsLeft, kBannerWidth * 2 / 3);
}

}  // namespace
}  // namespace tbr::resources
