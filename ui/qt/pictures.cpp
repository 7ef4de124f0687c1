#include "ui/qt/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <span>

#include "resources/embedded.h"

namespace tbr::qt {
namespace {

QPixmap Decode(std::span<const unsigned char> bytes, const char* format) {
    QPixmap pixmap;
    pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()), format);
    return pixmap;
}

// Every image of an icon file, so that the window system can pick the size it needs.
QIcon DecodeIcon(std::span<const unsigned char> bytes) {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    QIcon icon;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace

QPixmap BannerPixmap() {
    return Decode(resources::Banner(), "BMP");
}
QIcon CreateButtonIcon() {
    return DecodeIcon(resources::CreateIcon());
}
QIcon EditButtonIcon() {
    return DecodeIcon(resources::EditIcon());
}
QIcon ApplicationIcon() {
    return DecodeIcon(resources::AppIcon());
}

}  // namespace tbr::qt
