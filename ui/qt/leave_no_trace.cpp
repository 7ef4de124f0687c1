#include "ui/qt/leave_no_trace.h"

#include <QSettings>

#include "shell/session_bus.h"

namespace tbr::qt {

void LeaveNoTrace() {
    KeepOffMissingSessionBus();
    // Settings of the user scope are looked for below a folder that cannot exist, because it
    // would lie inside a device: nothing is read there, and nothing can be written.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
}

}  // namespace tbr::qt
