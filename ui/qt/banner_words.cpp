#include "ui/qt/banner_words.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <cmath>

#include "ui/qt/described_window.h"

namespace tbr::qt {
namespace {

using namespace tbr::resources;

constexpr int kRoom = kBannerWordsRight - kBannerWordsLeft;

}  // namespace

WrittenLine FitBannerLine(const QString& text, const BannerLine& line) {
    QFont font = ArialFont(kDialogPoints);
    font.setBold(line.bold);
    font.setPixelSize(100);  // to read the capitals' share of the em
    const qreal capsAt100 = QFontMetricsF(font).capHeight();
    const qreal size = line.capHeight * 100 / (capsAt100 > 0 ? capsAt100 : kBannerCapsPerEm * 100);
    font.setPixelSize(qRound(size));
    const qreal shrink = BannerShrink(QFontMetricsF(font).horizontalAdvance(text), kRoom);
    if (shrink < 1) {
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(size * shrink))));
    }
    return {font, QFontMetricsF(font).elidedText(text, Qt::ElideRight, kRoom)};
}

BannerWords::BannerWords(QLabel* banner, const QString& title, const QString& tagline)
    : QWidget(banner), banner_(banner), title_(title), tagline_(tagline) {
    setObjectName(QStringLiteral("BannerWords"));
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the banner does nothing when clicked
    banner->installEventFilter(this);
    placeOverPicture();
}

// Where the banner shows its picture, the words' room in it: right of the emblem.
void BannerWords::placeOverPicture() {
    const QRect picture =
        QStyle::alignedRect(banner_->layoutDirection(), banner_->alignment(),
                            QSize(kBannerWidth, kBannerHeight), banner_->contentsRect());
    setGeometry(picture.x() + kBannerWordsLeft, picture.y(), kRoom, kBannerHeight);
}

bool BannerWords::eventFilter(QObject* watched, QEvent* event) {
    if (watched == banner_ && event->type() == QEvent::Resize) {
        placeOverPicture();
    }
    return QWidget::eventFilter(watched, event);
}

void BannerWords::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setLayoutDirection(layoutDirection());
    // Right to left, both lines end at the room's right edge: absolute, for the painter's
    // direction would otherwise turn "right" into "left".
    const Qt::Alignment side =
        isRightToLeft() ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute;
    for (const auto& [text, line] :
         {std::pair{&title_, kBannerTitle}, std::pair{&tagline_, kBannerTagline}}) {
        const WrittenLine written = FitBannerLine(*text, line);
        const QFontMetricsF metrics(written.font);
        painter.setFont(written.font);
        painter.setPen(QColor(line.colour.red, line.colour.green, line.colour.blue));
        painter.drawText(QRectF(0, line.baseline - metrics.ascent(), kRoom, metrics.height()),
                         side | Qt::AlignTop, written.text);
    }
}

}  // namespace tbr::qt
