// tbrwiz: shows the main window and nothing else. The command line is not read.
#include <QApplication>

#include "ui/qt/leave_no_trace.h"
#include "ui/qt/pictures.h"
#include "ui/qt/window_switcher.h"

int main(int argc, char* argv[]) {
    (void)argc;
    tbr::qt::LeaveNoTrace();
    int qtArgc = 1;  // nothing of the command line, not even Qt's own options
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral(TBR_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TBR_VERSION_TEXT));
    // Lets the desktop match the windows to the installed launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tbrwiz"));
    QApplication::setWindowIcon(tbr::qt::ApplicationIcon());

    tbr::qt::WindowSwitcher windows([] { QCoreApplication::exit(0); });
    windows.showMainWindow();
    return QApplication::exec();
}
