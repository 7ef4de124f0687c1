#pragma once

#include <QFont>

namespace tbr::qt {

// The windows have fixed layouts measured for the classic 8-point dialog font, so they carry
// their fonts with them instead of taking the desktop's, which may be larger. "Arial" resolves
// to a metric-compatible face where the fonts-liberation package is installed.
inline QFont DialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

// The main window's labels: Arial 11.25 pt.
inline QFont LabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    return font;
}

}  // namespace tbr::qt
