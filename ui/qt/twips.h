#pragma once

#include <QRect>

namespace tbr::qt {

// Window layouts are drawn in twips (1/1440 inch); Qt's device-independent pixel is 1/96 inch,
// so 15 twips make a pixel and Qt scales the result on high-resolution screens.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace tbr::qt
