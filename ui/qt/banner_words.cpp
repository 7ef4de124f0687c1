#include "ui/qt/banner_words.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "resources/banner_words.h"
#include "ui/qt/fonts.h"

namespace tbr::qt {
namespace {

using namespace tbr::resources;

constexpr qreal kBannerWidth = 317;
constexpr qreal kBannerHeight = 81;
constexpr qreal kSmallest = 0.6;  // a line shrinks to 60 % at most, then it is cut short

// One line of words: its capitals capHeight high, on baseline, from kBannerWordsLeft to the room's
// end.
void WriteLine(QPainter& painter, const QString& text, qreal capHeight, qreal baseline, bool bold,
               BannerColour colour) {
    QFont font = DialogFont();
    font.setBold(bold);
    font.setPixelSize(100);
    const qreal capsAt100 = QFontMetricsF(font).capHeight();
    qreal size = capHeight * 100 / (capsAt100 > 0 ? capsAt100 : 70);
    font.setPixelSize(qRound(size));
    const qreal room = kBannerWidth - kBannerWordsRightMargin - kBannerWordsLeft;
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > room) {
        size = std::max(size * room / width, size * kSmallest);
        font.setPixelSize(std::max(1, qFloor(size)));
    }
    const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, room);
    painter.setFont(font);
    painter.setPen(QColor(colour.red, colour.green, colour.blue));
    painter.drawText(QPointF(kBannerWordsLeft, baseline), shown);
}

}  // namespace

QPixmap BannerWithWords(const QPixmap& banner, const QString& title, const QString& tagline) {
    QPixmap written = banner.copy();
    written.setDevicePixelRatio(banner.devicePixelRatio());
    QPainter painter(&written);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(kBannerWordsLeft, 0, kBannerWidth - kBannerWordsLeft, kBannerHeight),
                     Qt::white);
    WriteLine(painter, title, kBannerTitleCapHeight, kBannerTitleBaseline, true,
              kBannerTitleColour);
    WriteLine(painter, tagline, kBannerTaglineCapHeight, kBannerTaglineBaseline, false,
              kBannerTaglineColour);
    return written;
}

}  // namespace tbr::qt
