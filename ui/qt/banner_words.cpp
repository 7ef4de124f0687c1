#include "ui/qt/banner_words.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "resources/banner_words.h"
#include "ui/qt/fonts.h"

namespace tbr::qt {
namespace {

using namespace tbr::resources;

constexpr int kPictureWidth = 317;
constexpr int kPictureHeight = 81;
constexpr qreal kSmallest = 0.6;  // a line shrinks to 60 % at most, then it is cut short

// One line of words: its capitals capHeight high, on baseline (from the words' top), from the
// left edge to the room's end.
void WriteLine(QPainter& painter, const QString& text, qreal capHeight, qreal baseline, bool bold,
               BannerColour colour) {
    QFont font = DialogFont();
    font.setBold(bold);
    font.setPixelSize(100);
    const qreal capsAt100 = QFontMetricsF(font).capHeight();
    qreal size = capHeight * 100 / (capsAt100 > 0 ? capsAt100 : 70);
    font.setPixelSize(qRound(size));
    const qreal room = kPictureWidth - kBannerWordsRightMargin - kBannerWordsLeft;
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > room) {
        size = std::max(size * room / width, size * kSmallest);
        font.setPixelSize(std::max(1, qFloor(size)));
    }
    painter.setFont(font);
    painter.setPen(QColor(colour.red, colour.green, colour.blue));
    // Written in the language's direction: right to left, the words end at the room's right.
    const QFontMetricsF metrics(font);
    const Qt::Alignment side =
        painter.layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(QRectF(0, baseline - metrics.ascent(), room, metrics.height()),
                     side | Qt::AlignTop, metrics.elidedText(text, Qt::ElideRight, room));
}

}  // namespace

BannerWords::BannerWords(QLabel* banner, QString title, QString tagline)
    : QWidget(banner), banner_(banner), title_(std::move(title)), tagline_(std::move(tagline)) {
    setObjectName(QStringLiteral("BannerWords"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the banner does nothing when clicked
    banner->installEventFilter(this);
    placeOverPicture();
}

// Where the banner shows its picture, the words' part of it: right of the emblem.
void BannerWords::placeOverPicture() {
    const QRect picture =
        QStyle::alignedRect(banner_->layoutDirection(), banner_->alignment(),
                            QSize(kPictureWidth, kPictureHeight), banner_->contentsRect());
    setGeometry(picture.x() + kBannerWordsLeft, picture.y(), kPictureWidth - kBannerWordsLeft,
                kPictureHeight);
}

bool BannerWords::eventFilter(QObject* watched, QEvent* event) {
    if (watched == banner_ && event->type() == QEvent::Resize) {
        placeOverPicture();
    }
    return QWidget::eventFilter(watched, event);
}

void BannerWords::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setLayoutDirection(layoutDirection());
    WriteLine(painter, title_, kBannerTitleCapHeight, kBannerTitleBaseline, true,
              kBannerTitleColour);
    WriteLine(painter, tagline_, kBannerTaglineCapHeight, kBannerTaglineBaseline, false,
              kBannerTaglineColour);
}

}  // namespace tbr::qt
