#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <QtTest>
#include <functional>

// Waits up to five seconds, handling events, until expr holds. QTRY_VERIFY in its place narrows a
// std::chrono count to int inside Qt 6.8's own macro, which -Wconversion refuses.
#define TBR_TRY_VERIFY(expr) QVERIFY(QTest::qWaitFor([&] { return bool(expr); }))

#include "ui/qt/described_window.h"
#include "ui/qt/translations.h"

// Shows a window and waits until it has the keyboard, so that key clicks reach it.
inline void ShowAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Runs check on the modal box or dialog that the code under test opens next, once it has the
// keyboard; a box still open after the check is closed, so that a failed check cannot hang.
inline void WhenModalAppears(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = nullptr;
        TBR_TRY_VERIFY((modal = QApplication::activeModalWidget()) != nullptr);
        modal->activateWindow();
        TBR_TRY_VERIFY(QApplication::activeWindow() == modal);
        check(modal);
        if (QApplication::activeModalWidget() == modal) {
            modal->close();  // a failed check must not leave the test hanging
        }
    });
}

// The control of window with the given name, as a W (nullptr where there is none).
template <typename W = QWidget>
W* Named(const QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

// The window follows its description: every control by its name, of its kind, with its caption,
// at its designed place (a label's height is its text's), and the tab order the description's,
// starting from its first control.
inline void CheckFollowsDescription(tbr::qt::DescribedWindow& window) {
    using tbr::ControlRole;
    const tbr::WindowDescription& description = window.description();
    QCOMPARE(window.windowTitle(), tbr::qt::Tr(description.title));
    QCOMPARE(window.size(), QSize(tbr::qt::Px(description.width), tbr::qt::Px(description.height)));
    QList<QWidget*> tabStops;
    for (const tbr::ControlDescription& control : description.controls) {
        QWidget* widget = Named(window, control.name);
        QVERIFY2(widget != nullptr, control.name);
        const QString caption = control.caption ? tbr::qt::Tr(*control.caption) : QString();
        const tbr::LayoutRect& r = control.designed;
        QRect designed = tbr::qt::TwipsRect(r.left, r.top, r.width, r.height);
        switch (control.role) {
            case ControlRole::Label:
                QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption);
                designed.setHeight(widget->height());
                break;
            case ControlRole::Banner:
                QVERIFY(qobject_cast<QLabel*>(widget) != nullptr);
                QCOMPARE(widget->accessibleName(), caption);
                break;
            case ControlRole::PictureButton:
                QVERIFY(qobject_cast<QPushButton*>(widget)->text().isEmpty());
                QCOMPARE(widget->accessibleName(), caption);
                break;
            case ControlRole::PushButton:
                QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), caption);
                break;
            case ControlRole::Option:
                QCOMPARE(qobject_cast<QRadioButton*>(widget)->text(), caption);
                break;
            case ControlRole::TextBox:
                QVERIFY(qobject_cast<QLineEdit*>(widget) != nullptr);
                break;
        }
        QCOMPARE(widget->geometry(), designed);
        if (tbr::TakesFocus(control.role)) {
            tabStops.append(widget);
        }
    }
    QList<QWidget*> chain{tabStops.first()};
    for (QWidget* w = tabStops.first()->nextInFocusChain(); w != tabStops.first();
         w = w->nextInFocusChain()) {
        if (tabStops.contains(w)) {
            chain.append(w);
        }
    }
    QCOMPARE(chain, tabStops);
    ShowAndActivate(window);
    QCOMPARE(QApplication::focusWidget(), tabStops.first());
}
