// The front end decodes its pictures itself; they must come out exactly as Qt's own image
// readers would decode the same bytes.
#include <QtTest>
#include <span>

#include "resources/embedded.h"
#include "ui/qt/pictures.h"

namespace {

QImage QtDecoded(std::span<const unsigned char> bytes, const char* format) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage Ours(const QIcon& icon) {
    return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void iconsMatchQtsReader_data() {
        QTest::addColumn<QImage>("ours");
        QTest::addColumn<QImage>("reference");
        QTest::newRow("create") << Ours(tbr::qt::CreateButtonIcon())
                                << QtDecoded(tbr::resources::CreateIcon(), "ICO");
        QTest::newRow("edit") << Ours(tbr::qt::EditButtonIcon())
                              << QtDecoded(tbr::resources::EditIcon(), "ICO");
        QTest::newRow("application")
            << Ours(tbr::qt::ApplicationIcon()) << QtDecoded(tbr::resources::AppIcon(), "ICO");
        QTest::newRow("banner") << tbr::qt::BannerPixmap().toImage().convertToFormat(
                                       QImage::Format_ARGB32)
                                << QtDecoded(tbr::resources::Banner(), "BMP");
    }
    void iconsMatchQtsReader() {
        QFETCH(QImage, ours);
        QFETCH(QImage, reference);
        QVERIFY(!reference.isNull());
        QCOMPARE(ours.size(), reference.size());
        QCOMPARE(ours, reference);
    }

    // On a screen of more than 1x the toolkit gets pictures drawn for it: every size of the icons,
    // and the banner drawn at 2x with its ratio, at 317 x 81 device-independent pixels.
    void highDensityScreensGetPicturesDrawnForThem() {
        QCOMPARE(tbr::qt::CreateButtonIcon().availableSizes(),
                 (QList<QSize>{{32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(tbr::qt::EditButtonIcon().availableSizes(),
                 (QList<QSize>{{32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(tbr::qt::ApplicationIcon().availableSizes(),
                 (QList<QSize>{{32, 32}, {16, 16}, {24, 24}, {48, 48}, {64, 64}}));

        const QPixmap twice = tbr::qt::BannerPixmap(2.0);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        QImage drawnAt2x = QtDecoded(tbr::resources::Banner2x(), "BMP");
        drawnAt2x.setDevicePixelRatio(2.0);
        QCOMPARE(twice.toImage().convertToFormat(QImage::Format_ARGB32), drawnAt2x);
        const QPixmap between = tbr::qt::BannerPixmap(1.5);
        QCOMPARE(between.devicePixelRatio(), 1.5);
        QCOMPARE(between.size(), QSize(476, 122));
        QCOMPARE(tbr::qt::BannerPixmap(1.0).devicePixelRatio(), 1.0);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
