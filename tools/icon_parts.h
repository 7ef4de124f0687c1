// Pieces that the 32 x 32 icons share, so that they read as one family: the same outline colour,
// light from the top left, the same menu card.
#pragma once

#include "raster.h"

namespace tbr::draw {

// Pixels to units, rounded to the nearest 1/64 pixel, at compile time (so no floating point
// reaches the drawing).
consteval Unit Units(double pixels) {
    return static_cast<Unit>(pixels * 64 + (pixels < 0 ? -0.5 : 0.5));
}

inline constexpr Rgb kOutline{44, 52, 78};
inline constexpr Rgb kWhite{255, 255, 255};

// Fills `outer` with the outline colour and `inner` with the paint; the band between the two
// shapes is the outline.
void FillOutlined(Canvas& canvas, const Shape& outer, const Shape& inner, const Paint& paint);

// A yellow four-pointed sparkle centred on c with an orange outline and a light heart.
void DrawSparkle(Canvas& canvas, Point c, Unit arm);

// The menu card of the edit and program icons: a portrait card with a highlighted first row and
// four rows of coloured bullets and text lines.
void DrawMenuCard(Canvas& canvas);

}  // namespace tbr::draw
