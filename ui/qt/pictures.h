// The program's pictures as Qt sees them, decoded from the bytes compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tbr::qt {

// The banner for a screen of the given device pixel ratio: 317 x 81 device-independent pixels,
// at 1x the picture as drawn, above it the picture drawn at 2x, carrying its pixel ratio.
QPixmap BannerPixmap(qreal devicePixelRatio = 1.0);
// Icons holding every size drawn (the button pictures at 32, 48 and 64 pixels, the window icon
// at 16 to 64): the toolkit picks the one for the size and pixel ratio it needs.
QIcon CreateButtonIcon();
QIcon EditButtonIcon();
QIcon ApplicationIcon();

}  // namespace tbr::qt
