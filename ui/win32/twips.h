// Window layouts are kept in twips (1/1440 inch) and turned into pixels with the window's DPI, so
// they are exact at 96 DPI (15 twips a pixel) and scale with the display above it.
#pragma once

#include "common/wide_text_win32.h"
#include "common/window_description.h"

namespace tbr::win32 {

inline int TwipsToPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// A length in pixels at dpi, in whole twips: enough that TwipsToPixels gives the pixels back.
inline int PixelsToTwips(int pixels, UINT dpi) {
    return (pixels * 1440 + static_cast<int>(dpi) - 1) / static_cast<int>(dpi);
}

// Position and size are scaled separately, so controls of one size keep one size.
inline RECT TwipsToPixels(const LayoutRect& r, UINT dpi) {
    const int left = TwipsToPixels(r.left, dpi);
    const int top = TwipsToPixels(r.top, dpi);
    return RECT{left, top, left + TwipsToPixels(r.width, dpi), top + TwipsToPixels(r.height, dpi)};
}

// A length given in pixels at 96 DPI (a picture's natural size), at another DPI.
inline int ScaledPixels(int pixelsAt96, UINT dpi) {
    return MulDiv(pixelsAt96, static_cast<int>(dpi), 96);
}

}  // namespace tbr::win32
