// A geometric sans-serif typeface for the banner, built from circles, ellipse rings and straight
// strokes. It knows the letters the banner needs: C T W a b c d e i l m n o r s t u z and space.
#pragma once

#include <string_view>

#include "raster.h"

namespace tbr::draw {

struct TextStyle {
    Unit capHeight = 0;  // height of a capital, in units
    int stem = 130;      // vertical stroke width in font units (capitals are 700 units tall)
    int tracking = 0;    // extra space between letters, in font units
};

struct TextShape {
    Shape shape;
    Unit width = 0;  // advance from the origin to the end of the last letter, in units
};

// The text set with its baseline's left end at `origin`.
TextShape SetText(std::string_view text, Point origin, const TextStyle& style);

// The advance width of the text, in units, without building its shape.
Unit TextWidth(std::string_view text, const TextStyle& style);

}  // namespace tbr::draw
