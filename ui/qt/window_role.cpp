#include "ui/qt/window_role.h"

#include <QAccessibleWidget>

namespace tbr::qt {
namespace {

constexpr char kRoleProperty[] = "tbrAccessibleWindowRole";

// Qt asks the installed factories before its own, once for each class of a widget from the most
// derived one up; the first answer is the widget's interface. A window that carries a role gets
// the interface Qt would give it anyway (a QAccessibleWidget) with that role instead of Client.
QAccessibleInterface* WindowWithRole(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    const QVariant role = widget->property(kRoleProperty);
    if (!widget->isWindow() || !role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleWindowRole(QWidget* window, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(WindowWithRole);
        return true;
    }();
    (void)installed;
    window->setProperty(kRoleProperty, static_cast<int>(role));
}

}  // namespace tbr::qt
