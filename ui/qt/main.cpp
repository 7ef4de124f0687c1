// tbrwiz: shows the main window and nothing else. The command line holds at most --help,
// --version and Qt's own options; everything else, and a start without a display, is refused
// before the toolkit starts. Every text is in the user's language.
#include <QApplication>

#include "app/command_line.h"
#include "ui/qt/leave_no_trace.h"
#include "ui/qt/open_display.h"
#include "ui/qt/pictures.h"
#include "ui/qt/translations.h"
#include "ui/qt/window_switcher.h"

int main(int argc, char* argv[]) {
    tbr::qt::Translations translations(tbr::LocaleEnvironment::FromProcess());
    const tbr::CommandLineDecision decision = tbr::DecideCommandLine(
        argc, argv, tbr::DisplayEnvironment::FromProcess(),
        [&translations](tbr::MessageId id) { return translations.words(id); });
    if (!decision.run) {
        return tbr::ReportCommandLine(decision);
    }
    tbr::qt::LeaveNoTrace();
    const auto app =
        tbr::qt::OpenDisplay(argc, argv, translations.words(tbr::MessageId::DisplayFailed));
    translations.install();
    QApplication::setApplicationName(QStringLiteral(TBR_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TBR_VERSION_TEXT));
    // Lets the desktop match the windows to the installed launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tbrwiz"));
    QApplication::setWindowIcon(tbr::qt::ApplicationIcon());

    tbr::qt::WindowSwitcher windows([] { QCoreApplication::exit(0); });
    windows.showMainWindow();
    return QApplication::exec();
}
