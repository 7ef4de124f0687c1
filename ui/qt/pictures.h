// The program's pictures as Qt sees them, decoded from the bytes compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tbr::qt {

QPixmap BannerPixmap();
QIcon CreateButtonIcon();
QIcon EditButtonIcon();
QIcon ApplicationIcon();

}  // namespace tbr::qt
