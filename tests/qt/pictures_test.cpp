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
        QTest::newRow("application") << Ours(tbr::qt::ApplicationIcon())
                                     << QtDecoded(tbr::resources::AppIcon(), "ICO");
        QTest::newRow("banner")
            << tbr::qt::BannerPixmap().toImage().convertToFormat(QImage::Format_ARGB32)
            << QtDecoded(tbr::resources::Banner(), "BMP");
    }
    void iconsMatchQtsReader() {
        QFETCH(QImage, ours);
        QFETCH(QImage, reference);
        QVERIFY(!reference.isNull());
        QCOMPARE(ours.size(), reference.size());
        QCOMPARE(ours, reference);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
