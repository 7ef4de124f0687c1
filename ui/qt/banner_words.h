// The banner's words in the user's language. The drawn banner says "Tambrel Wizard" and "Create
// and edit Tambrel documents"; in another language those words are painted over in white and
// the catalogue's are written in their place, so that the picture holds no English.
#pragma once

#include <QPixmap>
#include <QString>

namespace tbr::qt {

// banner (at any pixel ratio) with title and tagline written where the drawn words stand. Each
// line keeps its place and colour; a line too long for the room is made smaller, then cut short.
QPixmap BannerWithWords(const QPixmap& banner, const QString& title, const QString& tagline);

}  // namespace tbr::qt
