// tbrwiz: shows the main window and nothing else. The command line holds at most --help,
// --version and Qt's own options; everything else, and a start without a display, is refused
// before the toolkit starts. Every text is in the user's language.
#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "shell/session_bus.h"
#include "ui/qt/pictures.h"
#include "ui/qt/translations.h"
#include "ui/qt/window_switcher.h"

namespace {

// The program writes no file but the document and leaves no process behind; left alone, the
// toolkit would do both. Before the application object exists:
// - without a session bus, no bus daemon is started for the program (shell/session_bus.h);
// - the file dialogs keep no history: Qt's dialog saves its last folder and view in the user's
//   settings ("QtProject.conf") and reads them back, and this program keeps no settings. Settings
//   of the user scope are looked for below a folder that cannot exist, because it would lie
//   inside a device: nothing is read there, and nothing can be written.
void LeaveNoTrace() {
    tbr::KeepOffMissingSessionBus();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
}

QtMessageHandler previousHandler = nullptr;
std::string failureText;

// The toolkit reports a platform that cannot start as a fatal message and aborts after it.
void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    std::fputs((failureText + "\n").c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(tbr::kNoDisplayStatus);
}

// Starts the toolkit on the display (argc must outlive the application). Where its platform cannot
// connect after all (a DISPLAY that names no running server, a missing plugin), the program ends
// with failure, one line on standard error, and status 1 instead of the toolkit's abort.
std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv, std::string failure) {
    failureText = std::move(failure);
    previousHandler = qInstallMessageHandler(EndOnFatal);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return application;
}

}  // namespace

int main(int argc, char* argv[]) {
    tbr::qt::Translations translations(tbr::LocaleEnvironment::FromProcess());
    const tbr::CommandLineDecision decision = tbr::DecideCommandLine(
        argc, argv, tbr::DisplayEnvironment::FromProcess(),
        [&translations](tbr::MessageId id) { return translations.words(id); });
    if (!decision.run) {
        return tbr::ReportCommandLine(decision);
    }
    LeaveNoTrace();
    const auto app = OpenDisplay(argc, argv, translations.words(tbr::MessageId::DisplayFailed));
    translations.install();
    QApplication::setApplicationName(QStringLiteral(TBR_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TBR_VERSION_TEXT));
    // Lets the desktop match the windows to the installed launcher entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tbr::qt::kDesktopFileName));
    QApplication::setWindowIcon(tbr::qt::ApplicationIcon());

    tbr::qt::WindowSwitcher windows([] { QCoreApplication::exit(0); });
    windows.showMainWindow();
    return QApplication::exec();
}
