#include "ui/qt/open_display.h"

#include <cstdio>
#include <cstdlib>

namespace tbr::qt {
namespace {

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

}  // namespace

std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv, std::string failure) {
    failureText = std::move(failure);
    previousHandler = qInstallMessageHandler(EndOnFatal);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return application;
}

}  // namespace tbr::qt
