// The yardstick for tbrwiz's start-up: the least a Qt 6 Widgets program does to put a window of
// the same size and title on the screen. Built with the project (same compiler, flags and Qt),
// so that the two are always comparable.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tambrel Wizard"));
    window.setFixedSize(343, 360);
    window.show();
    return QApplication::exec();
}
