#include "ui/qt/form1.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>

#include "ui/qt/banner_words.h"
#include "ui/qt/pictures.h"
#include "ui/qt/translations.h"

namespace tbr::qt {

Form1::Form1(Services& services, Navigator& navigator, QWidget* parent)
    : DescribedWindow(kForm1, parent), launcher_(services, navigator) {
    if (QApplication::windowIcon().isNull()) {
        setWindowIcon(ApplicationIcon());  // else the program's icon, set for all its windows
    }
    SetAccessibleWindowRole(this, QAccessible::Window);

    auto* banner = static_cast<QLabel*>(control(Form1Part::Picture1));
    banner->setPixmap(BannerPixmap(devicePixelRatioF()));
    new BannerWords(banner, Tr(MessageId::MainWindowTitle), Tr(MessageId::BannerTagline));

    // As designed until the window is on the screen, where the texts are measured; mirrored right
    // to left.
    layOut(false);
    connect(this, &DescribedWindow::clicked, this,
            [this](int part) { launcher_.onClicked(static_cast<Form1Part>(part)); });
}

// The controls are placed for their texts as measured once the window is on the screen, before
// its first drawing: the window's size is the same in every language, so the program's first
// text work (the fonts' start-up) comes after the window appears, and nothing is ever drawn at a
// place it then leaves.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (!fitted_ && watched == windowHandle() && event->type() == QEvent::Expose) {
        layOut(true);
        fitted_ = true;
    }
    return DescribedWindow::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent* event) {
    showBannerForScreen();
    if (windowHandle() != nullptr && !followsScreen_) {
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { showBannerForScreen(); });
        windowHandle()->installEventFilter(this);
    }
    DescribedWindow::showEvent(event);
}

// The banner drawn for the pixel ratio of the screen the window is on.
void Form1::showBannerForScreen() {
    auto* banner = static_cast<QLabel*>(control(Form1Part::Picture1));
    const qreal ratio = devicePixelRatioF();
    if (banner->pixmap().devicePixelRatio() != ratio) {
        banner->setPixmap(BannerPixmap(ratio));
    }
}

}  // namespace tbr::qt
